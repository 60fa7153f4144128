#include "record/classroom.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>
#include <tuple>

namespace Classroom {

namespace {

QDateTime midnight(const QDate &day) { return QDateTime(day, QTime(0, 0)).toUTC(); }

} // namespace

QDate SchoolYearStart(const QDate &day) { return QDate(day.month() >= 9 ? day.year() : day.year() - 1, 9, 1); }

Span SpanOf(Period period, const QDate &today, const QDate &first, const QDate &last)
{
    const QDate end = today.addDays(1);
    switch (period) {
    case Period::Week:
        return {midnight(today.addDays(1 - today.dayOfWeek())), midnight(end)};
    case Period::Month:
        return {midnight(QDate(today.year(), today.month(), 1)), midnight(end)};
    case Period::SchoolYear:
        return {midnight(SchoolYearStart(today)), midnight(end)};
    case Period::Between:
        break;
    }
    const auto [low, high] = std::minmax(first, last);
    return {midnight(low), midnight(high.addDays(1))};
}

std::vector<Row> Rows(const std::vector<ChildHour> &hours, const QDate &today)
{
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    std::map<QString, Row> byKey;
    QHash<QString, QSet<QDate>> days;
    QHash<qint64, QDate> dayOfHour; // children share hours: each one's local day worked out once
    for (const ChildHour &h : hours) {
        Row &r = byKey[h.key];
        r.key = h.key;
        r.name = h.name;
        auto known = dayOfHour.find(h.start.toSecsSinceEpoch());
        if (known == dayOfHour.end())
            known = dayOfHour.insert(h.start.toSecsSinceEpoch(), h.start.toLocalTime().date());
        const QDate day = known.value();
        days[h.key].insert(day);
        r.exercises += h.count;
        Share &s = day >= monday ? r.thisWeek : r.before;
        s.count += h.count;
        s.right += h.right;
        r.last = std::max(r.last, day);
    }
    std::vector<Row> rows;
    rows.reserve(byKey.size());
    for (auto &[key, row] : byKey) {
        row.days = int(days[key].size());
        rows.push_back(std::move(row));
    }
    return rows;
}

void Sort(std::vector<Row> &rows, Column column, bool ascending)
{
    // A missing share sorts below every share.
    auto share = [](const Share &s) { return s.count ? s.percentRight() : -1; };
    auto key = [&](const Row &r) {
        switch (column) {
        case Column::Name:
            return std::tuple(0, 0, QString());
        case Column::Days:
            return std::tuple(r.days, 0, QString());
        case Column::Exercises:
            return std::tuple(r.exercises, 0, QString());
        case Column::ThisWeek:
            return std::tuple(share(r.thisWeek), r.thisWeek.count, QString());
        case Column::Before:
            return std::tuple(share(r.before), r.before.count, QString());
        case Column::Mistakes: {
            QString names;
            for (Diagnosis::Pattern p : r.mistakes.value_or(std::vector<Diagnosis::Pattern>{}))
                names += QChar(u'a' + int(p));
            return std::tuple(r.mistakes ? int(r.mistakes->size()) : -1, 0, names);
        }
        case Column::Last:
            return std::tuple(int(r.last.toJulianDay()), 0, QString());
        }
        return std::tuple(0, 0, QString());
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const Row &x, const Row &y) {
        const auto kx = key(x), ky = key(y);
        if (kx != ky)
            return ascending ? kx < ky : ky < kx;
        return ascending || column != Column::Name ? x.key < y.key : y.key < x.key;
    });
}

std::vector<Diagnosis::Pattern> MistakesOf(std::vector<Attempt> attempts, const QDate &today)
{
    std::vector<Diagnosis::Pattern> named;
    for (const History::Mistake &m : History::Of(std::move(attempts), today).mistakes)
        named.push_back(m.pattern);
    return named;
}

} // namespace Classroom
