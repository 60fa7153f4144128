#include "record/history.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <set>

namespace {

// The computer's local day of a time, the zone's offset looked up once for each
// hour of time (the zone's rules are read from the disk at every lookup).
class LocalDays
{
public:
    QDate of(const QDateTime &t)
    {
        const qint64 s = t.toSecsSinceEpoch(), hour = s >= 0 ? s / 3600 : (s - 3599) / 3600;
        auto it = offsets_.find(hour);
        if (it == offsets_.end())
            it = offsets_.insert(hour, QDateTime::fromSecsSinceEpoch(hour * 3600).offsetFromUtc());
        return QDateTime::fromSecsSinceEpoch(s + it.value(), Qt::UTC).date();
    }

private:
    QHash<qint64, int> offsets_;
};

// Whether a mistake fades: over the exercises where it can show, in order, the
// later half shows it at most half as often as the earlier half. Four
// exercises at least, or nothing can be said.
bool fades(const std::vector<bool> &showed)
{
    const std::size_t n = showed.size(), half = n / 2;
    if (n < 4)
        return false;
    const auto earlier = std::count(showed.begin(), showed.begin() + half, true);
    const auto later = std::count(showed.begin() + half, showed.end(), true);
    // later / (n − half) ≤ earlier / half / 2, in whole numbers
    return earlier > 0 && 2 * later * std::int64_t(half) <= earlier * std::int64_t(n - half);
}

} // namespace

History History::Of(std::vector<Attempt> attempts, const QDate &today)
{
    auto earlier = [](const Attempt &x, const Attempt &y) { return x.ended < y.ended; };
    if (!std::is_sorted(attempts.begin(), attempts.end(), earlier)) // the storage gives them in order
        std::stable_sort(attempts.begin(), attempts.end(), earlier);
    History h;
    h.exercises = int(attempts.size());
    LocalDays local;
    std::vector<QDate> days;
    days.reserve(attempts.size());
    for (const Attempt &a : attempts)
        days.push_back(local.of(a.ended));
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    std::map<QDate, Day> byDay;
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        const Attempt &a = attempts[i];
        const QDate day = days[i];
        Day &d = byDay[day];
        d.date = day;
        ++(a.right ? d.right : d.wrong);
        Share &s = day >= monday ? h.kinds[int(a.kind)].thisWeek : h.kinds[int(a.kind)].before;
        ++s.count;
        s.right += a.right;
    }
    for (auto it = byDay.size() > ChartDays ? std::prev(byDay.end(), ChartDays) : byDay.begin(); it != byDay.end(); ++it)
        h.days.push_back(it->second);

    // What to practise over everything, as the diagnosis names it.
    const std::vector<Worked> models = modelsOf(attempts);
    const Diagnosis::Summary summary = Diagnosis::OfRun(models);
    h.slips = summary.slips;
    if (summary.named.empty())
        return h;

    // Each exercise once (its first check), with the mistakes it shows: only an
    // exercise first answered wrong can show one.
    struct Seen {
        QDate day;
        ExerciseKind kind;
        std::set<Diagnosis::Pattern> shows;
    };
    std::vector<Seen> exercises;
    QSet<QUuid> counted;
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        if (counted.contains(attempts[i].exercise))
            continue;
        counted.insert(attempts[i].exercise);
        Seen s{days[i], attempts[i].kind, {}};
        if (!attempts[i].right)
            for (const auto &[pattern, example] : Diagnosis::Of(models[i]).examples)
                s.shows.insert(pattern);
        exercises.push_back(std::move(s));
    }
    for (const Diagnosis::Summary::Named &n : summary.named) {
        Mistake m{n.pattern, n.exercises, n.chances, n.example, {}, false};
        std::set<ExerciseKind> kinds;
        for (const Seen &s : exercises)
            if (s.shows.count(n.pattern)) {
                m.last = s.day;
                kinds.insert(s.kind);
            }
        std::vector<bool> showed;
        for (const Seen &s : exercises)
            if (kinds.count(s.kind))
                showed.push_back(s.shows.count(n.pattern) > 0);
        m.fading = fades(showed);
        h.mistakes.push_back(m);
    }
    return h;
}
