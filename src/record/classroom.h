// The teacher's class at a glance: one row per child who worked on this
// computer in a span of days (their number, the exercises, the share right this
// week and before, what to practise, the last day), worked out from the
// history's counts per hour. Plain data; the class window shows it, the
// spreadsheet writes it.
#pragma once

#include "diagnosis/diagnosis.h"
#include "record/history.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

// A child's attempts in one hour (UTC), as the history counts them.
struct ChildHour {
    QString key, name; // the child as compared, and as first written
    QDateTime start;   // the hour, in UTC
    int count = 0, right = 0;
};

namespace Classroom {

// The days the teacher looks at.
enum class Period { Week = 0, Month = 1, SchoolYear = 2, Between = 3 };

// The bounds of a period as instants [from, to): from the first local day's
// midnight to the midnight after the last. The week starts on Monday, the
// school year on the 1st of September; each runs to the end of `today`.
// Between runs from `first` to `last`, both included, in either order.
struct Span {
    QDateTime from, to;
};
Span SpanOf(Period period, const QDate &today, const QDate &first = {}, const QDate &last = {});
// The first day of the school year that holds `day`.
QDate SchoolYearStart(const QDate &day);

using Share = History::Share;

struct Row {
    QString key, name;
    int days = 0;      // local days with work
    int exercises = 0; // attempts, each check counted
    Share thisWeek, before;
    QDate last; // the last day with work
    // What to practise in the span, as the history names it: none until worked out.
    std::optional<std::vector<Diagnosis::Pattern>> mistakes;
};

// The rows of the children in the hours, in the order of their names as compared;
// "this week" is the week, Monday first, that holds `today`.
std::vector<Row> Rows(const std::vector<ChildHour> &hours, const QDate &today);

// The columns, in the order the window shows them.
enum class Column { Name = 0, Days, Exercises, ThisWeek, Before, Mistakes, Last };
constexpr int Columns = 7;
// Sorts by a column, the name deciding between equals; the mistakes by their
// number first. Rows without a share come first when ascending.
void Sort(std::vector<Row> &rows, Column column, bool ascending);

// What to practise, as the history names it, for a child's attempts.
std::vector<Diagnosis::Pattern> MistakesOf(std::vector<Attempt> attempts, const QDate &today);

} // namespace Classroom
