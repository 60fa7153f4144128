// The written-division window: levels, starting, step checks with lights and
// flashes, the quotient timer, finishing and the results line.
#include "column_helpers.h"

#include "windows/division/form2.h"
#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

// The draws that give this division ("1234", "7"), in the window's order: first
// dividend digit, first divisor digit, the other dividend digits, the other divisor digits.
QVector<double> divisionDraws(const QString &dividend, const QString &divisor)
{
    QVector<double> d{pick(9, 1, dividend[0].digitValue()), pick(8, 2, divisor[0].digitValue())};
    for (int i = 1; i < dividend.size(); ++i)
        d << r10(dividend[i].digitValue());
    for (int i = 1; i < divisor.size(); ++i)
        d << r10(divisor[i].digitValue());
    return d;
}

Form2 *openDivision(const QVector<double> &loadDraws = {})
{
    loadMainWindow();
    scriptRandom(loadDraws);
    Form2 *f = forms().form2();
    f->Show();
    f->Timer1->setEnabled(false); // the tests tick it themselves
    return f;
}

// Chooses the level that fits the divisor, has this division drawn and starts it.
Form2 *startDivision(const QString &dividend, const QString &divisor)
{
    const bool fresh = !forms().isLoaded2();
    Form2 *f = fresh ? openDivision(divisionDraws(dividend, divisor)) : forms().form2();
    const int level = int(divisor.size()) - 1;
    while (f->Level != level) {
        scriptRandom(divisionDraws(dividend, divisor)); // the last press draws the one kept
        click(f->Command4);
    }
    if (!fresh || level != 0)
        scriptRandom(divisionDraws(dividend, divisor));
    click(f->Command3);
    return f;
}

void tick(Form2 *f) { emit f->Timer1->tick(); }

void writeDigit(CommandButton *cell, QChar digit)
{
    if (digit != QLatin1Char(' '))
        clickTimes(cell, digit.digitValue() == 0 ? 10 : digit.digitValue());
}

// Writes a remainder into its row, right-aligned under the group; ' ' leaves a cell empty.
void writeRemainder(Form2 *f, int row, const QString &digits)
{
    const int units = row - 1 + f->FirstGroupDigits - 1;
    for (int i = 0; i < digits.size(); ++i)
        writeDigit(f->RemainderCell(row, units - i), digits[digits.size() - 1 - i]);
}

void bringDown(Form2 *f)
{
    for (CommandButton *arrow : f->Command12)
        if (arrow->Visible() && arrow->isEnabled())
            return click(arrow);
    QFAIL("no arrow to bring a digit down");
}

// Writes the quotient left to right, letting the timer tick after each move.
void writeQuotient(Form2 *f, const QString &digits)
{
    for (int k = 0; k < digits.size(); ++k) {
        writeDigit(f->Command11[k], digits[k]);
        tick(f);
    }
}

QString lights(Form2 *f) // g green, r red, one letter per light switched on
{
    QString s;
    for (Shape *l : f->Shape1)
        if (l->Visible())
            s += l->FillColor() == vb::Green ? 'g' : l->FillColor() == vb::Red ? 'r' : '?';
    return s;
}

QString shown(const ControlArray<CommandButton> &a)
{
    QString s;
    for (CommandButton *b : a)
        if (b->Visible())
            s += b->Caption();
    return s;
}

int visibleCount(const ControlArray<CommandButton> &a)
{
    int n = 0;
    for (CommandButton *b : a)
        n += b->Visible();
    return n;
}

// Plays a script on the quotient of 1234 : 7 (176): a digit k clicks quotient cell k
// (writing its right digit, or going once round back to it), "t" lets the timer tick.
void playQuotient(Form2 *f, const QString &script)
{
    const QString quotient = "176";
    for (QChar c : script) {
        const int k = c.digitValue();
        if (c == QLatin1Char('t'))
            tick(f);
        else if (f->Command11[k]->Caption() == QLatin1String("-"))
            writeDigit(f->Command11[k], quotient[k]);
        else
            clickTimes(f->Command11[k], 10);
    }
}

// 1234 : 7 worked right: 12 − 7 = 5, 53 − 49 = 4, 44 − 42 = 2; 176.
void work1234by7(Form2 *f, const QString &row1 = "05", const QString &quotient = "176")
{
    writeRemainder(f, 1, row1);
    bringDown(f);
    writeRemainder(f, 2, "04");
    bringDown(f);
    writeRemainder(f, 3, "02");
    writeQuotient(f, quotient);
}

} // namespace

class TestDivision : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void loadState()
    {
        Form2 *f = openDivision();
        Form1 *main = forms().form1();
        QCOMPARE(f->pos(), main->pos());
        QCOMPARE(f->size(), main->size());
        QCOMPARE(f->Picture().cacheKey(), main->Picture().cacheKey());
        QCOMPARE(f->Level, 0);
        QCOMPARE(f->Label1->Caption(), shown(f->Command1) + " : " + shown(f->Command2));
        QCOMPARE(visibleCount(f->Command1), 4);
        QCOMPARE(visibleCount(f->Command2), 1);
        QVERIFY(f->Command3->isEnabled() && f->Command4->isEnabled() && !f->Command9->Visible());
        for (const auto *row : {&f->Command5, &f->Command6, &f->Command7, &f->Command8, &f->Command11, &f->Command12})
            QCOMPARE(visibleCount(*row), 0);
        QCOMPARE(lights(f), QString());
        QCOMPARE(f->Timer1->Interval(), 500);
        QCOMPARE(f->Command3->Caption(), QStringLiteral("Empezar"));
    }

    void levelCycle_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::newRow("level 1") << 1 << "98765" << "43";
        QTest::newRow("level 2") << 2 << "123456" << "200";
        QTest::newRow("back to level 0") << 3 << "7000" << "7";
    }
    void levelCycle()
    {
        QFETCH(int, presses);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        Form2 *f = openDivision();
        for (int p = 1; p <= presses; ++p) {
            // every digit shown is fresh: the last press draws the wanted division
            scriptRandom(p == presses ? divisionDraws(dividend, divisor) : QVector<double>{});
            click(f->Command4);
        }
        QCOMPARE(f->Level, int(divisor.size()) - 1);
        QCOMPARE(shown(f->Command1), dividend);
        QCOMPARE(shown(f->Command2), divisor);
        QCOMPARE(f->Label1->Caption(), dividend + " : " + divisor);
        click(f->Command3); // works the division shown, without drawing again
        QCOMPARE(f->Label1->Caption(), dividend + " : " + divisor);
        QVERIFY(!f->Command3->isEnabled() && !f->Command4->isEnabled());
        QCOMPARE(f->Text1[0]->Text(), QString::number(dividend.toInt() / divisor.toInt()).left(1));
    }

    void firstGroup_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("expected"); // Text1(0..3)
        QTest::newRow("1234 : 7") << "1234" << "7" << 2 << 1 << "176-";
        QTest::newRow("7000 : 7, equal is enough") << "7000" << "7" << 1 << 0 << "1000";
        QTest::newRow("123456 : 200") << "123456" << "200" << 4 << 3 << "617-";
    }
    void firstGroup()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, cells);
        QFETCH(int, arrow);
        QFETCH(QString, expected);
        Form2 *f = startDivision(dividend, divisor);
        QCOMPARE(visibleCount(f->Command5), cells);
        QVERIFY(f->Command5[cells - 1]->Visible() && !f->Command5[cells]->Visible());
        QCOMPARE(visibleCount(f->Command12), 1);
        QVERIFY(f->Command12[arrow]->Visible());
        QCOMPARE(visibleCount(f->Command11), 1);
        QString text;
        for (TextBox *t : f->Text1)
            text += t->Text();
        QCOMPARE(text, expected);
    }

    void wholeDivisionRight()
    {
        Form2 *f = startDivision("1234", "7");
        work1234by7(f);
        QVERIFY(f->Command9->Visible());
        Sound::requests().clear();
        click(f->Command9);
        QCOMPARE(lights(f), QStringLiteral("ggggggggg"));
        QCOMPARE(f->Command10[0]->Caption(), QStringLiteral("100 % bien"));
        QCOMPARE(f->Command10[1]->Caption(), QStringLiteral("0 % mal"));
        QCOMPARE(f->Command10[2]->Caption(), QStringLiteral("1 ¡MUY BIEN!"));
        QCOMPARE(lastLine(), QStringLiteral("1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 ** ¡MUY BIEN! **"));
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/acierto.wav"});
        QVERIFY(f->Vorlando1->file().endsWith("si.gif"));
        QVERIFY(!f->Command9->Visible() && f->Command3->isEnabled() && f->Command4->isEnabled());
        QCOMPARE(f->RemainderCell(1, 0)->Caption() + f->RemainderCell(1, 1)->Caption(), QStringLiteral("05"));
        QCOMPARE(f->RemainderCell(2, 1)->BackColor(), vb::Colour(0xFFFF80));
        startDivision("7000", "7"); // the next start draws anew and clears the working
        QCOMPARE(lights(f), QString());
        QCOMPARE(visibleCount(f->Command6), 0);
        QCOMPARE(f->Command10[2]->Caption(), QStringLiteral("1 ¡MUY BIEN!")); // running totals stay
    }

    void wrongDigits_data()
    {
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("quotient");
        QTest::addColumn<QString>("afterRow1"); // the percentage boxes after the first arrow
        QTest::addColumn<QString>("lightsAtEnd");
        QTest::newRow("one wrong remainder digit") << "06" << "176" << "50 % bien/50 % mal" << "rgggggggg";
        QTest::newRow("two wrong remainder digits") << "16" << "176" << "0 % bien/100 % mal" << "rrggggggg";
        QTest::newRow("wrong quotient digit") << "05" << "186" << "100 % bien/0 % mal" << "gggggrggg";
    }
    void wrongDigits()
    {
        QFETCH(QString, row1);
        QFETCH(QString, quotient);
        QFETCH(QString, afterRow1);
        QFETCH(QString, lightsAtEnd);
        Clock::setSecond(20);
        Form2 *f = startDivision("1234", "7");
        writeRemainder(f, 1, row1);
        bringDown(f);
        QCOMPARE(f->Command10[0]->Caption() + "/" + f->Command10[1]->Caption(), afterRow1);
        QVERIFY(f->Vorlando1->file().endsWith(afterRow1.startsWith("100") ? "si.gif" : "no.gif"));
        QCOMPARE(f->RemainderCell(1, 1)->Caption(), QStringLiteral("5")); // the right digit is shown
        writeRemainder(f, 2, "04");
        bringDown(f);
        writeRemainder(f, 3, "02");
        writeQuotient(f, quotient);
        Sound::requests().clear();
        click(f->Command9);
        QCOMPARE(lights(f), lightsAtEnd);
        QCOMPARE(f->Command10[3]->Caption(), QStringLiteral("1 REPASA"));
        QCOMPARE(f->Command10[2]->Caption(), QString());
        QCOMPARE(lastLine(), QStringLiteral("1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 ** REPASA **"));
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/fallo.wav"});
        QCOMPARE(f->Command11[1]->Caption(), QStringLiteral("7"));
    }

    void percentagesRoundDown()
    {
        Clock::setSecond(20);
        Form2 *f = startDivision("1234", "7");
        writeRemainder(f, 1, "05");
        bringDown(f);
        writeDigit(f->Command11[0], '2'); // wrong
        click(f->Command11[1]);
        tick(f);
        QCOMPARE(f->Command10[0]->Caption(), QStringLiteral("66 % bien"));
        QCOMPARE(f->Command10[1]->Caption(), QStringLiteral("33 % mal"));
        QCOMPARE(f->Command11[0]->Caption(), QStringLiteral("1"));
        QCOMPARE(f->Command11[0]->BackColor(), vb::Red);
    }

    void emptyLeadingCellIsZero()
    {
        Form2 *f = startDivision("1500", "8"); // 15 − 8 = 7 in a two-cell row
        writeRemainder(f, 1, " 7");
        bringDown(f);
        QCOMPARE(lights(f), QStringLiteral("gg"));
        QCOMPARE(f->RemainderCell(1, 0)->Caption(), QStringLiteral("0"));
    }

    void quotientTimer_data()
    {
        QTest::addColumn<QString>("script"); // digits: click that quotient cell; t: a tick
        QTest::addColumn<QString>("lights");
        QTest::addColumn<QString>("checked"); // quotient cells: c judged right, w never judged
        QTest::newRow("moving right checks the digit left behind") << "0t1t" << "g" << "cw";
        QTest::newRow("one move, one tick") << "01t" << "g" << "cw";
        QTest::newRow("two moves in one tick check only the last") << "012t" << "g" << "wcw";
        QTest::newRow("moving back checks again") << "0t1t2t1t" << "ggg" << "ccw";
        QTest::newRow("the same cell never") << "0t0t0t0t" << "" << "w";
    }
    void quotientTimer()
    {
        QFETCH(QString, script);
        QFETCH(QString, lights);
        QFETCH(QString, checked);
        Clock::setSecond(5);
        Form2 *f = startDivision("1234", "7");
        playQuotient(f, script);
        QCOMPARE(::lights(f), lights);
        QString colours;
        for (CommandButton *b : f->Command11)
            if (b->Visible())
                colours += b->BackColor() == vb::White ? 'w' : b->BackColor() == 0xFFFF80 ? 'c' : '?';
        QCOMPARE(colours.left(checked.size()), checked);
    }

    void finishChecksEveryQuotientDigit_data()
    {
        QTest::addColumn<QString>("script"); // as in quotientTimer, written before Fin
        QTest::addColumn<QString>("verdict");
        QTest::newRow("normal finish") << "0t1t2t" << "¡MUY BIEN!";
        QTest::newRow("last digit never written") << "0t1t" << "REPASA";
        QTest::newRow("quick moves leave a right digit unseen") << "012t" << "¡MUY BIEN!";
        QTest::newRow("finish standing on an earlier cell") << "0t1t2t1t" << "¡MUY BIEN!";
    }
    void finishChecksEveryQuotientDigit()
    {
        QFETCH(QString, script);
        QFETCH(QString, verdict);
        Clock::setSecond(5);
        Form2 *f = startDivision("1234", "7");
        work1234by7(f, "05", "");
        playQuotient(f, script);
        click(f->Command9);
        QCOMPARE(lastLine(), "1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 ** " + verdict + " **");
        QCOMPARE(shown(f->Command11), QStringLiteral("176")); // every digit shown, the right one where it was wrong
    }

    void lightsStopAtSixteen()
    {
        Clock::setSecond(1);
        Form2 *f = startDivision("1234", "7");
        for (int i = 0; i < 17; ++i) { // each move from cell 1 checks cell 0 once
            click(f->Command11[0]);
            tick(f);
            click(f->Command11[1]);
            tick(f);
        }
        QCOMPARE(lights(f).size(), 16);
        QCOMPARE(f->RightCount + f->WrongCount, 17);
    }

    void clicksDuringAFlashWait()
    {
        Clock::setSecond(300);
        Form2 *f = startDivision("1234", "7");
        writeRemainder(f, 1, "06");
        QVector<double> flash;
        for (int i = 0; i < 20; ++i)
            flash << 0.0 << 0.3 << 0.5 << 0.7 << 0.99;
        scriptRandom(flash);
        QString during;
        QVector<QRgb> colours;
        QTimer sample;
        QObject::connect(&sample, &QTimer::timeout, [&] { colours << f->RemainderCell(1, 1)->BackColor(); });
        sample.start(20);
        QTimer::singleShot(100, [&] {
            click(f->RemainderCell(2, 1));
            click(f->RemainderCell(2, 1));
            tick(f);
            during = f->RemainderCell(2, 1)->Caption();
        });
        bringDown(f);
        sample.stop();
        QCOMPARE(during, QStringLiteral("-"));                        // not handled inside the flash
        QCOMPARE(f->RemainderCell(2, 1)->Caption(), QStringLiteral("2")); // both handled after it
        QCOMPARE(f->RemainderCell(1, 1)->BackColor(), vb::Red);
        QVERIFY(colours.size() >= 5); // the cell was sampled through the second
        QSet<QRgb> palette;
        for (int n = 10; n <= 15; ++n)
            palette << vb::paletteColour(n);
        for (QRgb c : colours.mid(0, colours.size() - 1))
            QVERIFY(palette.contains(c));
        QVERIFY(QSet<QRgb>(colours.begin(), colours.end()).size() >= 2);
    }

    void closeBoxDuringAFlash()
    {
        Clock::setSecond(100);
        Form2 *f = startDivision("1234", "7");
        writeRemainder(f, 1, "06");
        QTimer::singleShot(30, f, [f] { f->close(); });
        bringDown(f);
        QVERIFY(!f->isVisible()); // closed once the flash was over
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded2());
        QCOMPARE(forms().form2()->Level, 0); // and loads afresh
    }

    void numberedWithTheOtherWindows()
    {
        Form1 *main = loadMainWindow();
        oneDigitAddition(main, 2, 3);
        click(main->Command5);
        oneDigitAddition(main, 4, 4);
        click(main->Command5);
        Form2 *f = startDivision("1234", "7");
        work1234by7(f);
        click(f->Command9);
        QCOMPARE(forms().form5()->List1->ListCount(), 3);
        QVERIFY(lastLine().startsWith(QStringLiteral("3. DIVISIÓN 1234 : 7")));
    }

    void damagedData_data()
    {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QByteArray>("language"); // replaces the file unless null
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("percent");
        QTest::newRow("no language file") << QStringList{"/idioma/formulariodivision.txt"} << QByteArray()
                                          << "1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 **  **" << "100 % ";
        QTest::newRow("empty language file") << QStringList{} << QByteArray("")
                                             << "1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 **  **" << "100 % ";
        QTest::newRow("short language file") << QStringList{} << cp1252Lines({"SALIR", "RESULTADOS", "FONDOS", "NIVEL", "Empezar", "Fin", "bien"})
                                             << "1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 **  **" << "100 % bien";
        QTest::newRow("no animations, no sounds") << QStringList{"/gifs/si.gif", "/gifs/no.gif", "/sonidos"} << QByteArray()
                                                  << "1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 ** ¡MUY BIEN! **" << "100 % bien";
    }
    void damagedData()
    {
        QFETCH(QStringList, removed);
        QFETCH(QByteArray, language);
        QFETCH(QString, line);
        QFETCH(QString, percent);
        for (const QString &r : removed)
            data->remove(r);
        if (!language.isNull())
            data->write("/idioma/formulariodivision.txt", language);
        Form2 *f = startDivision("1234", "7");
        work1234by7(f);
        click(f->Command9);
        QCOMPARE(lastLine(), line);
        QCOMPARE(f->Command10[0]->Caption(), percent);
        QCOMPARE(f->Command13[0]->Caption(), QStringLiteral("SALIR"));
    }

    void closingReloadsAfresh()
    {
        Form2 *f = startDivision("98765", "43");
        writeRemainder(f, 1, "12");
        bringDown(f);
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded2());
        Form2 *again = forms().form2();
        QCOMPARE(again->Level, 0);
        QCOMPARE(visibleCount(again->Command1), 4);
        QCOMPARE(again->DivisionsWrong + again->RightCount + again->WrongCount, 0);
        QVERIFY(again->Command3->isEnabled());
    }
};

QTEST_MAIN(TestDivision)
#include "tst_division.moc"
