// What to practise: which written-method mistakes explain a child's wrong
// digits, from the first entry of every cell, and which a run names.
#include "testkit.h"

#include "diagnosis/diagnosis.h"

#include <QTest>

using Diagnosis::Pattern;

namespace {

// One letter for each mistake, in the order of Pattern:
// C carry forgotten, S smaller from larger, Z zero minus a number, M carry added
// before multiplying, T table neighbour, P quotient digit too small, G too large,
// O quotient 0 left out, R remainder subtracted wrong, A products added wrong,
// K zero minus a number is zero, B multiplied by the carry, D tens written and units carried.
const QString Letters = QStringLiteral("CSZMTPGORAKBD");

// The mistakes found, then "/" and the number of wrong digits no mistake explains.
QString found(const Diagnosis::Finding &f)
{
    std::set<Pattern> all;
    int slips = 0;
    for (const auto &why : f.wrongDigits) {
        all.insert(why.begin(), why.end());
        slips += why.empty();
    }
    QString s;
    for (Pattern p : all)
        s += Letters[int(p)];
    return s + '/' + QString::number(slips);
}

// A run's summary: each mistake named as its letter, the exercises it showed in
// and could, its chances met, worked that way and worked right, and its
// example; then the slips. "S 3/3 [4 4 0] 52 - 18 = 46; slips 1".
QString summary(const Diagnosis::Summary &s)
{
    QStringList parts;
    for (const Diagnosis::Summary::Named &n : s.named)
        parts << QStringLiteral("%1 %2/%3 [%4 %5 %6] %7")
                     .arg(Letters[int(n.pattern)])
                     .arg(n.exercises)
                     .arg(n.chances)
                     .arg(n.opportunities)
                     .arg(n.asMistake)
                     .arg(n.right)
                     .arg(n.example);
    return (parts << QStringLiteral("slips %1").arg(s.slips)).join("; ");
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
        // the smaller digit taken from the larger (143 - 24 = 121 is the published example)
        QTest::newRow("143 - 24 = 121") << "143 - 24 = 121" << "S/0";
        QTest::newRow("52 - 18 = 46") << "52 - 18 = 46" << "S/0";
        QTest::newRow("83 - 47 = 44") << "83 - 47 = 44" << "S/0";
        QTest::newRow("725 - 368 = 443") << "725 - 368 = 443" << "S/0";
        QTest::newRow("61 - 27 = 46") << "61 - 27 = 46" << "S/0";
        // 0 − n = n: a 0 on top, a 0 that has lent, a 1 a borrow has made 0 (818 − 289 = 689)
        QTest::newRow("403 - 125 = 328") << "403 - 125 = 328" << "Z/0";
        QTest::newRow("702 - 346 = 446") << "702 - 346 = 446" << "Z/0";
        QTest::newRow("501 - 238 = 333") << "501 - 238 = 333" << "Z/0";
        QTest::newRow("306 - 128 = 228") << "306 - 128 = 228" << "Z/0";
        QTest::newRow("818 - 289 = 689") << "818 - 289 = 689" << "Z/0";
        QTest::newRow("912 - 385 = 687") << "912 - 385 = 687" << "Z/0";
        // two mistakes explain it alike (140 − 21 = 121 and 305 − 142 = 243, the published examples)
        QTest::newRow("140 - 21 = 121") << "140 - 21 = 121" << "SZ/0";
        QTest::newRow("305 - 142 = 243") << "305 - 142 = 243" << "SZ/0";
        // the 7 shows the 0 was borrowed across: the hundreds' 2 is a borrow not paid back, not 0 − n
        QTest::newRow("306 - 128 = 278") << "306 - 128 = 278" << "C/0";
        // 0 − n = 0
        QTest::newRow("90 - 26 = 70") << "90 - 26 = 70" << "K/0";
        QTest::newRow("305 - 142 = 203") << "305 - 142 = 203" << "K/0";
        QTest::newRow("600 - 243 = 400") << "600 - 243 = 400" << "K/0";
        // the carry added before multiplying
        QTest::newRow("47 X 3 = 181") << "47 X 3 = 181" << "M/0";
        QTest::newRow("28 X 4 = 202") << "28 X 4 = 202" << "M/0";
        QTest::newRow("36 X 5 = 300") << "36 X 5 = 300" << "M/0";
        // the next digit multiplied by the carry
        QTest::newRow("63 X 8 = 124") << "63 X 8 = 124" << "B/0";
        QTest::newRow("47 X 6 = 162") << "47 X 6 = 162" << "B/0";
        // the tens of a product written, its units carried
        QTest::newRow("97 X 3 = 282") << "97 X 3 = 282" << "D/0";
        QTest::newRow("68 X 4 = 263") << "68 X 4 = 263" << "D/0";
        QTest::newRow("376 X 4 = 1432") << "376 X 4 = 1432" << "D/0";
        // a neighbour in the tables; a quotient one off
        QTest::newRow("7 X 8 = 48") << "7 X 8 = 48" << "T/0";
        QTest::newRow("7 X 8 = 63") << "7 X 8 = 63" << "T/0";
        QTest::newRow("6 X 7 = 48") << "6 X 7 = 48" << "T/0";
        QTest::newRow("27 X 8 = 208") << "27 X 8 = 208" << "T/0";
        QTest::newRow("12 / 4 = 4") << "12 / 4 = 4" << "T/0";
        QTest::newRow("35 / 5 = 6") << "35 / 5 = 6" << "T/0";
        // the digits after a neighbour contradict it: 6 × 8 taken for 40 would carry 4, not 5
        QTest::newRow("67 X 8 = 556") << "67 X 8 = 556" << "/1";
        // right answers say nothing; single slips are slips only
        for (const char *right : {"52 - 18 = 34", "47 X 3 = 141", "57 + 68 = 125", "12 / 4 = 3", "90 - 26 = 64"})
            QTest::newRow(right) << right << "/0";
        for (const char *slip : {"57 + 68 = 127", "52 - 18 = 35", "47 X 3 = 151", "12 / 4 = 7", "90 - 26 = 65"})
            QTest::newRow(slip) << slip << "/1";
        QTest::newRow("nothing written: slips, though 0 + 0 without the carry would fit") << "57 + 68 = " << "/3";
        QTest::newRow("a 0 where a borrow is owed: a slip") << "52 - 18 = 4" << "/1";
        QTest::newRow("a 0 where a carry is added: a slip") << "25 + 17 = 2" << "/1";
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
        QTest::addColumn<QString>("worked");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("example"); // of the first mistake
        QTest::newRow("right") << "1234 : 7 = 176 | 05 04 02" << "/0" << "";
        // the quotient's 0 left out: inside (the next digit written there) and at the end
        QTest::newRow("408 : 4 taken as 12") << "408 : 4 = 12 | 0 0 0" << "O/0" << "408 : 4 = 12";
        QTest::newRow("4080 : 4 taken as 12") << "4080 : 4 = 12 | 0 0 0 0" << "O/0" << "4080 : 4 = 12";
        QTest::newRow("9045 : 3 taken as 315") << "9045 : 3 = 315 | 0 0 1 0" << "O/0" << "9045 : 3 = 315";
        QTest::newRow("3612 : 3 taken as 124") << "3612 : 3 = 124 | 0 0 1 0" << "O/0" << "3612 : 3 = 124";
        QTest::newRow("1230 : 3 taken as 41") << "1230 : 3 = 41 | 0 0 0" << "O/0" << "1230 : 3 = 41";
        QTest::newRow("4560 : 8 taken as 57") << "4560 : 8 = 57 | 05 00 00" << "O/0" << "4560 : 8 = 57";
        // every digit after it stands in its place: the 0 was not left out, the 1 is a slip
        QTest::newRow("4516 : 9 written 511") << "4516 : 9 = 511 | 00 01 07" << "/1" << "";
        // too small: the child's own remainder reaches the divisor (or is as much of
        // it as the row holds); it may also be the next fact taken for a larger neighbour
        QTest::newRow("too small, a two-digit divisor") << "4536 : 21 = 114 | 024 012 042" << "TP/0" << "4536 : 21 = 114";
        QTest::newRow("too small, the remainder too long for the row") << "7073 : 6 = 1168 | 1 4 1 5" << "TP/0" << "7073 : 6 = 1168";
        QTest::newRow("too small, a 0: no fact of the tables") << "1234 : 7 = 106 | 05 53 02" << "P/0" << "1234 : 7 = 106";
        QTest::newRow("too small, the remainder its own") << "1234 : 7 = 166 | 05 11 02" << "TP/0" << "1234 : 7 = 166";
        QTest::newRow("too small, the first digit") << "9876 : 2 = 3938 | 3 0 1 0" << "TP/0" << "9876 : 2 = 3938";
        QTest::newRow("too small, a remainder not its own") << "1234 : 7 = 166 | 05 12 02" << "TP/2" << "1234 : 7 = 166";
        // too large: its product above the number, the remainder the child had to invent
        QTest::newRow("too large") << "1234 : 7 = 186 | 05 03 02" << "G/0" << "1234 : 7 = 186";
        QTest::newRow("too large, the last") << "9876 : 2 = 4939 | 1 0 1 2" << "G/0" << "9876 : 2 = 4939";
        QTest::newRow("too large, three-digit divisor") << "123456 : 200 = 718 | 0166 0145 0144" << "G/0" << "123456 : 200 = 718";
        // one too large over the right remainder: 7 × 8 taken for 49, or a slip; the run tells
        QTest::newRow("one too large, the right remainder") << "1234 : 7 = 186 | 05 04 02" << "T/0" << "1234 : 7, 7 X 8 = 49";
        // the product multiplied wrong in the head: 36 × 8 with the carry forgotten is 248, so 8 goes
        QTest::newRow("a product's carry forgotten") << "25920 : 36 = 820 | 011 000 000" << "C/0" << "25920 : 36, 36 X 8 = 248";
        QTest::newRow("a fact of the tables in a product") << "1234 : 7 = 176 | 05 11 02" << "T/0" << "1234 : 7, 7 X 7 = 42";
        QTest::newRow("a fact of 2 in a product") << "9876 : 2 = 4938 | 1 2 1 0" << "T/0" << "9876 : 2, 2 X 9 = 16";
        // the remainder subtracted by a known mistake
        QTest::newRow("by the smaller from the larger") << "1234 : 7 = 176 | 05 16 02" << "SR/0" << "1234 : 7, 53 - 49 = 16";
        QTest::newRow("a borrow not paid back") << "1234 : 7 = 176 | 05 14 02" << "CR/0" << "1234 : 7, 53 - 49 = 14";
        QTest::newRow("no known mistake writes it: a slip") << "1234 : 7 = 176 | 05 03 02" << "/1" << "";
        QTest::newRow("a remainder left blank: a slip") << "1234 : 7 = 176 | -- 04 02" << "/1" << "";
    }
    void longDivisions()
    {
        QFETCH(QString, worked);
        QFETCH(QString, found);
        QFETCH(QString, example);
        const Diagnosis::Finding f = Diagnosis::Of(workedAs(worked));
        QCOMPARE(::found(f), found);
        if (!example.isEmpty())
            QCOMPARE(f.examples.begin()->second, example);
    }

    void longMultiplications_data()
    {
        QTest::addColumn<QString>("worked");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("example");
        QTest::newRow("right") << "23 x 45 = 115 92 1035" << "/0" << "";
        QTest::newRow("a row's carry forgotten, added up right") << "47 x 23 = 121 94 1061" << "C/0" << "47 X 3 = 121";
        QTest::newRow("a row's carry added before") << "47 x 23 = 181 94 1121" << "M/0" << "47 X 3 = 181";
        QTest::newRow("a row multiplied by the carry") << "63 x 28 = 124 126 1384" << "B/0" << "63 X 8 = 124";
        QTest::newRow("a row's tens written, units carried") << "97 x 23 = 282 194 2222" << "D/0" << "97 X 3 = 282";
        QTest::newRow("a row's table") << "67 x 28 = 596 134 1936" << "T/0" << "67 X 8 = 596";
        QTest::newRow("a row's digits contradict a neighbour") << "67 x 28 = 556 134 1896" << "/2" << "";
        QTest::newRow("right rows, a carry of the sum forgotten") << "58 x 64 = 232 348 3612" << "CA/0" << "232 + 3480 = 3612";
        // right rows added wrong, with no known mistake: slips
        QTest::newRow("right rows, added wrong") << "23 x 45 = 115 92 1025" << "/1" << "";
        QTest::newRow("right rows, added wrong at the top") << "99 x 99 = 891 891 9811" << "/1" << "";
        QTest::newRow("a slip in a row, its sum not the child's") << "23 x 45 = 117 92 1035" << "/1" << "";
        QTest::newRow("checked blank: slips") << "23 x 45 = " << "/8" << "";
    }
    void longMultiplications()
    {
        QFETCH(QString, worked);
        QFETCH(QString, found);
        QFETCH(QString, example);
        const Diagnosis::Finding f = Diagnosis::Of(workedAs(worked));
        QCOMPARE(::found(f), found);
        if (!example.isEmpty())
            QCOMPARE(f.examples.begin()->second, example);
    }

    void runs_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("summary");
        // Slips alone name nothing, though a neighbour in the tables fits two of them.
        QTest::newRow("slips alone") << "57 + 68 = 127; 52 - 18 = 35; 47 X 3 = 151; 7 X 8 = 48; 6 X 7 = 48; 725 - 368 = 358; "
                                        "83 - 47 = 37; 1234 : 7 = 176 | 05 03 02; 23 x 45 = 117 92 1035; 369 X 7 = 2583"
                                     << "slips 9";
        // One mistake named alone, with how often and out of how many chances.
        QTest::newRow("the smaller from the larger")
            << "52 - 18 = 46; 83 - 47 = 44; 725 - 368 = 443; 57 + 68 = 127; 5 + 7 = 12" << "S 3/3 [4 4 0] 52 - 18 = 46; slips 1";
        QTest::newRow("... also with a 0 on top, and in divisions: its name alone")
            << "52 - 18 = 46; 140 - 21 = 121; 305 - 142 = 243; 1234 : 7 = 176 | 15 16 02; 2345 : 6 = 390 | 15 00 05; 725 - 368 = 443"
            << "S 6/6 [8 8 0] 52 - 18 = 46; slips 0";
        QTest::newRow("0 - n: a 0 on top, one that has lent, a 1 made 0")
            << "140 - 21 = 121; 305 - 142 = 243; 403 - 125 = 328; 818 - 289 = 689; 52 - 18 = 34; 61 - 27 = 34"
            << "Z 4/4 [4 4 0] 140 - 21 = 121; slips 0";
        QTest::newRow("0 - n is 0") << "90 - 26 = 70; 305 - 142 = 203; 52 - 18 = 34" << "K 2/2 [2 2 0] 90 - 26 = 70; slips 0";
        QTest::newRow("the carry forgotten in sums")
            << "57 + 68 = 15; 48 + 36 = 74; 25 + 13 = 38; 47 X 3 = 141" << "C 2/2 [3 3 0] 57 + 68 = 15; slips 0";
        QTest::newRow("multiplied by the carry") << "63 X 8 = 124; 47 X 6 = 162; 12 X 3 = 36" << "B 2/2 [2 2 0] 63 X 8 = 124; slips 0";
        QTest::newRow("the tens written, the units carried")
            << "97 X 3 = 282; 68 x 24 = 263 181 2073" << "D 2/2 [3 3 0] 97 X 3 = 282; slips 0";
        QTest::newRow("the quotient's 0 left out")
            << "1230 : 3 = 41 | 0 0 0; 4560 : 8 = 57 | 05 00 00; 408 : 4 = 12 | 0 0 0"
            << "O 3/3 [3 3 0] 1230 : 3 = 41; slips 0";
        QTest::newRow("... both 0s at the end") << "1200 : 3 = 4 | 0 0 0; 1230 : 3 = 41 | 0 0 0" << "O 2/2 [3 3 0] 1200 : 3 = 4; slips 0";
        QTest::newRow("the same wrong fact again") << "7 X 8 = 48; 27 X 8 = 208; 369 X 2 = 738"
                                                   << "T 2/2 [3 2 1] 7 X 8 = 48; slips 0";
        QTest::newRow("the remainders of divisions only")
            << "52 - 18 = 34; 83 - 47 = 36; 725 - 368 = 357; 1234 : 7 = 176 | 05 16 02; 5234 : 6 = 872 | 16 01 02"
            << "R 2/2 [3 2 1] 1234 : 7, 53 - 49 = 16; slips 0";
        QTest::newRow("the products' sums only")
            << "58 x 64 = 232 348 3612; 78 x 36 = 468 234 2708; 57 + 68 = 125; 48 + 36 = 84"
            << "A 2/2 [2 2 0] 232 + 3480 = 3612; slips 0";
        // Two mistakes explain the same digits: the one the child's other chances agree with.
        QTest::newRow("0 - n, not the smaller from the larger") << "140 - 21 = 121; 305 - 142 = 243; 52 - 18 = 34"
                                                              << "Z 2/2 [2 2 0] 140 - 21 = 121; slips 0";
        QTest::newRow("the smaller from the larger, not in divisions only")
            << "1234 : 7 = 176 | 15 16 02; 2345 : 6 = 390 | 15 00 05" << "S 2/2 [3 3 0] 1234 : 7, 12 - 7 = 15; slips 0";
        // Repeated but not consistent: two exercises among many right chances.
        QTest::newRow("twice among right ones") << "52 - 18 = 46; 83 - 47 = 44; 52 - 18 = 34; 61 - 27 = 34; 83 - 47 = 36; 725 - 368 = 357; 94 - 57 = 37"
                                                << "slips 2";
        // Consistent but not repeated.
        QTest::newRow("once") << "52 - 18 = 46; 57 + 68 = 125" << "slips 1";
        // Two wrong facts of one table, each once, among right ones: two slips.
        QTest::newRow("two facts once each") << "7 X 8 = 48; 6 X 7 = 48; 37 X 7 = 259; 34 X 5 = 170" << "slips 2";
        // The most frequent first.
        QTest::newRow("two mistakes") << "57 + 68 = 15; 48 + 36 = 74; 52 - 18 = 46; 83 - 47 = 44; 725 - 368 = 443; 61 - 27 = 46"
                                      << "S 4/4 [5 5 0] 52 - 18 = 46; C 2/2 [3 3 0] 57 + 68 = 15; slips 0";
    }
    void runs()
    {
        QFETCH(QString, run);
        QFETCH(QString, summary);
        std::vector<Worked> exercises;
        for (const QString &text : run.split("; "))
            exercises.push_back(workedAs(text));
        QCOMPARE(::summary(Diagnosis::OfRun(exercises)), summary);
    }

    void copiesCountOnce()
    {
        // An exercise checked twice is in the record twice; nothing, or an
        // exercise without a serial, counts for nothing.
        const Exercise first = columnAnswered("52 - 18 = 46");
        const std::vector<Worked> run{first, first, columnAnswered("83 - 47 = 44"), std::monostate{}};
        QCOMPARE(summary(Diagnosis::OfRun(run)), QStringLiteral("S 2/2 [2 2 0] 52 - 18 = 46; slips 0"));
        QCOMPARE(summary(Diagnosis::OfRun({first, first, first})), QStringLiteral("slips 1"));
    }
};

QTEST_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
