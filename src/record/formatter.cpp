#include "record/formatter.h"

#include "app/language.h"
#include "diagnosis/diagnosis.h"
#include "exercises/numbers.h"

#include <QPagedPaintDevice>
#include <QTextCursor>
#include <QTextDocument>

void Words::loadLineWords()
{
    using Language::into;
    Language::load("/idioma/", "formulario1y2.txt",
                   {{5, into(columnVerdicts[0])}, {6, into(columnVerdicts[1])}, {7, into(operations[int(Op::Addition)])},
                    {8, into(operations[int(Op::Subtraction)])}, {9, into(operations[int(Op::Multiplication)])},
                    {10, into(operations[int(Op::Division)])}});
    Language::load("/idioma/", "formulariodivision.txt", {{9, into(divisionVerdicts[0])}, {10, into(divisionVerdicts[1])}});
    Language::load("/idioma/", "formulariomulti.txt",
                   {{4, into(multiplicationTitle)}, {5, into(multiplicationVerdicts[0])}, {6, into(multiplicationVerdicts[1])}});
}

std::vector<Language::Line> Words::resultsTable()
{
    using Language::into;
    std::vector<Language::Line> t{{4, into(nothing)}, {11, into(right)}, {12, into(wrong)}, {13, into(total)}, {14, into(review)},
                                  {25, into(slips)},  {26, into(times)}, {27, into(forExample)}, {28, into(nothingRepeats)}};
    for (int k = 0; k < ExerciseKinds; ++k)
        t.push_back({5 + k, into(kinds[k])});
    for (int p = 0; p < int(patterns.size()); ++p)
        t.push_back({p < 10 ? 15 + p : 19 + p, into(patterns[p])}); // the mistakes found later after line 28
    t.push_back({32, into(of)});
    for (int p = 0; p < int(chances.size()); ++p)
        t.push_back({33 + p, into(chances[p])});
    // The history window, and the line that says whether the history is kept.
    int n = 46;
    for (QString *w : {&history, &historyOf, &lastDays, &chartNote, &day, &rightHeading, &wrongHeading, &byKind, &thisWeek, &before, &exercise,
                       &exercises, &none, &lastTime, &dayFormat, &shortDay, &fading, &notFading, &noHistory, &runDate, &notKept})
        t.push_back({n++, into(*w)});
    for (QString &w : troubles)
        t.push_back({n++, into(w)});
    t.push_back({n++, into(setAside)});
    t.push_back({n++, into(kindHeading)});
    t.push_back({n++, into(longDivision)});
    t.push_back({n++, into(remainder)});
    return t;
}

// ---------------------------------------------------------------- the results line

QString Formatter::Line(int number, const Attempt &a) const { return num(number) + QStringLiteral(". ") + Text(a); }

QString Formatter::Text(const Attempt &a) const
{
    const Worked w = a.Model();
    const int verdict = a.right ? 0 : 1;
    if (const auto *d = std::get_if<LongDivision>(&w))
        return words.longDivision + QLatin1Char(' ') + d->Statement() + QStringLiteral(" = ") + num(d->Quotient()) + QStringLiteral(" + ") +
               words.remainder + QStringLiteral(" - ") + num(d->Remainder()) + verdictTail(words.divisionVerdicts[verdict]);
    if (const auto *m = std::get_if<LongMultiplication>(&w))
        return words.multiplicationTitle + m->Statement() + QStringLiteral(" = ") +
               (a.right ? num(m->Multiplicand * m->UsedMultiplier()) : QStringLiteral(" ? ")) + verdictTail(words.multiplicationVerdicts[verdict]);
    if (const auto *e = std::get_if<Exercise>(&w))
        return e->Statement(words.operations[int(e->Operation)]) + (a.right ? QStringLiteral(" = ") : QStringLiteral(" <> ")) +
               e->Entered(a.right) + verdictTail(words.columnVerdicts[verdict]);
    // Not an exercise this program draws (a history from elsewhere): its numbers as they are.
    return words.kinds[int(a.kind)] + QStringLiteral(": ") + num(a.a) + QStringLiteral(", ") + num(a.b);
}

// ---------------------------------------------------------------- the record of a run

QStringList Formatter::RunLines(const QString &child, const QDateTime &started, const std::vector<Attempt> &attempts) const
{
    QStringList lines{child + QStringLiteral(" — ") + words.locale.toString(started, words.runDate), QString()};
    if (attempts.empty())
        return lines << words.nothing;
    for (std::size_t i = 0; i < attempts.size(); ++i)
        lines << Line(int(i) + 1, attempts[i]);
    return lines << QString() << Tally(attempts) << QString() << Review(attempts);
}

QStringList Formatter::Tally(const std::vector<Attempt> &attempts) const
{
    std::array<int, ExerciseKinds> right{}, wrong{};
    for (const Attempt &a : attempts)
        ++(a.right ? right : wrong)[int(a.kind)];
    auto tally = [this](const QString &what, int r, int w) {
        return what + QStringLiteral(": ") + num(r) + QLatin1Char(' ') + words.right + QStringLiteral(", ") + num(w) + QLatin1Char(' ') +
               words.wrong;
    };
    QStringList lines;
    int allRight = 0, allWrong = 0;
    for (int k = 0; k < ExerciseKinds; ++k) {
        if (right[k] + wrong[k] > 0)
            lines << tally(words.kinds[k], right[k], wrong[k]);
        allRight += right[k];
        allWrong += wrong[k];
    }
    return lines << tally(words.total, allRight, allWrong);
}

QStringList Formatter::Review(const std::vector<Attempt> &attempts) const
{
    const Diagnosis::Summary s = Diagnosis::OfRun(modelsOf(attempts));
    QStringList lines{words.review};
    if (s.named.empty())
        lines << words.nothingRepeats;
    for (const Diagnosis::Summary::Named &n : s.named)
        lines << words.patterns[int(n.pattern)] + QStringLiteral(": ") + Often(n.pattern, n.exercises, n.chances) + QStringLiteral(", ") + words.forExample + QLatin1Char(' ') +
                     n.example;
    return lines << words.slips + QStringLiteral(": ") + num(s.slips);
}

QString Formatter::Often(Diagnosis::Pattern p, int exercises, int chances) const
{
    return num(exercises) + QLatin1Char(' ') + words.of + QLatin1Char(' ') + num(chances) + QLatin1Char(' ') + words.chances[int(p)];
}

// ---------------------------------------------------------------- a child's history

QString Formatter::fill(const QString &word, const QString &value) { return fill(word, QStringList{value}); }

QString Formatter::fill(const QString &word, const QStringList &values)
{
    QString filled = word;
    for (int i = int(values.size()); i >= 1; --i) // %10 before %1
        filled.replace(QLatin1Char('%') + QString::number(i), values[i - 1]);
    return filled;
}

QString Formatter::Day(const QDate &d) const { return words.locale.toString(d, words.dayFormat); }
QString Formatter::ShortDay(const QDate &d) const { return words.locale.toString(d, words.shortDay); }
QString Formatter::LastDays(const History &h) const { return fill(words.lastDays, num(int(h.days.size()))); }

QString Formatter::ShareText(const History::Share &s) const
{
    if (s.count == 0)
        return words.none;
    return num(s.count) + QLatin1Char(' ') + (s.count == 1 ? words.exercise : words.exercises) + QStringLiteral(", ") + num(s.percentRight()) +
           QStringLiteral(" % ") + words.right;
}

QStringList Formatter::HistoryReview(const History &h) const
{
    QStringList lines{words.review};
    if (h.mistakes.empty())
        lines << words.nothingRepeats;
    for (const History::Mistake &m : h.mistakes)
        lines << words.patterns[int(m.pattern)] + QStringLiteral(": ") + Often(m.pattern, m.count, m.chances) + QStringLiteral(", ") +
                     words.forExample + QLatin1Char(' ') + m.example + QStringLiteral(", ") + fill(words.lastTime, Day(m.last)) +
                     QStringLiteral("; ") + (m.fading ? words.fading : words.notFading);
    return lines << words.slips + QStringLiteral(": ") + num(h.slips);
}

QStringList Formatter::HistoryLines(const QString &child, const QDateTime &now, const History &h) const
{
    QStringList lines{fill(words.historyOf, child) + QStringLiteral(" — ") + words.locale.toString(now, words.runDate), QString()};
    if (h.exercises == 0)
        return lines << words.noHistory;
    lines << LastDays(h);
    for (const History::Day &d : h.days)
        lines << Day(d.date) + QStringLiteral(": ") + num(d.right) + QLatin1Char(' ') + words.right + QStringLiteral(", ") + num(d.wrong) +
                     QLatin1Char(' ') + words.wrong;
    lines << QString() << words.byKind;
    for (int k = 0; k < ExerciseKinds; ++k)
        if (const History::Kind &kind = h.kinds[k]; kind.thisWeek.count + kind.before.count > 0)
            lines << words.kinds[k] + QStringLiteral(" — ") + words.thisWeek + QStringLiteral(": ") + ShareText(kind.thisWeek) +
                         QStringLiteral("; ") + words.before + QStringLiteral(": ") + ShareText(kind.before);
    return lines << QString() << HistoryReview(h);
}

QString Formatter::KeptLine(int trouble, const QString &detail, const QString &setAside) const
{
    if (trouble >= 1 && trouble <= int(words.troubles.size()))
        return fill(words.notKept, fill(words.troubles[trouble - 1], detail));
    return setAside.isEmpty() ? QString() : fill(words.setAside, setAside);
}

// ---------------------------------------------------------------- print

void Formatter::Print(QPagedPaintDevice &printer, const QStringList &lines, const std::function<bool(const QString &)> &emphasised)
{
    QTextDocument page;
    page.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    QTextCursor at(&page);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(14);
    at.insertText(lines.value(0), heading);
    for (const QString &line : lines.mid(1)) {
        at.insertBlock();
        QTextCharFormat plain;
        if (emphasised(line))
            plain.setFontWeight(QFont::Bold);
        at.insertText(line, plain);
    }
    page.print(&printer); // wraps long lines, breaks pages and numbers them
}
