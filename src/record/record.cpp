#include "record/record.h"

#include "app/module1.h"

void Record::add(Attempt attempt)
{
    if (attempt.id.isNull())
        attempt.id = QUuid::createUuid();
    if (attempt.child.isNull())
        attempt.child = Module1::PlayerName;
    if (!attempt.ended.isValid())
        attempt.ended = QDateTime::currentDateTimeUtc();
    attempts_.push_back(std::move(attempt));
    emit added(attempts_.back());
}

void Record::clear() { attempts_.clear(); }
