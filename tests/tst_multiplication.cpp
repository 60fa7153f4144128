// The written-multiplication window: draws, sizes, writing by mouse and by
// keyboard, row checks, results lines and what a screen reader hears.
#include "testkit.h"

#include "windows/column/form1.h"

#include "windows/forms.h"
#include "windows/multiplication/form3.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using Row = Form3::Row;

namespace {

// Opens the window over the main window and brings it, with the size button, to
// the multiplication a × b (b of two digits).
Form3 *startMultiplication(int a, int b)
{
    loadMainWindow();
    Form3 *f = forms().form3();
    f->Show();
    while (f->Current.MultiplicandLastIndex != QString::number(a).size() - 1)
        click(f->Command3[0]);
    f->ShowMultiplication(LongMultiplication::Of(a, b));
    return f;
}

// Writes a number into a row with the mouse, its units in the row's units cell; ' ' leaves a cell empty.
void writeRow(Form3 *f, Row row, const QString &digits)
{
    const int units = Form3::FirstColumn(row);
    for (int i = 0; i < digits.size(); ++i) {
        const QChar c = digits[digits.size() - 1 - i];
        if (c != QLatin1Char(' '))
            clickTimes(f->WorkingCell(row, units + i), c.digitValue() == 0 ? 10 : c.digitValue());
    }
}

// Writes the rows ("115 092 1035": row 1, row 2, the result, highest digit
// first, "_" a cell left empty), notes a carry, and presses check button k;
// says what the child sees: the three rows, the animation and the last line.
QString check(Form3 *f, const QString &rows, int k)
{
    const QStringList written = rows.split(' ');
    for (Row row : {Row::First, Row::Second, Row::Result})
        writeRow(f, row, written.value(int(row)).replace('_', ' '));
    clickTimes(f->Command9[0], 3);
    click(f->Command7[k]);
    return QStringLiteral("%1 %2 %3 %4 %5").arg(cells(f->Cells(Row::First)), cells(f->Cells(Row::Second)), cells(f->Cells(Row::Result)),
                                                  QFileInfo(f->Vorlando1->file()).fileName(), lastLine());
}

// The colours alone, units first.
QString colours(Form3 *f, Row row) { return cells(f->Cells(row)).remove(QRegularExpression("[0-9.]")); }

int visible(const ControlArray<CommandButton> &a) { return int(std::count_if(a.begin(), a.end(), [](CommandButton *c) { return c->Visible(); })); }

} // namespace

class TestMultiplication : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void drawsAndSizes()
    {
        // Opened over the main window, every draw at its highest: empty cells and carries, the keyboard on the first cell.
        loadMainWindow();
        Random::setSource([] { return 0.9999; });
        Form3 *f = forms().form3();
        f->Show();
        QCOMPARE(f->geometry(), forms().form1()->geometry());
        QCOMPARE(QPoint(f->Current.Multiplicand, f->Current.Multiplier), QPoint(99999, 99));
        QCOMPARE(cells(f->Command9) + cells(f->Cells(Row::First)) + cells(f->Cells(Row::Second)) + cells(f->Cells(Row::Result)),
                 QStringLiteral(".?").repeated(4) + QStringLiteral(".w").repeated(19)); // carries on the window's colour
        QVERIFY(f->Line4->Visible() && f->Command7[2]->isEnabled());
        QCOMPARE(f->focusWidget(), f->Command4[0]);
        // The size button: 2, 3, 4, 5 and again 2 digits, every draw at its lowest.
        Random::setSource([] { return 0.0; });
        for (int digits : {2, 3, 4, 5, 2}) {
            Sound::requests().clear();
            click(f->Command3[0]);
            QCOMPARE(QList<int>({visible(f->Command1), visible(f->Command4), visible(f->Command5), visible(f->Command6), visible(f->Command9)}),
                     QList<int>({digits, digits + 1, digits + 1, digits + 2, digits - 1}));
            QCOMPARE(f->Line1->X1(), f->WorkingCell(Row::First, digits)->Left());
            QCOMPARE(f->Line4->X1(), f->WorkingCell(Row::Result, digits + 1)->Left());
            QCOMPARE(QPoint(f->Current.Multiplicand, f->Current.Multiplier), QPoint(QString(digits, '1').toInt(), 22));
            QCOMPARE(Sound::requests(), QStringList{"/sonidos/operacion.wav"});
        }
    }

    void checks_data()
    {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QString>("rows");  // as check() writes them, and the check pressed
        QTest::addColumn<QString>("seen");  // as check() says it
        QTest::addColumn<QString>("said");
        const QString right = QStringLiteral("acierto.gif 1. Multiplicación: 23 X 45 = 1035 ** ¡MUY BIEN! **");
        QTest::newRow("23 x 45 right") << "23 45" << "115 092 1035 2" << "5b1b1b 2b9b0b 5b3b0b1b " + right << "¡MUY BIEN!";
        QTest::newRow("leading cells left empty stay empty") << "23 45" << "_115 _92 1035 2" << "5b1b1b 2b9b.b 5b3b0b1b " + right << "¡MUY BIEN!";
        QTest::newRow("an empty cell inside a number shows its 0") << "35 23" << "1_5 _ 1_5 0" << "5b0b1b .w.w.w 5w.w1w.w acierto.gif " << "Fila 1: bien";
        QTest::newRow("row 1 wrong, result right") << "23 45" << "125 92 1035 2"
                                                   << "5b2r1b 2b9b.b 5b3b0b1b fallo.gif 1. Multiplicación: 23 X 45 =  ?  ** REPASA **" << "REPASA";
        QTest::newRow("row 2 alone") << "23 45" << "_ 93 _ 1" << ".w.w.w 3r9b.b .w.w.w.w fallo.gif " << "Fila 2: mal";
        QTest::newRow("five digits right") << "98765 43" << "296295 395060 4246895 2"
                                           << "5b9b2b6b9b2b 0b6b0b5b9b3b 5b9b8b6b4b2b4b acierto.gif 1. Multiplicación: 98765 X 43 = 4246895 ** ¡MUY BIEN! **"
                                           << "¡MUY BIEN!";
    }
    void checks()
    {
        QFETCH(QString, exercise);
        QFETCH(QString, rows);
        QFETCH(QString, seen);
        QFETCH(QString, said);
        Form3 *f = startMultiplication(exercise.section(' ', 0, 0).toInt(), exercise.section(' ', 1, 1).toInt());
        listenForAnnouncements();
        Sound::requests().clear();
        const int k = rows.right(1).toInt();
        QCOMPARE(check(f, rows.chopped(2), k), seen);
        const bool right = !seen.contains("fallo");
        QCOMPARE(Sound::requests().last(), right ? "/sonidos/acierto.wav" : "/sonidos/fallo.wav");
        QCOMPARE(f->Vorlando1->file(), data->path(right ? "/gifs/acierto.gif" : "/gifs/fallo.gif"));
        QCOMPARE(announcements(), QStringList{said});
        QCOMPARE(f->Command7[k]->isEnabled(), !right || k != 2); // a right final check is done
        QVERIFY(f->Command9[0]->Caption().isEmpty());            // carries are wiped by every check
        if (QString(QTest::currentDataTag()) != "row 1 wrong, result right")
            return;
        // a wrong final check may be repeated: unchanged, it is said again and counts once; mended (its row
        // checked on its own first), it writes a second line; a new exercise enables it again
        click(f->Command7[2]);
        QCOMPARE(announcements(), QStringList({"REPASA", "REPASA"}));
        QCOMPARE(resultsLines().size(), 1);
        writeRow(f, Row::First, " 9 ");
        click(f->Command7[0]);
        click(f->Command7[2]);
        QCOMPARE(cells(f->Cells(Row::First)) + " " + lastLine(), "5b1b1b 2. Multiplicación: 23 X 45 = 1035 ** ¡MUY BIEN! **");
        QVERIFY(!f->Command7[2]->isEnabled());
        click(f->Command3[0]);
        QVERIFY(f->Command7[2]->isEnabled());
    }

    void oneDigitMultiplier()
    {
        Form3 *f = startMultiplication(23, 45);
        click(f->Command3[1]);
        f->ShowMultiplication(LongMultiplication::Of(23, 45, LongMultiplication::MultiplierSize::OneDigit));
        QVERIFY(!f->Command3[0]->isEnabled());
        QCOMPARE(visible(f->Command2) + visible(f->Command5) + visible(f->Command6), 1);
        QVERIFY(!f->Command7[1]->Visible() && !f->Command7[2]->Visible() && !f->Line4->Visible());
        writeRow(f, Row::First, "115");
        click(f->Command7[0]);
        QCOMPARE(lastLine(), QStringLiteral("1. Multiplicación: 23 X 5 = 115 ** ¡MUY BIEN! **"));
        QVERIFY(!f->Command7[0]->isEnabled());
        click(f->Command3[1]); // back to two digits, same multiplicand size
        QVERIFY(f->Command3[0]->isEnabled() && f->Command7[0]->isEnabled() && f->Line4->Visible());
        QCOMPARE(QList<int>({visible(f->Command4), visible(f->Command5), visible(f->Command6)}), QList<int>({3, 3, 4}));
        QCOMPARE(colours(f, Row::First), QStringLiteral("www"));
    }

    void cellsAndCarries()
    {
        Form3 *f = startMultiplication(23, 45);
        click(f->Command7[1]); // wrong: empty row 2
        QCOMPARE(f->Vorlando1->file(), data->path("/gifs/fallo.gif"));
        Sound::requests().clear();
        clickTimes(f->Command9[1], 11); // 1 … 9, 0, 1
        f->Command9[0]->setFocus();
        keys(f, "7v");
        QCOMPARE(f->Command9[1]->Caption() + f->Command9[0]->Caption(), QStringLiteral("16"));
        QVERIFY(Sound::requests().isEmpty());          // carries are silent
        QCOMPARE(f->Vorlando1->file(), data->path("/gifs/fallo.gif")); // and leave the animation
        click(f->Command5[0]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/pulsa.wav"});
        QVERIFY(!f->Vorlando1->hasAnimation());
        QCOMPARE(colours(f, Row::Second), QStringLiteral("rrb")); // the empty top cell stands for 0; colours stay
    }

    void keyboardAlone()
    {
        // 79169 × 54 from the first cell to the final check, by keys only.
        Form3 *f = startMultiplication(79169, 54);
        QCOMPARE(focused(f), QStringLiteral("Fila 1, unidades"));
        QCOMPARE(spoken(f->focusWidget(), QAccessible::Description), QStringLiteral("79169 X 54"));
        // a picture-only button says what it does, to the eye too; a caption says it already
        QCOMPARE(f->Command7[1]->toolTip() + "/" + f->Command3[0]->toolTip(), "Comprobar la fila 2/" + spoken(f->Command3[0]));
        QVERIFY(f->Command3[0]->toolTip().startsWith("Otra multiplicación") && f->Command8[0]->toolTip().isEmpty());
        int presses = 0;
        auto press = [&](const QString &k) {
            keys(f, k);
            presses += k.size();
        };
        press("676613");              // 316676, units first; then the row's check
        QCOMPARE(focused(f), QStringLiteral("Comprobar la fila 1"));
        press("_");                   // checked; on to row 2
        QCOMPARE(focused(f), QStringLiteral("Fila 2, decenas"));
        press("548593");              // 395845, a column further left
        press("_");
        press("6215724");             // 4275126
        QCOMPARE(focused(f), QStringLiteral("Comprobar el resultado"));
        press("r");
        QCOMPARE(lastLine(), QStringLiteral("1. Multiplicación: 79169 X 54 = 4275126 ** ¡MUY BIEN! **"));
        QCOMPARE(colours(f, Row::Result), QStringLiteral("bbbbbbb"));
        QCOMPARE(f->focusWidget(), f->Command3[0]);
        QCOMPARE(presses, 22);
        // Escape does what SALIR does: the main window comes back, this one stays
        QVERIFY(QTest::qWaitForWindowActive(f));
        keys(f, "e");
        QVERIFY(f->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(forms().form1()));
    }

    void leavingKeepsClosingReloads()
    {
        Form3 *f = startMultiplication(23, 45);
        writeRow(f, Row::First, "7");
        click(f->Command8[0]);
        QCOMPARE(forms().form3()->WorkingCell(Row::First, 0)->Caption(), QStringLiteral("7"));
        QCOMPARE(forms().form3()->Current.Multiplicand, 23);
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded3());
        Form3 *again = forms().form3();
        QCOMPARE(again->Current.MultiplicandLastIndex, 4);
        QVERIFY(again->WorkingCell(Row::First, 0)->Caption().isEmpty());
    }
};

QTEST_MAIN(TestMultiplication)
#include "tst_multiplication.moc"
