// What to practise: which written-method mistakes explain a child's wrong
// digits, from the first entry of every cell, and which a run names.
#include "testkit.h"

#include "diagnosis/diagnosis.h"

#include <QTest>

using Diagnosis::Pattern;
using Row = LongMultiplication::Row;

namespace {

// The mistakes found, one letter each in the order of Pattern, then "/" and the
// number of wrong digits no mistake explains:
// C carry forgotten, S smaller from larger, Z zero minus a number, M carry added
// before multiplying, T table neighbour, P quotient digit too small, G too large,
// O quotient 0 left out, R remainder wrong in a division, A products added wrong.
QString found(const Diagnosis::Finding &f)
{
    static const QString letters = QStringLiteral("CSZMTPGORA");
    std::set<Pattern> all;
    int slips = 0;
    for (const auto &why : f.wrongDigits) {
        all.insert(why.begin(), why.end());
        slips += why.empty();
    }
    QString s;
    for (Pattern p : all)
        s += letters[int(p)];
    return s + '/' + QString::number(slips);
}

// A column exercise answered once: "52 - 18 = 46" (X times, / a division).
Exercise columnAnswered(const QString &text)
{
    const QStringList w = text.split(' ');
    const Op op = w[1] == "+" ? Op::Addition : w[1] == "-" ? Op::Subtraction : w[1] == "X" ? Op::Multiplication : Op::Division;
    Exercise e = Exercise::Of(op, w[0].toInt(), w[2].toInt());
    const QString answer = w[4];
    for (int i = 0; i < answer.size() && i < e.AnswerDigits; ++i)
        e.Answer[i].enter({DigitKey::Digit, answer[answer.size() - 1 - i].digitValue()});
    e.Judge();
    return e;
}

// A long division whose cells hold these first entries: the quotient ("12", "-"
// a cell left empty), then each remainder row as written ("05 04 02").
LongDivision divisionWorked(int dividend, int divisor, const QString &quotient, const QString &remainders)
{
    LongDivision d = LongDivision::Of(dividend, divisor);
    d.Start();
    for (int k = 0; k < quotient.size(); ++k)
        if (quotient[k] != '-')
            d.EnterQuotient(k, {DigitKey::Digit, quotient[k].digitValue()});
    const QStringList rows = remainders.split(' ', Qt::SkipEmptyParts);
    for (int row = 1; row <= rows.size(); ++row)
        for (int j = 0; j < rows[row - 1].size(); ++j)
            if (rows[row - 1][j] != '-')
                d.EnterRemainder(row, row - 1 + j, {DigitKey::Digit, rows[row - 1][j].digitValue()});
    while (d.NextArrow())
        d.BringDown();
    for (int k = 0; k < int(d.Steps.size()); ++k) // every quotient digit judged as first written
        d.QuotientCell(k).judge(false);
    d.Finish();
    return d;
}

// A long multiplication with its rows written ("121 94 1061") and checked.
LongMultiplication multiplicationWorked(int a, int b, const QString &rows)
{
    LongMultiplication m = LongMultiplication::Of(a, b);
    const QStringList w = rows.split(' ');
    for (Row row : {Row::First, Row::Second, Row::Result}) {
        const QString n = w.value(int(row));
        for (int i = 0; i < n.size(); ++i)
            m.Enter(row, LongMultiplication::FirstColumn(row) + i, {DigitKey::Digit, n[n.size() - 1 - i].digitValue()});
    }
    m.Check(Row::Result);
    return m;
}

} // namespace

class TestDiagnosis : public QObject
{
    Q_OBJECT

private slots:
    void columnAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("found");
        // the carry forgotten: in a sum, a subtraction's borrow, a product
        QTest::newRow("57 + 68 = 15") << "57 + 68 = 15" << "C/0";
        QTest::newRow("48 + 36 = 74") << "48 + 36 = 74" << "C/0";
        QTest::newRow("199 + 1 = 190") << "199 + 1 = 190" << "C/0";
        QTest::newRow("52 - 18 = 44") << "52 - 18 = 44" << "C/0";
        QTest::newRow("47 X 3 = 121") << "47 X 3 = 121" << "C/0";
        QTest::newRow("36 X 4 = 124") << "36 X 4 = 124" << "C/0";
        // the smaller digit taken from the larger
        QTest::newRow("52 - 18 = 46") << "52 - 18 = 46" << "S/0";
        QTest::newRow("83 - 47 = 44") << "83 - 47 = 44" << "S/0";
        QTest::newRow("725 - 368 = 443") << "725 - 368 = 443" << "S/0";
        QTest::newRow("61 - 27 = 46") << "61 - 27 = 46" << "S/0";
        // 0 − n = n
        QTest::newRow("403 - 125 = 328") << "403 - 125 = 328" << "Z/0";
        QTest::newRow("702 - 346 = 446") << "702 - 346 = 446" << "Z/0";
        QTest::newRow("501 - 238 = 333") << "501 - 238 = 333" << "Z/0";
        // two mistakes explain it alike
        QTest::newRow("305 - 142 = 243") << "305 - 142 = 243" << "SZ/0";
        // the carry added before multiplying
        QTest::newRow("47 X 3 = 181") << "47 X 3 = 181" << "M/0";
        QTest::newRow("28 X 4 = 202") << "28 X 4 = 202" << "M/0";
        QTest::newRow("36 X 5 = 300") << "36 X 5 = 300" << "M/0";
        // a neighbour in the tables; a quotient one off
        QTest::newRow("7 X 8 = 48") << "7 X 8 = 48" << "T/0";
        QTest::newRow("7 X 8 = 63") << "7 X 8 = 63" << "T/0";
        QTest::newRow("6 X 7 = 48") << "6 X 7 = 48" << "T/0";
        QTest::newRow("12 / 4 = 4") << "12 / 4 = 4" << "T/0";
        QTest::newRow("35 / 5 = 6") << "35 / 5 = 6" << "T/0";
        // right answers say nothing; single slips are slips only
        for (const char *right : {"52 - 18 = 34", "47 X 3 = 141", "57 + 68 = 125", "12 / 4 = 3"})
            QTest::newRow(right) << right << "/0";
        for (const char *slip : {"57 + 68 = 127", "52 - 18 = 35", "47 X 3 = 151", "12 / 4 = 7"})
            QTest::newRow(slip) << slip << "/1";
        QTest::newRow("nothing written: slips, though 0 + 0 without the carry would fit") << "57 + 68 = " << "/3";
        // a slip beside a mistake: the tens fit the smaller from the larger and a borrow forgotten alike
        QTest::newRow("52 - 18 = 47") << "52 - 18 = 47" << "CS/1";
    }
    void columnAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QString, found);
        QCOMPARE(::found(Diagnosis::Of(columnAnswered(answer))), found);
    }

    void longDivisions_data()
    {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("quotient");
        QTest::addColumn<QString>("remainders");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("example"); // of the first mistake
        QTest::newRow("right") << 1234 << 7 << "176" << "05 04 02" << "/0" << "";
        QTest::newRow("4080 : 4 taken as 12") << 4080 << 4 << "12" << "0 0 0 0" << "O/0" << "4080 : 4 = 12";
        QTest::newRow("9045 : 3 taken as 315") << 9045 << 3 << "315" << "0 0 1 0" << "O/0" << "9045 : 3 = 315";
        QTest::newRow("3612 : 3 taken as 124") << 3612 << 3 << "124" << "0 0 1 0" << "O/0" << "3612 : 3 = 124";
        QTest::newRow("a quotient digit too small, the remainder its own") << 1234 << 7 << "166" << "05 11 02" << "P/0" << "1234 : 7 = 166";
        QTest::newRow("too small, the first digit") << 9876 << 2 << "3938" << "3 0 1 0" << "P/0" << "9876 : 2 = 3938";
        QTest::newRow("too small, the second digit") << 1500 << 8 << "177" << "07 14 04" << "P/0" << "1500 : 8 = 177";
        QTest::newRow("a quotient digit too large") << 1234 << 7 << "186" << "05 04 02" << "G/0" << "1234 : 7 = 186";
        QTest::newRow("too large, the last") << 9876 << 2 << "4939" << "1 0 1 0" << "G/0" << "9876 : 2 = 4939";
        QTest::newRow("too large, two digits") << 123456 << 200 << "718" << "0034 0145 0056" << "G/0" << "123456 : 200 = 718";
        QTest::newRow("a remainder subtracted wrong") << 1234 << 7 << "176" << "05 03 02" << "R/0" << "1234 : 7, 53 - 49 = 3";
        QTest::newRow("by the smaller from the larger") << 1234 << 7 << "176" << "05 16 02" << "SR/0" << "1234 : 7, 53 - 49 = 16";
        QTest::newRow("a borrow not paid back") << 1234 << 7 << "176" << "05 14 02" << "CR/0" << "1234 : 7, 53 - 49 = 14";
        QTest::newRow("a quotient digit too small, a remainder not its own") << 1234 << 7 << "166" << "05 12 02" << "P/2" << "";
        QTest::newRow("a remainder left blank: a slip") << 1234 << 7 << "176" << "-- 04 02" << "/1" << "";
    }
    void longDivisions()
    {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, quotient);
        QFETCH(QString, remainders);
        QFETCH(QString, found);
        QFETCH(QString, example);
        const Diagnosis::Finding f = Diagnosis::Of(divisionWorked(dividend, divisor, quotient, remainders));
        QCOMPARE(::found(f), found);
        if (!example.isEmpty())
            QCOMPARE(f.examples.begin()->second, example);
    }

    void longMultiplications_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("example");
        QTest::newRow("right") << 23 << 45 << "115 92 1035" << "/0" << "";
        QTest::newRow("a row's carry forgotten, added up right") << 47 << 23 << "121 94 1061" << "C/0" << "47 X 3 = 121";
        QTest::newRow("a row's carry added before") << 47 << 23 << "181 94 1121" << "M/0" << "47 X 3 = 181";
        QTest::newRow("a row's table") << 67 << 28 << "556 134 1896" << "T/0" << "67 X 8 = 556";
        QTest::newRow("right rows, added wrong") << 23 << 45 << "115 92 1025" << "A/0" << "115 + 920 = 1025";
        QTest::newRow("right rows, a carry of the sum forgotten") << 58 << 64 << "232 348 3612" << "CA/0" << "232 + 3480 = 3612";
        QTest::newRow("right rows, added wrong at the top") << 99 << 99 << "891 891 9811" << "A/0" << "891 + 8910 = 9811";
        QTest::newRow("a slip in a row, its sum not the child's") << 23 << 45 << "117 92 1035" << "/1" << "";
        QTest::newRow("checked blank: slips") << 23 << 45 << "" << "/8" << "";
    }
    void longMultiplications()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, rows);
        QFETCH(QString, found);
        QFETCH(QString, example);
        const Diagnosis::Finding f = Diagnosis::Of(multiplicationWorked(a, b, rows));
        QCOMPARE(::found(f), found);
        if (!example.isEmpty())
            QCOMPARE(f.examples.begin()->second, example);
    }

    void aRunNamesWhatComesBack()
    {
        auto record = [](const Worked &w, bool = false) { return w; };
        const Exercise first = columnAnswered("52 - 18 = 46");
        std::vector<Worked> run{record(first), record(first, true), // checked twice: one exercise
                                      record(columnAnswered("83 - 47 = 44")), record(columnAnswered("57 + 68 = 127")),
                                      record(columnAnswered("7 X 8 = 48")), record(columnAnswered("57 + 68 = 125"), true),
                                      record(columnAnswered("725 - 368 = 443")), record(std::monostate{}, true)};
        const Diagnosis::Summary s = Diagnosis::OfRun(run);
        QCOMPARE(int(s.named.size()), 1);
        QCOMPARE(s.named[0].pattern, Pattern::SmallerFromLarger);
        QCOMPARE(s.named[0].count, 3);
        QCOMPARE(s.named[0].example, QStringLiteral("52 - 18 = 46"));
        QCOMPARE(s.slips, 2); // the slip, and the table mistake seen once
        // the most frequent first
        run.push_back(record(columnAnswered("6 X 7 = 48")));
        run.push_back(record(divisionWorked(4080, 4, "12", "0 0 0 0")));
        const Diagnosis::Summary more = Diagnosis::OfRun(run);
        QCOMPARE(more.named.size(), std::size_t(2));
        QCOMPARE(QList<int>({int(more.named[1].pattern), more.named[1].count}), QList<int>({int(Pattern::TableNeighbour), 2}));
        QCOMPARE(more.slips, 2);
    }
};

QTEST_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
