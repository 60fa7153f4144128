// The written-multiplication window: draws, sizes, writing, row checks and results lines.
#include "column_helpers.h"

#include "windows/forms.h"
#include "windows/multiplication/form3.h"
#include "windows/results/form5.h"

#include <QTest>

using Row = Form3::Row;

namespace {

// The draws that give this multiplication ("23", "45"; highest digit first), in
// the window's order: multiplicand units, multiplier units, tens, tens, the rest.
QVector<double> multiplicationDraws(const QString &a, const QString &b)
{
    QVector<double> draws;
    for (int i = 0; i < a.size(); ++i) {
        draws << pick(9, 1, a[a.size() - 1 - i].digitValue());
        if (i < 2)
            draws << pick(8, 2, b[b.size() - 1 - i].digitValue());
    }
    return draws;
}

// Opens the window on the main window and brings it, with the size buttons, to
// the multiplication a × b (b of two digits).
Form3 *startMultiplication(const QString &a, const QString &b)
{
    loadMainWindow();
    scriptRandom(a.size() == 5 ? multiplicationDraws(a, b) : QVector<double>{});
    Form3 *f = forms().form3();
    f->Show();
    while (f->MultiplicandLastIndex != a.size() - 1) {
        const int next = f->MultiplicandLastIndex == 4 ? 1 : f->MultiplicandLastIndex + 1;
        scriptRandom(next == a.size() - 1 ? multiplicationDraws(a, b) : QVector<double>{});
        click(f->Command3[0]);
    }
    return f;
}

// Writes a number into a row, units digit in the row's units cell; ' ' leaves a cell empty.
void writeRow(Form3 *f, Row row, const QString &digits)
{
    const int units = Form3::FirstColumn(row);
    for (int i = 0; i < digits.size(); ++i) {
        const QChar c = digits[digits.size() - 1 - i];
        if (c != QLatin1Char(' '))
            clickTimes(f->WorkingCell(row, units + i), c.digitValue() == 0 ? 10 : c.digitValue());
    }
}

// The colours of the visible cells of a row, units first: b blue, r red, w white.
QString colours(Form3 *f, Row row)
{
    QString s;
    for (CommandButton *c : f->Cells(row))
        if (c->Visible())
            s += c->BackColor() == vb::Blue ? 'b' : c->BackColor() == vb::Red ? 'r' : c->BackColor() == vb::White ? 'w' : '?';
    return s;
}

int visible(const ControlArray<CommandButton> &a)
{
    int n = 0;
    for (CommandButton *c : a)
        n += c->Visible();
    return n;
}

QString gif(Form3 *f) { return QFileInfo(f->Vorlando1->file()).fileName(); }

} // namespace

class TestMultiplication : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void loadState()
    {
        Form3 *f = startMultiplication("98765", "43");
        Form1 *main = forms().form1();
        QCOMPARE(f->pos(), main->pos());
        QCOMPARE(f->size(), main->size());
        QCOMPARE(f->Command1[4]->Caption() + f->Command1[0]->Caption(), QStringLiteral("95"));
        QCOMPARE(f->Command2[1]->Caption() + f->Command2[0]->Caption(), QStringLiteral("43"));
        QCOMPARE(f->Multiplicand, 98765);
        QCOMPARE(f->Multiplier, 43);
        for (CommandButton *carry : f->Command9)
            QVERIFY(carry->Visible() && carry->Caption().isEmpty()); // empty, not "0"
        for (Row row : {Row::First, Row::Second, Row::Result})
            for (CommandButton *c : f->Cells(row))
                QVERIFY(c->Caption().isEmpty() && c->BackColor() == vb::White);
        QCOMPARE(visible(f->Command4), 6);
        QCOMPARE(visible(f->Command5), 6);
        QCOMPARE(visible(f->Command6), 7);
        QVERIFY(f->Line4->Visible() && f->Command7[2]->isEnabled());
        QCOMPARE(scriptedLeft(), 0); // seven draws, no more
    }

    void drawRanges()
    {
        // The lowest and highest draws give 1 and 9 for the multiplicand, 2 and 9 for the multiplier.
        loadMainWindow();
        scriptRandom({0.0, 0.0, 0.999, 0.999, 0.0, 0.999, 0.0});
        Form3 *f = forms().form3();
        QCOMPARE(f->Multiplicand, 19191);
        QCOMPARE(f->Multiplier, 92);
    }

    void fiveSizePresses()
    {
        Form3 *f = startMultiplication("12345", "23");
        for (int digits : {2, 3, 4, 5, 2}) {
            click(f->Command3[0]);
            QCOMPARE(visible(f->Command1), digits);
            QCOMPARE(visible(f->Command4), digits + 1);
            QCOMPARE(visible(f->Command5), digits + 1);
            QCOMPARE(visible(f->Command6), digits + 2);
            QCOMPARE(visible(f->Command9), digits - 1);
            QCOMPARE(f->Line1->X1(), f->WorkingCell(Row::First, digits)->Left());
            QCOMPARE(f->Line4->X1(), f->WorkingCell(Row::Result, digits + 1)->Left());
            QVERIFY(f->Multiplicand >= std::pow(10, digits - 1) && f->Multiplicand < std::pow(10, digits));
            QCOMPARE(Sound::requests().last(), QStringLiteral("/sonidos/operacion.wav"));
        }
    }

    void checks_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("rows"); // row 1, row 2, result as written
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("colours"); // units first; "" not coloured
        QTest::addColumn<QString>("line");        // "" none written
        QTest::addColumn<bool>("stillEnabled");
        QTest::newRow("23 x 45 right") << "23" << "45" << QStringList{"115", "092", "1035"} << 2
                                       << QStringList{"bbb", "bbb", "bbbb"}
                                       << "1. Multiplicación: 23 X 45 = 1035 ** ¡MUY BIEN! **" << false;
        QTest::newRow("leading cells left empty") << "23" << "45" << QStringList{" 115", " 92", "1035"} << 2
                                                  << QStringList{"bbb", "bbb", "bbbb"}
                                                  << "1. Multiplicación: 23 X 45 = 1035 ** ¡MUY BIEN! **" << false;
        QTest::newRow("row 1 wrong, result right") << "23" << "45" << QStringList{"125", "92", "1035"} << 2
                                                   << QStringList{"brb", "bbb", "bbbb"}
                                                   << "1. Multiplicación: 23 X 45 =  ?  ** REPASA **" << true;
        QTest::newRow("row 2 alone") << "23" << "45" << QStringList{"", "93", ""} << 1
                                     << QStringList{"www", "rbb", "wwww"} << "" << true;
        QTest::newRow("row 1 alone") << "23" << "45" << QStringList{"115", "", ""} << 0
                                     << QStringList{"bbb", "www", "wwww"} << "" << true;
        QTest::newRow("five digits right") << "98765" << "43" << QStringList{"296295", "395060", "4246895"} << 2
                                           << QStringList{"bbbbbb", "bbbbbb", "bbbbbbb"}
                                           << "1. Multiplicación: 98765 X 43 = 4246895 ** ¡MUY BIEN! **" << false;
    }
    void checks()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, rows);
        QFETCH(int, button);
        QFETCH(QStringList, colours);
        QFETCH(QString, line);
        QFETCH(bool, stillEnabled);
        Form3 *f = startMultiplication(a, b);
        writeRow(f, Row::First, rows[0]);
        writeRow(f, Row::Second, rows[1]);
        writeRow(f, Row::Result, rows[2]);
        clickTimes(f->Command9[0], 3);
        Sound::requests().clear();
        click(f->Command7[button]);
        QCOMPARE(::colours(f, Row::First), colours[0]);
        QCOMPARE(::colours(f, Row::Second), colours[1]);
        QCOMPARE(::colours(f, Row::Result), colours[2]);
        const bool right = !colours.join("").contains('r');
        QCOMPARE(Sound::requests(), QStringList{right ? "/sonidos/acierto.wav" : "/sonidos/fallo.wav"});
        QCOMPARE(gif(f), right ? QStringLiteral("acierto.gif") : QStringLiteral("fallo.gif"));
        QCOMPARE(lastLine(), line);
        QCOMPARE(f->Command7[button]->isEnabled(), stillEnabled);
        QVERIFY(f->Command9[0]->Caption().isEmpty()); // carries are wiped by every check
    }

    void wrongFinalCheckMayBeRepeated()
    {
        Form3 *f = startMultiplication("23", "45");
        writeRow(f, Row::Result, "1036");
        click(f->Command7[2]);
        QCOMPARE(lastLine(), QStringLiteral("1. Multiplicación: 23 X 45 =  ?  ** REPASA **"));
        writeRow(f, Row::Result, "   9"); // 1036 → 1035: nine more clicks on the units
        writeRow(f, Row::First, "115");
        writeRow(f, Row::Second, "92");
        click(f->Command7[2]);
        QCOMPARE(lastLine(), QStringLiteral("2. Multiplicación: 23 X 45 = 1035 ** ¡MUY BIEN! **"));
        QVERIFY(!f->Command7[2]->isEnabled());
        click(f->Command3[0]); // a new exercise enables it again
        QVERIFY(f->Command7[2]->isEnabled());
    }

    void oneDigitMultiplier()
    {
        Form3 *f = startMultiplication("23", "45");
        scriptRandom(multiplicationDraws("23", "45"));
        click(f->Command3[1]);
        QVERIFY(!f->Command3[0]->isEnabled());
        QCOMPARE(visible(f->Command2) + visible(f->Command5) + visible(f->Command6), 1);
        QVERIFY(!f->Command7[1]->Visible() && !f->Command7[2]->Visible() && !f->Line4->Visible());
        writeRow(f, Row::First, "115");
        click(f->Command7[0]);
        QCOMPARE(lastLine(), QStringLiteral("1. Multiplicación: 23 X 5 = 115 ** ¡MUY BIEN! **"));
        QVERIFY(!f->Command7[0]->isEnabled());
        click(f->Command3[1]); // back to two digits, same multiplicand size
        QVERIFY(f->Command3[0]->isEnabled() && f->Command7[0]->isEnabled() && f->Line4->Visible());
        QCOMPARE(visible(f->Command4), 3);
        QCOMPARE(visible(f->Command5), 3);
        QCOMPARE(visible(f->Command6), 4);
        QCOMPARE(colours(f, Row::First), QStringLiteral("www"));
    }

    void cellsAndCarries()
    {
        Form3 *f = startMultiplication("23", "45");
        click(f->Command7[1]); // wrong: empty row 2
        QCOMPARE(gif(f), QStringLiteral("fallo.gif"));
        Sound::requests().clear();
        clickTimes(f->Command9[1], 11);
        QCOMPARE(f->Command9[1]->Caption(), QStringLiteral("1")); // 1 … 9, 0, 1
        QVERIFY(Sound::requests().isEmpty());                  // carries are silent
        QCOMPARE(gif(f), QStringLiteral("fallo.gif"));         // and leave the animation
        click(f->Command5[0]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/pulsa.wav"});
        QVERIFY(!f->Vorlando1->hasAnimation());
        QCOMPARE(colours(f, Row::Second), QStringLiteral("rrb")); // the empty top cell stands for 0; colours stay
    }

    void numberedWithTheOtherWindows()
    {
        Form1 *main = loadMainWindow();
        oneDigitAddition(main, 2, 3);
        click(main->Command5);
        Form3 *f = startMultiplication("23", "45");
        click(f->Command7[1]); // row 2 alone writes nothing
        click(f->Command7[2]);
        QCOMPARE(forms().form5()->List1->ListCount(), 2);
        QVERIFY(lastLine().startsWith(QStringLiteral("2. Multiplicación: 23 X 45 = ")));
    }

    void leavingKeepsClosingReloads()
    {
        Form3 *f = startMultiplication("23", "45");
        writeRow(f, Row::First, "7");
        click(f->Command8[0]);
        QCOMPARE(forms().form3()->WorkingCell(Row::First, 0)->Caption(), QStringLiteral("7"));
        QCOMPARE(forms().form3()->Multiplicand, 23);
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded3());
        Form3 *again = forms().form3();
        QCOMPARE(again->MultiplicandLastIndex, 4);
        QVERIFY(again->WorkingCell(Row::First, 0)->Caption().isEmpty());
    }

    void damagedData_data()
    {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QByteArray>("language"); // replaces the file unless empty
        QTest::addColumn<QString>("line");
        QTest::newRow("no language file") << QStringList{"/idioma/formulariomulti.txt"} << QByteArray()
                                          << "1. 23 X 45 =  ?  **  **";
        QTest::newRow("short language file") << QStringList{} << cp1252Lines({"SALIR", "RESULTADOS"})
                                             << "1. 23 X 45 =  ?  **  **";
        QTest::newRow("no animations, no sounds") << QStringList{"/gifs/acierto.gif", "/gifs/fallo.gif", "/sonidos"}
                                                  << QByteArray() << "1. Multiplicación: 23 X 45 =  ?  ** REPASA **";
    }
    void damagedData()
    {
        QFETCH(QStringList, removed);
        QFETCH(QByteArray, language);
        QFETCH(QString, line);
        for (const QString &r : removed)
            data->remove(r);
        if (!language.isEmpty())
            data->write("/idioma/formulariomulti.txt", language);
        Form3 *f = startMultiplication("23", "45");
        click(f->Command7[2]);
        QCOMPARE(colours(f, Row::Result), QStringLiteral("rrbr")); // empty cells read as 0: the 0 of 1035 is right
        QCOMPARE(lastLine(), line);
        QCOMPARE(f->Command8[0]->Caption(), QStringLiteral("SALIR"));
    }
};

QTEST_MAIN(TestMultiplication)
#include "tst_multiplication.moc"
