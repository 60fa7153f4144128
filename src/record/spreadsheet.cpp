#include "record/spreadsheet.h"

#include "diagnosis/diagnosis.h"
#include "exercises/numbers.h"

#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace Csv {

QString Field(const QString &text)
{
    QString f = text;
    if (!f.isEmpty() && QStringLiteral("=+-@").contains(f.front()))
        f.prepend(QLatin1Char('\''));
    if (!f.contains(QLatin1Char(';')) && !f.contains(QLatin1Char('"')) && !f.contains(QLatin1Char('\n')) && !f.contains(QLatin1Char('\r')))
        return f;
    f.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}

QString Line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields)
        quoted << Field(f);
    return quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

} // namespace Csv

namespace {

// A row of cells as a number: the digits the child wrote, from the highest
// place down, an empty cell inside the number as 0; nothing when none is
// written. What a cell held when it was judged, if `judgedEntries` (the long
// division puts the right digit in a wrong one's place), or what it holds.
QString written(const std::vector<const DigitCell *> &highestFirst, bool judgedEntries = false)
{
    QString s;
    for (const DigitCell *c : highestFirst)
        if (const std::optional<int> digit = judgedEntries && c->judged ? c->first : c->current; digit || !s.isEmpty())
            s += QChar(u'0' + digit.value_or(0));
    while (s.size() > 1 && s.front() == u'0')
        s.remove(0, 1);
    return s;
}

// The exercise and its right answer from its numbers, as the results lines write them.
QString statementOf(const Attempt &a)
{
    static const std::array<QString, ExerciseKinds> signs{QStringLiteral(" + "), QStringLiteral(" - "), QStringLiteral(" X "),
                                                          QStringLiteral(" / "), QStringLiteral(" : "), QStringLiteral(" X ")};
    const int b = a.kind == ExerciseKind::WrittenMultiplication && a.oneDigit ? a.b % 10 : a.b;
    return num(a.a) + signs[int(a.kind)] + num(b);
}

QString rightAnswerOf(const Attempt &a, const QString &remainder)
{
    const int b = a.kind == ExerciseKind::WrittenMultiplication && a.oneDigit ? a.b % 10 : a.b;
    switch (a.kind) {
    case ExerciseKind::Addition:
        return num(a.a + b);
    case ExerciseKind::Subtraction:
        return num(a.a - b);
    case ExerciseKind::Multiplication:
    case ExerciseKind::WrittenMultiplication:
        return num(a.a * b);
    case ExerciseKind::Division:
        return b ? num(a.a / b) : QString();
    case ExerciseKind::WrittenDivision:
        return b ? num(a.a / b) + QLatin1Char(' ') + remainder + QLatin1Char(' ') + num(a.a % b) : QString();
    }
    return QString();
}

// What the child answered, read from the cells of the exercise as it was left.
QString givenAnswerOf(const Worked &w, const QString &remainder)
{
    if (const auto *d = std::get_if<LongDivision>(&w)) {
        std::vector<const DigitCell *> quotient, last;
        for (int k = 0; k < LongDivision::QuotientDigits; ++k)
            if (d->QuotientCell(k).inUse)
                quotient.push_back(&d->QuotientCell(k));
        for (int column = 0; column < LongDivision::Columns; ++column)
            if (d->RemainderCell(d->LastRow(), column).inUse && !d->BroughtDown(d->LastRow(), column))
                last.push_back(&d->RemainderCell(d->LastRow(), column));
        return written(quotient, true) + QLatin1Char(' ') + remainder + QLatin1Char(' ') + written(last, true);
    }
    if (const auto *m = std::get_if<LongMultiplication>(&w)) {
        using Row = LongMultiplication::Row;
        const Row row = m->OneDigit() ? Row::First : Row::Result;
        std::vector<const DigitCell *> result;
        for (int column = LongMultiplication::FirstColumn(row) + m->CellCount(row) - 1; column >= LongMultiplication::FirstColumn(row); --column)
            result.push_back(&m->Cell(row, column));
        return written(result);
    }
    if (const auto *e = std::get_if<Exercise>(&w))
        return e->Entered(false);
    return QString(); // not an exercise this program draws
}

} // namespace

QStringList Spreadsheet::ExerciseHeader() const { return {sheet_.exerciseColumns.begin(), sheet_.exerciseColumns.end()}; }

QStringList Spreadsheet::ChildHeader() const { return {sheet_.childColumns.begin(), sheet_.childColumns.end()}; }

QString Spreadsheet::Mistakes(const std::vector<Diagnosis::Pattern> &patterns) const
{
    QStringList names;
    for (Diagnosis::Pattern p : patterns)
        names << words_.patterns[int(p)];
    return names.join(QStringLiteral(", "));
}

QStringList Spreadsheet::ExerciseFields(const Attempt &a) const
{
    const QString right = rightAnswerOf(a, sheet_.remainder);
    QString given = right;
    std::vector<Diagnosis::Pattern> mistakes;
    if (!a.right) { // only a wrong answer differs from the right one, and shows a mistake
        const Worked model = a.Model();
        given = givenAnswerOf(model, sheet_.remainder);
        for (const auto &[pattern, example] : Diagnosis::Of(model).examples)
            mistakes.push_back(pattern);
        // A mistake of a place ("Suma mal los productos") gives way to the mistake
        // of method that wrote it ("Olvida sumar lo que se lleva"), as in what to practise.
        if (!std::all_of(mistakes.begin(), mistakes.end(), Diagnosis::ofPlace))
            mistakes.erase(std::remove_if(mistakes.begin(), mistakes.end(), Diagnosis::ofPlace), mistakes.end());
    }
    // The local time: the offset from UTC worked out once per quarter of an
    // hour (every clock in the world changes on one).
    const qint64 quarter = a.ended.toSecsSinceEpoch() / 900;
    auto offset = offsets_.find(quarter);
    if (offset == offsets_.end())
        offset = offsets_.insert(quarter, a.ended.toLocalTime().offsetFromUtc());
    const QDateTime local = a.ended.toUTC().addSecs(offset.value());
    const QDate d = local.date();
    const QTime t = local.time();
    char day[16], time[16];
    std::snprintf(day, sizeof day, "%04d-%02d-%02d", d.year(), d.month(), d.day());
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour(), t.minute(), t.second());
    return {QString::fromLatin1(day), QString::fromLatin1(time), a.child, sheet_.kinds[int(a.kind)], statementOf(a), given, right,
            a.right ? words_.right : words_.wrong, Mistakes(mistakes)};
}

QStringList Spreadsheet::ChildFields(const Classroom::Row &row) const
{
    auto percent = [](const Classroom::Share &s) { return s.count ? num(s.percentRight()) : QString(); };
    return {row.name,
            num(row.days),
            num(row.exercises),
            percent(row.thisWeek),
            num(row.thisWeek.count),
            percent(row.before),
            num(row.before.count),
            row.mistakes ? Mistakes(*row.mistakes) : QString(),
            row.last.toString(QStringLiteral("yyyy-MM-dd"))};
}

bool Spreadsheet::Write(const QString &file, const QStringList &header,
                        const std::function<bool(const std::function<void(const QStringList &)> &)> &lines)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray pending = QByteArrayLiteral("\xEF\xBB\xBF") + Csv::Line(header).toUtf8();
    bool written = true;
    const bool read = lines([&](const QStringList &fields) {
        pending += Csv::Line(fields).toUtf8();
        if (pending.size() > (1 << 20)) {
            written = written && out.write(pending) == pending.size();
            pending.clear();
        }
    });
    written = written && out.write(pending) == pending.size();
    if (!read || !written) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
