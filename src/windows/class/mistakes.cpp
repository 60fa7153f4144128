#include "windows/class/mistakes.h"

#include "record/classroom.h"
#include "storage/storage.h"

#include <QCoreApplication>

ClassMistakes::ClassMistakes(const QString &file, QObject *parent) : QObject(parent), file_(file) {}

ClassMistakes::~ClassMistakes() { stop(); }

QString ClassMistakes::cacheKey(const Child &child, const QDateTime &from, const QDateTime &to)
{
    return child.key + QLatin1Char('\n') + Storage::timeAsText(from) + QLatin1Char('\n') + Storage::timeAsText(to) + QLatin1Char('\n') +
           QString::number(child.exercises);
}

std::optional<std::vector<Diagnosis::Pattern>> ClassMistakes::known(const Child &child, const QDateTime &from, const QDateTime &to) const
{
    const auto it = known_.find(cacheKey(child, from, to));
    if (it == known_.end())
        return std::nullopt;
    return it.value();
}

void ClassMistakes::stop()
{
    if (stop_)
        *stop_ = true;
    if (thread_.joinable())
        thread_.join(); // at most one child's diagnosis
    stop_.reset();
}

void ClassMistakes::finish()
{
    if (thread_.joinable())
        thread_.join();
    QCoreApplication::sendPostedEvents(this); // every answer handed on
}

void ClassMistakes::forget()
{
    stop();
    known_.clear();
}

void ClassMistakes::start(const std::vector<Child> &children, const QDateTime &from, const QDateTime &to, const QDate &today)
{
    stop();
    std::vector<Child> todo;
    for (const Child &c : children)
        if (!known(c, from, to))
            todo.push_back(c);
    if (todo.empty())
        return;
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    stop_ = stopped;
    thread_ = std::thread([this, stopped, todo, from, to, today, file = file_] {
        Storage history(file);
        if (!history.open())
            return;
        for (const Child &c : todo) {
            if (*stopped)
                return;
            const std::vector<Diagnosis::Pattern> mistakes = Classroom::MistakesOf(history.attempts(c.name, from, to), today);
            // Handed to the window's thread, where it is kept and shown.
            QMetaObject::invokeMethod(
                this,
                [this, stopped, c, from, to, mistakes] {
                    if (*stopped)
                        return;
                    known_.insert(cacheKey(c, from, to), mistakes);
                    emit ready(c.key, mistakes);
                },
                Qt::QueuedConnection);
        }
    });
}
