// The exercises without their windows: a long division worked out and worked
// through, a long multiplication's rows and checks, the column exercise's first
// answer, and the record of the run.
#include "testkit.h"

#include "app/module1.h"

#include "exercises/exercise.h"
#include "exercises/longdivision.h"
#include "exercises/longmultiplication.h"
#include "diagnosis/diagnosis.h"
#include "record/formatter.h"
#include "record/record.h"

#include <QSignalSpy>
#include <QTest>

using Row = LongMultiplication::Row;

namespace {

// The steps of a division: "12:1=7r5v3" is 12 divided, quotient digit 1, product 7,
// remainder 5, 3 brought down; the last step has no "v".
QString steps(const LongDivision &d)
{
    QStringList s;
    for (const LongDivision::Step &step : d.Steps)
        s << QStringLiteral("%1:%2=%3r%4").arg(step.partial).arg(step.quotient).arg(step.product).arg(step.remainder) +
                 (step.broughtDown >= 0 ? QStringLiteral("v%1").arg(step.broughtDown) : QString());
    return s.join(' ');
}

// A cell as the child left it: its digit ("." empty), then "=" right, "x" wrong, "_" unjudged;
// and in brackets what it held when first judged, when that differs.
QString cell(const DigitCell &c)
{
    QString s = c.caption(QStringLiteral(".")) + (c.verdict == Verdict::Right ? '=' : c.verdict == Verdict::Wrong ? 'x' : '_');
    if (c.judged && c.first != c.current)
        s += '(' + (c.first ? QString::number(*c.first) : QStringLiteral(".")) + ')';
    return s;
}

// The cells in use of the quotient and of every remainder row: "Q 1= 7=  R1 0=5x(6) …".
QString grid(const LongDivision &d)
{
    QString s = QStringLiteral("Q");
    for (int k = 0; k < LongDivision::QuotientDigits; ++k)
        if (d.QuotientCell(k).inUse)
            s += ' ' + cell(d.QuotientCell(k));
    for (int row = 1; row <= LongDivision::Rows; ++row) {
        QString r;
        for (int column = 0; column < LongDivision::Columns; ++column)
            if (d.RemainderCell(row, column).inUse)
                r += ' ' + (d.BroughtDown(row, column) ? QStringLiteral("v") + d.RemainderCell(row, column).caption() : cell(d.RemainderCell(row, column)));
        if (!r.isEmpty())
            s += QStringLiteral(" R%1").arg(row) + r;
    }
    return s;
}

// The right digits of the remainder rows, under their columns: "05 -04 --02" (a dash per column left of the row).
QString rightRemainders(const LongDivision &d)
{
    QStringList rows;
    for (int row = 1; row <= LongDivision::Rows && row <= int(d.Steps.size()); ++row) {
        QString r(row - 1, '-');
        for (int j = 0; j < d.FirstGroupDigits; ++j)
            r += QString::number(d.RemainderCell(row, row - 1 + j).right);
        rows << r;
    }
    return rows.join(' ');
}

// Works a division by a script: "Q0=1" a key on quotient cell 0 (digit, "b" empty, "^" up),
// "R1:1=0" a key on remainder row 1, column 1, "t" a tick, "v" a bring-down, "F" Fin.
// Says what each step judged, in order: "+" right, "-" wrong.
QString work(LongDivision &d, const QString &script)
{
    QString judged;
    auto say = [&](const std::vector<LongDivision::Judged> &js) {
        for (const auto &j : js)
            judged += j.right ? '+' : '-';
    };
    auto key = [](QChar c) {
        return c == 'b' ? DigitKey{DigitKey::Empty} : c == '^' ? DigitKey{DigitKey::Up} : DigitKey{DigitKey::Digit, c.digitValue()};
    };
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        if (step.startsWith('Q'))
            d.EnterQuotient(step.mid(1, 1).toInt(), key(step.back()));
        else if (step.startsWith('R'))
            d.EnterRemainder(step.mid(1, 1).toInt(), step.mid(3, 1).toInt(), key(step.back()));
        else if (step == "t")
            say(d.Tick());
        else if (step == "v")
            say(d.BringDown());
        else if (step == "F")
            say(d.Finish());
        judged += ' ';
    }
    return judged.simplified().remove(' ');
}

// The rows of a multiplication as the model has them, units last: ".=1=1=5=" per row.
QString rows(const LongMultiplication &m)
{
    QStringList out;
    for (Row row : {Row::First, Row::Second, Row::Result}) {
        if (!m.InUse(row))
            continue;
        QString r;
        for (int i = m.CellCount(row) - 1; i >= 0; --i)
            r += cell(m.Cell(row, i + LongMultiplication::FirstColumn(row)));
        out << r;
    }
    return out.join(QStringLiteral(" | "));
}

void enter(LongMultiplication &m, Row row, const QString &number)
{
    const int first = LongMultiplication::FirstColumn(row);
    for (int i = 0; i < number.size(); ++i) {
        const QChar c = number[number.size() - 1 - i];
        if (c != '_')
            m.Enter(row, first + i, {DigitKey::Digit, c.digitValue()});
    }
}

} // namespace

class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Random::setSource({}); }

    // ---------------------------------------------------------------- the long division

    void divisionWorkedOut_data()
    {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("group");      // first group / its digits
        QTest::addColumn<QString>("workedOut");  // the steps
        QTest::addColumn<QString>("remainders"); // the right digits of the remainder rows
        QTest::newRow("the first digit too small") << 1234 << 7 << "12/2" << "12:1=7r5v3 53:7=49r4v4 44:6=42r2" << "05 -04 --02";
        QTest::newRow("the first digit enough") << 9876 << 2 << "9/1" << "9:4=8r1v8 18:9=18r0v7 7:3=6r1v6 16:8=16r0" << "1 -0 --1 ---0";
        QTest::newRow("equal is enough") << 7000 << 7 << "7/1" << "7:1=7r0v0 0:0=0r0v0 0:0=0r0v0 0:0=0r0" << "0 -0 --0 ---0";
        QTest::newRow("zeros in the quotient") << 1500 << 8 << "15/2" << "15:1=8r7v0 70:8=64r6v0 60:7=56r4" << "07 -06 --04";
        QTest::newRow("three-digit divisor") << 123456 << 200 << "1234/4" << "1234:6=1200r34v5 345:1=200r145v6 1456:7=1400r56"
                                             << "0034 -0145 --0056";
        QTest::newRow("two-digit divisor, group of two") << 98765 << 12 << "98/2" << "98:8=96r2v7 27:2=24r3v6 36:3=36r0v5 5:0=0r5"
                                                         << "02 -03 --00 ---05";
    }
    void divisionWorkedOut()
    {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, group);
        QFETCH(QString, workedOut);
        QFETCH(QString, remainders);
        const LongDivision d = LongDivision::Of(dividend, divisor);
        QCOMPARE(QStringLiteral("%1/%2").arg(d.FirstGroup).arg(d.FirstGroupDigits), group);
        QCOMPARE(steps(d), workedOut);
        QCOMPARE(rightRemainders(d), remainders);
        QString quotient;
        for (int k = 0; k < int(d.Steps.size()); ++k)
            quotient += QString::number(d.QuotientCell(k).right);
        QCOMPARE(quotient, QString::number(dividend / divisor));
        Formatter format;
        format.words.divisionVerdicts[0] = "¡BIEN!";
        QCOMPARE(format.Text(Attempt::Of(d)), QStringLiteral("DIVISIÓN %1 : %2 = %3 + RESTO - %4 ** ¡BIEN! **")
                                                  .arg(dividend).arg(divisor).arg(dividend / divisor).arg(dividend % divisor));
        QVERIFY(!d.Started() && !d.NextArrow() && !d.FinReady());
    }

    void divisionDrawnByLevel_data()
    {
        // The random numbers go, in order, to the dividend's first digit (1..9), the
        // divisor's first (2..9), the dividend's others (0..9), the divisor's others (0..9).
        QTest::addColumn<int>("level");
        QTest::addColumn<QVector<int>>("digits");
        QTest::addColumn<QString>("division");
        QTest::newRow("level 0") << 0 << QVector<int>{1, 7, 2, 3, 4} << "1234 : 7";
        QTest::newRow("level 1") << 1 << QVector<int>{9, 2, 8, 7, 6, 5, 3} << "98765 : 23";
        QTest::newRow("level 2") << 2 << QVector<int>{5, 9, 0, 0, 0, 0, 1, 0, 9} << "500001 : 909";
    }
    void divisionDrawnByLevel()
    {
        QFETCH(int, level);
        QFETCH(QVector<int>, digits);
        QFETCH(QString, division);
        QVector<double> r;
        for (int i = 0; i < digits.size(); ++i)
            r << (i == 0 ? pick(9, 1, digits[i]) : i == 1 ? pick(8, 2, digits[i]) : pick(10, 0, digits[i]));
        scriptRandom(r);
        const LongDivision d = LongDivision::Draw(level);
        QCOMPARE(d.Statement(), division);
        QCOMPARE(d.Level, level);
        QCOMPARE(int(d.DividendDigits.size()), level + 4);
    }

    void divisionWorkedThrough_data()
    {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("script");  // see work()
        QTest::addColumn<QString>("judged");  // what each step judged, in order
        QTest::addColumn<QString>("cells");   // the grid as the child leaves it
        QTest::addColumn<QString>("counts");  // right/wrong, percentages
        const QString right = QStringLiteral("Q0=1 R1:1=5 R1:0=0 v Q1=7 t R2:2=4 R2:1=0 v Q2=6 t R3:3=2 R3:2=0 F");
        QTest::newRow("all right") << 1234 << 7 << right << "+++++++++" << "Q 1= 7= 6= R1 0= 5= v3 R2 0= 4= v4 R3 0= 2=" << "9/0 100% 0%";
        QTest::newRow("a remainder digit wrong: its first entry kept")
            << 1234 << 7 << QString(right).replace("R1:1=5", "R1:1=6") << "-++++++++" << "Q 1= 7= 6= R1 0= 5x(6) v3 R2 0= 4= v4 R3 0= 2="
            << "8/1 88% 11%";
        QTest::newRow("an empty remainder cell counts as 0")
            << 1234 << 7 << QString(right).remove("R1:0=0 ") << "+++++++++" << "Q 1= 7= 6= R1 0=(.) 5= v3 R2 0= 4= v4 R3 0= 2=" << "9/0 100% 0%";
        QTest::newRow("an empty quotient cell is wrong, an empty remainder cell 0") << 1500 << 8 << "Q0=1 R1:1=7 R1:0=0 v Q1=b t v F"
            << "+++-+-+--" << "Q 1= 8x(.) 7x(.) R1 0= 7= v0 R2 0=(.) 6x(.) v0 R3 0=(.) 4x(.)" << "5/4 55% 44%";
        QTest::newRow("a digit changed before its check: the first judged counts")
            << 1234 << 7 << "Q0=2 Q0=b Q0=1 Q1=^ t" << "+" << "Q 1= 1_ ._ R1 ._ ._" << "1/0 100% 0%";
        QTest::newRow("a tick without a move judges nothing") << 1234 << 7 << "Q0=1 t t Q1=7 t t" << "+" << "Q 1= 7_ ._ R1 ._ ._" << "1/0 100% 0%";
        QTest::newRow("a judged digit stays as judged: moving back judges nothing again")
            << 1234 << 7 << "Q0=1 Q1=5 Q2=6 t Q1=4 Q2=6 t Q1=^ t" << "-" << "Q 1_ 7x(5) 6_ R1 ._ ._" << "0/1 0% 100%";
        QTest::newRow("a judged remainder digit stays as judged") << 1234 << 7 << "R1:1=6 R1:0=0 v R1:1=5 R1:0=9" << "-+"
                                                                 << "Q ._ R1 0= 5x(6) v3 R2 ._ ._" << "1/1 50% 50%";
    }
    void divisionWorkedThrough()
    {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, script);
        QFETCH(QString, judged);
        QFETCH(QString, cells);
        QFETCH(QString, counts);
        LongDivision d = LongDivision::Of(dividend, divisor);
        d.Start();
        QCOMPARE(work(d, script), judged);
        QCOMPARE(grid(d), cells);
        QCOMPARE(QStringLiteral("%1/%2 %3% %4%").arg(d.RightCount()).arg(d.WrongCount()).arg(d.PercentRight()).arg(d.PercentWrong()), counts);
        QCOMPARE(int(d.Judgements().size()), d.RightCount() + d.WrongCount());
        QCOMPARE(d.Faultless(), d.WrongCount() == 0);
    }

    void divisionProgress()
    {
        // The arrows in turn, Fin only after the last digit is down, nothing after Fin.
        LongDivision d = LongDivision::Of(9876, 2);
        QVERIFY(!d.NextArrow());
        d.Start();
        QString seen;
        while (d.NextArrow()) {
            seen += QStringLiteral("%1%2 ").arg(*d.NextArrow()).arg(d.FinReady() ? "F" : "");
            d.BringDown();
        }
        QCOMPARE(seen + (d.FinReady() ? "F" : "-") + QString::number(d.LastRow()), QStringLiteral("0 1 2 F4"));
        QCOMPARE(int(d.Finish().size()), 5); // the last row, and the four quotient digits
        QVERIFY(d.Finished() && !d.FinReady() && !d.NextArrow());
        QVERIFY(d.Finish().empty() && d.BringDown().empty() && d.Tick().empty()); // nothing judged twice
        QCOMPARE(d.RightCount() + d.WrongCount(), 8); // four remainder digits and four quotient digits, each once
        // a long first group: one bring-down fewer, the last row is the third
        d = LongDivision::Of(1234, 7);
        d.Start();
        QVERIFY(d.Finish().empty() && !d.Finished()); // not before the last digit is down
        QCOMPARE(*d.NextArrow(), 1);
        d.BringDown();
        QVERIFY(!d.FinReady());
        d.BringDown();
        QVERIFY(d.FinReady() && !d.NextArrow());
        QCOMPARE(d.LastRow(), 3);
    }

    // ---------------------------------------------------------------- the long multiplication

    void multiplicationWorkedOut_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("oneDigit");
        QTest::addColumn<QString>("right");   // the right digits of the rows in use, highest first
        QTest::addColumn<QString>("carries"); // the carries of row 1 over columns 1..m + 1
        QTest::newRow("23 x 45") << 23 << 45 << false << "115 092 1035" << "11";
        QTest::newRow("47 x 3") << 47 << 43 << true << "141" << "12";
        QTest::newRow("98765 x 43") << 98765 << 43 << false << "296295 395060 4246895" << "22211";
        QTest::newRow("99 x 99") << 99 << 99 << false << "891 891 9801" << "88";
    }
    void multiplicationWorkedOut()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, oneDigit);
        QFETCH(QString, right);
        QFETCH(QString, carries);
        const LongMultiplication m = LongMultiplication::Of(a, b, oneDigit ? LongMultiplication::MultiplierSize::OneDigit
                                                                          : LongMultiplication::MultiplierSize::TwoDigits);
        QStringList rowsRight;
        for (Row row : {Row::First, Row::Second, Row::Result}) {
            if (!m.InUse(row))
                continue;
            QString r;
            for (int i = m.CellCount(row) - 1; i >= 0; --i)
                r += QString::number(m.Cell(row, i + LongMultiplication::FirstColumn(row)).right);
            rowsRight << r;
        }
        QCOMPARE(rowsRight.join(' '), right);
        QString c;
        for (int k = m.MultiplicandLastIndex + 1; k >= 1; --k)
            c += QString::number(m.Carry(Row::First, k));
        QCOMPARE(c, carries);
        QCOMPARE(m.Statement(), QStringLiteral("%1 X %2").arg(a).arg(oneDigit ? b % 10 : b));
    }

    void multiplicationChecked_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("written"); // row 1, row 2, result; "_" an empty cell
        QTest::addColumn<QString>("checks");  // the rows checked, in order: 0, 1, 2
        QTest::addColumn<QString>("seen");    // the rows checked
        QTest::addColumn<QString>("said");    // what each check said: w wrong, r right
        QTest::newRow("right, leading cells empty") << 23 << "115 92 1035" << "012" << "1=1=5= | .=9=2= | 1=0=3=5=" << "rrr";
        QTest::newRow("an empty cell inside a number shows 0") << 21 << "1_5 _ _" << "0" << "1=0=(.)5=" << "r";
        QTest::newRow("a wrong digit mended: its first entry kept over the final check")
            << 23 << "125 92 1035" << "02" << "1=1=(2)5= | .=9=2= | 1=0=3=5=" << "wr";
        QTest::newRow("the result alone checks every row") << 23 << "_ _ 1035" << "2" << ".x.x.x | .=.x.x | 1=0=3=5=" << "w";
    }
    void multiplicationChecked()
    {
        QFETCH(int, a);
        QFETCH(QString, written);
        QFETCH(QString, checks);
        QFETCH(QString, seen);
        QFETCH(QString, said);
        LongMultiplication m = LongMultiplication::Of(a, 45);
        const QStringList w = written.split(' ');
        for (Row row : {Row::First, Row::Second, Row::Result})
            enter(m, row, w.value(int(row)));
        QString heard;
        for (QChar c : checks) {
            heard += m.Check(Row(c.digitValue())) ? 'w' : 'r';
            if (heard == "w" && checks == "02")
                enter(m, Row::First, "_1_"); // mended before the final check
        }
        QCOMPARE(rows(m).section(" | ", 0, checks == "0" ? 0 : 2), seen);
        QCOMPARE(heard, said);
        QCOMPARE(m.Right(), said.endsWith('r') && checks.contains('2'));
        const bool wrong = said.endsWith('w');
        Formatter format;
        format.words.multiplicationTitle = "Multiplicación: ";
        format.words.multiplicationVerdicts = {"MAL", "MAL"};
        Attempt checked = Attempt::Of(m);
        checked.right = !wrong; // as the row check judged it, final or not
        QCOMPARE(format.Text(checked),
                 QStringLiteral("Multiplicación: %1 X 45 = %2 ** MAL **").arg(a).arg(wrong ? " ? " : QString::number(a * 45)));
    }

    void multiplicationDrawn()
    {
        // Multiplicand digits 1..9 and multiplier digits 2..9, drawn in turn from the units.
        scriptRandom({pick(9, 1, 3), pick(8, 2, 5), pick(9, 1, 2), pick(8, 2, 4), pick(9, 1, 1)});
        const LongMultiplication m = LongMultiplication::Draw(2, LongMultiplication::MultiplierSize::TwoDigits);
        QCOMPARE(QPoint(m.Multiplicand, m.Multiplier), QPoint(123, 45));
        QCOMPARE(QList<int>({m.CellCount(Row::First), m.CellCount(Row::Second), m.CellCount(Row::Result)}), QList<int>({4, 4, 5}));
    }

    // ---------------------------------------------------------------- the column exercise and the record

    void columnKeepsTheFirstAnswer()
    {
        Exercise e = Exercise::Of(Op::Subtraction, 52, 18);
        e.Answer[0].enter({DigitKey::Digit, 6});
        e.Answer[1].enter({DigitKey::Digit, 4});
        e.Carry[1].enter({DigitKey::Digit, 1});
        QVERIFY(!e.FirstAnswer());
        const Exercise::Judgement wrong = e.Judge();
        QCOMPARE(wrong.entered + (wrong.digitRight[0] ? "=" : "x") + (wrong.digitRight[1] ? "=" : "x"), QStringLiteral("46xx"));
        e.Answer[0].enter({DigitKey::Digit, 4});
        e.Answer[1].enter({DigitKey::Digit, 3});
        e.Carry[1].enter({DigitKey::Empty});
        QVERIFY(e.Judge().right);
        QCOMPARE(*e.FirstAnswer(), 46);
        QCOMPARE(e.Carry[1].first.value_or(-1), 1);
    }

    // An attempt keeps every cell the child wrote, so its model comes back the
    // same: the same attempt again, the same diagnosis, and one Serial however
    // often it is made (the checks of one exercise count once).
    void attemptsMakeTheirModelsAgain()
    {
        Exercise sum = Exercise::Of(Op::Addition, 57, 68);
        for (auto [place, digit] : {std::pair{0, 5}, {1, 1}, {2, 1}}) // 115: the carry forgotten
            sum.Answer[place].enter({DigitKey::Digit, digit});
        sum.Carry[1].enter({DigitKey::Digit, 1}); // noted all the same
        sum.Judge();
        LongDivision division = LongDivision::Of(1234, 7);
        division.Start();
        work(division, "Q0=1 R1:1=6 R1:0=0 v Q1=7 t R2:2=4 R2:1=0 v Q2=6 t R3:3=2 R3:2=0 F");
        LongMultiplication product = LongMultiplication::Of(23, 45);
        enter(product, Row::First, "115");
        enter(product, Row::Second, "_92");
        enter(product, Row::Result, "1025");
        product.Check(Row::Result);
        LongMultiplication byOne = LongMultiplication::Of(47, 23, LongMultiplication::MultiplierSize::OneDigit);
        enter(byOne, Row::First, "181"); // 47 × 3, the carry added before multiplying
        byOne.Check(Row::First);
        auto attemptOf = [](const Worked &w) {
            return std::visit(
                [](const auto &m) -> Attempt {
                    using M = std::decay_t<decltype(m)>;
                    if constexpr (std::is_same_v<M, Exercise>)
                        return Attempt::Of(m, true);
                    else if constexpr (std::is_same_v<M, std::monostate>)
                        return {};
                    else
                        return Attempt::Of(m);
                },
                w);
        };
        auto serialOf = [](const Worked &w) {
            return std::visit([](const auto &m) { if constexpr (std::is_same_v<std::decay_t<decltype(m)>, std::monostate>) return 0; else return m.Serial; }, w);
        };
        for (const Worked &w : std::vector<Worked>{sum, division, product, byOne}) {
            const Attempt a = attemptOf(w);
            QVERIFY(a.cells.size() >= 3 && !a.exercise.isNull());
            const Worked again = a.Model();
            QCOMPARE(again.index(), w.index());
            Attempt same = attemptOf(again);
            same.right = a.right; // the verdict is the attempt's own: a model made again has not been checked through
            QVERIFY(same == a);
            QCOMPARE(serialOf(again), serialOf(w));
            QCOMPARE(serialOf(a.Model()), serialOf(w));
            QVERIFY(Diagnosis::Of(again).examples == Diagnosis::Of(w).examples);
            QVERIFY(Diagnosis::Of(again).wrongDigits == Diagnosis::Of(w).wrongDigits);
        }
        QVERIFY(Diagnosis::Of(Attempt::Of(sum, false).Model()).wrong()); // and it finds what the child got wrong
    }

    void recordStampsEveryWindowsAttemptsInOneSequence()
    {
        Module1::PlayerName = "Lucía";
        Record record;
        QSignalSpy added(&record, &Record::added);
        record.add(Attempt::Of(Exercise::Of(Op::Addition, 2, 3), false));
        record.add(Attempt::Of(LongDivision::Of(1234, 7)));
        QCOMPARE(added.size(), 2);
        const Attempt &first = record.attempts().front(), &last = record.attempts().back();
        QCOMPARE(Formatter().Line(2, last), QStringLiteral("2. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 **  **"));
        QVERIFY(std::holds_alternative<LongDivision>(last.Model()));
        QCOMPARE(last.child, QStringLiteral("Lucía"));
        QVERIFY(!first.id.isNull() && first.id != last.id && first.exercise != last.exercise);
        QCOMPARE(last.ended.timeSpec(), Qt::UTC);
        QVERIFY(qAbs(last.ended.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        record.clear();
        QVERIFY(record.attempts().empty());
        Module1::reset();
    }
};

QTEST_MAIN(TestModels)
#include "tst_models.moc"
