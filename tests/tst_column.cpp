// The column window and its exercise: drawing, answering by mouse and by
// keyboard, checking, results lines, the race and the window commands.
#include "testkit.h"

#include "app/module1.h"
#include "app/sound.h"
#include "app/random.h"
#include "windows/column/form1.h"
#include "windows/division/form2.h"
#include "windows/forms.h"
#include "windows/multiplication/form3.h"
#include "windows/results/form5.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// The visible digits of a row of labels, highest first ("854").
QString row(const ControlArray<Label> &labels)
{
    QString s;
    for (int i = 2; i >= 0; --i)
        s += labels[i]->Visible() ? labels[i]->Caption() : QString();
    return s;
}

// One letter per button: b blue, g green, ? another colour.
QString colours(std::initializer_list<CommandButton *> buttons)
{
    QString s;
    for (CommandButton *b : buttons)
        s += b->BackColor() == vb::Blue ? 'b' : b->BackColor() == vb::Green ? 'g' : '?';
    return s;
}

// Chooses the operation and shows this exercise of it, given whole.
Form1 *exercise(Op op, int a, int b)
{
    Form1 *f = forms().form1();
    click(f->Command1[int(op)]);
    f->ShowExercise(Exercise::Of(op, a, b));
    return f;
}

// Writes an answer with the mouse, units first: "21" clicks 2 on the units and 1 on the tens.
void clickAnswer(Form1 *f, const QString &unitsFirst)
{
    for (int i = 0; i < unitsFirst.size(); ++i)
        clickTimes(f->Command3[i], unitsFirst[i].digitValue() == 0 ? 10 : unitsFirst[i].digitValue());
}

} // namespace

class TestColumn : public FreshProgramTest
{
    Q_OBJECT

private slots:
    // ---------------------------------------------------------------- the exercise itself

    void drawRanges_data()
    {
        // Every draw at its lowest (r = 0) or highest (r → 1) value.
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("table");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("exercise"); // the statement, its answer and the boxes it takes
        QTest::newRow("sum, 1 digit, lowest") << 1 << 1 << 10 << 0.0 << "1 + 1 = 2 in 1";
        QTest::newRow("sum, 3 digits, lowest") << 1 << 3 << 10 << 0.0 << "100 + 100 = 200 in 3";
        QTest::newRow("sum, 3 digits, highest") << 1 << 3 << 10 << 0.9999 << "999 + 999 = 1998 in 4";
        QTest::newRow("subtraction, 1 digit, lowest") << 2 << 1 << 10 << 0.0 << "7 - 1 = 6 in 1";
        QTest::newRow("subtraction, 1 digit, highest") << 2 << 1 << 10 << 0.9999 << "9 - 9 = 0 in 1";
        QTest::newRow("subtraction, 2 digits, highest") << 2 << 2 << 10 << 0.9999 << "99 - 89 = 10 in 2";
        QTest::newRow("subtraction, 3 digits, highest") << 2 << 3 << 10 << 0.9999 << "999 - 899 = 100 in 3";
        QTest::newRow("times any table, highest") << 3 << 3 << 10 << 0.9999 << "999 X 9 = 8991 in 4";
        QTest::newRow("times any table, lowest") << 3 << 2 << 10 << 0.0 << "10 X 2 = 20 in 2";
        QTest::newRow("times table 7 whatever the draw") << 3 << 1 << 7 << 0.0 << "1 X 7 = 7 in 1";
        QTest::newRow("division, lowest") << 0 << 3 << 10 << 0.0 << "4 / 2 = 2 in 1";
        QTest::newRow("division, highest") << 0 << 1 << 10 << 0.9999 << "81 / 9 = 9 in 1";
    }
    void drawRanges()
    {
        QFETCH(int, op);
        QFETCH(int, digits);
        QFETCH(int, table);
        QFETCH(double, r);
        QFETCH(QString, exercise);
        Random::setSource([r] { return r; });
        const Exercise e = Exercise::Draw(Op(op), digits, table);
        QCOMPARE(QStringLiteral("%1 = %2 in %3").arg(e.Statement("x").mid(3)).arg(e.ExpectedResult).arg(e.AnswerDigits), exercise);
    }

    void drawsKeepTheirRules()
    {
        // Over many draws of every kind: rows of digits 0..9 that begin with 1..9
        // and read as the operands; a subtraction's first number begins with 7..9,
        // above the second's; a division's factors 2..9; every table comes up.
        auto value = [](const std::array<int, 3> &row, const std::array<bool, 3> &shown) {
            int v = 0;
            for (int i = 2; i >= 0; --i)
                if (shown[i]) {
                    if (row[i] < 0 || row[i] > 9 || (v == 0 && row[i] == 0 && i > 0))
                        return -1;
                    v = 10 * v + row[i];
                }
            return v;
        };
        Random::Randomize();
        for (int op : {0, 1, 2, 3})
            for (int digits : {1, 2, 3}) {
                QSet<int> multipliers;
                for (int n = 0; n < 200; ++n) {
                    const Exercise e = Exercise::Draw(Op(op), digits, Exercise::AnyTable);
                    const int a = e.OperandA, b = e.OperandB, r = e.ExpectedResult;
                    QCOMPARE(e.AnswerDigits, QString::number(r).size());
                    if (Op(op) == Op::Division) {
                        QVERIFY(e.Divisor >= 2 && e.Divisor <= 9 && r >= 2 && r <= 9 && e.Dividend == e.Divisor * r);
                        QCOMPARE(value(e.Bottom, e.BottomShown), 10 * e.Dividend + e.Divisor); // the dividend, then the divisor
                        QVERIFY(e.TopShown == (std::array<bool, 3>{}) && e.BottomShown[2] == (e.Dividend >= 10));
                        continue;
                    }
                    QCOMPARE(value(e.Top, e.TopShown), a);
                    QCOMPARE(value(e.Bottom, e.BottomShown), b);
                    QCOMPARE(QString::number(a).size(), digits);
                    multipliers << b;
                    if (Op(op) == Op::Subtraction)
                        QVERIFY(e.Top[digits - 1] >= 7 && r == a - b &&
                                (digits == 1 ? b >= 1 && b <= a : e.Bottom[digits - 1] < e.Top[digits - 1]));
                    else
                        QCOMPARE(r, Op(op) == Op::Addition ? a + b : a * b);
                }
                if (Op(op) == Op::Multiplication)
                    QCOMPARE(multipliers, QSet<int>({2, 3, 4, 5, 6, 7, 8, 9}));
            }
    }

    // ---------------------------------------------------------------- the window

    void load_data()
    {
        QTest::addColumn<QByteArray>("flag"); // the flag file's bytes; null: no file
        QTest::addColumn<bool>("language");   // whether the language file is there
        QTest::addColumn<QString>("question"); // the exit question
        QTest::addColumn<bool>("on");
        QTest::newRow("SI") << QByteArray("SI\r\n") << true << "¿Quieres salir de Cuentas?" << true;
        QTest::newRow("SI, no language file") << QByteArray("SI\r\n") << false << "SI" << true;
        QTest::newRow("SI without line end") << QByteArray("SI") << false << "SI" << true;
        QTest::newRow("lower case") << QByteArray("si\r\n") << false << "si" << false;
        QTest::newRow("trailing blank") << QByteArray("SI \r\n") << false << "SI " << false;
        QTest::newRow("empty") << QByteArray("") << false << "" << false;
        QTest::newRow("missing") << QByteArray() << false << "" << false;
    }
    void load()
    {
        QFETCH(QByteArray, flag);
        QFETCH(bool, language);
        QFETCH(QString, question);
        QFETCH(bool, on);
        flag.isNull() ? data->remove("/paralistos.txt") : data->write("/paralistos.txt", flag);
        if (!language)
            data->remove("/idioma/formulario1y2.txt");
        Form1 *f = loadMainWindow();
        // the covered variant as the flag says, its panel hidden all the same; the exit
        // question from the language file, else the flag line; the captions as designed
        QCOMPARE(f->ParalistosOn, on);
        QVERIFY(!f->Picture1->Visible());
        QCOMPARE(f->ExitQuestion, question);
        QCOMPARE(f->Command5->Caption() + "/" + f->Command8[0]->Caption(), QStringLiteral("Comprueba/SALIDA"));
        QCOMPARE(colours({f->Command1[0], f->Command1[1], f->Command1[2], f->Command1[3], f->Command4[0], f->Command4[8]}),
                 QStringLiteral("gbgggb"));
        for (QWidget *hidden : std::initializer_list<QWidget *>{f->Command4[0], f->Command4[8], f->Command6, f->Command9[1],
                                                                f->Command7[1], f->Vorlando1, f->Vorlando2, f->Line4, f->Line6})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QVERIFY(!f->Timer1->Enabled() && f->Command5->Enabled());
        QCOMPARE(f->Command7[0]->Picture().toImage(), f->Image2[1]->Picture().toImage());
        // a three-digit sum, its rows as drawn
        QCOMPARE(row(f->Label1) + "+" + row(f->Label2), QStringLiteral("%1+%2").arg(f->Current.OperandA).arg(f->Current.OperandB));
        QCOMPARE(row(f->Label1).size() * 10 + cells(f->Command3).size() / 2, 30 + QString::number(f->Current.ExpectedResult).size());
        // centred, the results window beside it, the keyboard on the first answer box
        const QSize screen = QApplication::primaryScreen()->geometry().size();
        QCOMPARE(f->pos(), QPoint((screen.width() - f->width()) / 2, (screen.height() - f->height()) / 2));
        QVERIFY(forms().form5()->isVisible() && f->focusWidget() == f->Command3[0]);
        QCOMPARE(Module1::BackgroundIndex, 2); // the picture at position 1 is shown
        QVERIFY(!f->Picture().isNull());
    }

    void choosingAnOperation_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("sign"); // strokes shown: 1 rule, 2 3 plus, 4 5 times, 6 7 bracket
        QTest::newRow("division") << 0 << "67";
        QTest::newRow("addition") << 1 << "123";
        QTest::newRow("subtraction") << 2 << "13";
        QTest::newRow("multiplication") << 3 << "145";
    }
    void choosingAnOperation()
    {
        QFETCH(int, op);
        QFETCH(QString, sign);
        Form1 *f = loadMainWindow();
        f->Command10[1]->setCaption("4");
        Sound::requests().clear();
        click(f->Command1[op]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/operacion.wav"});
        QCOMPARE(colours({f->Command1[0], f->Command1[1], f->Command1[2], f->Command1[3]}), QString("gggg").replace(op, 1, 'b'));
        QString strokes;
        for (auto [n, line] : {std::pair{'1', f->Line1}, {'2', f->Line2}, {'3', f->Line3}, {'4', f->Line4}, {'5', f->Line5},
                               {'6', f->Line6}, {'7', f->Line7}})
            strokes += line->Visible() ? QString(n) : QString();
        QCOMPARE(strokes, sign);
        QCOMPARE(f->Command4[0]->Visible() && f->Command4[8]->Visible() && f->Command6->Visible(), op == 3);
        QCOMPARE(f->Command9[1]->Visible(), op == 0);
        // the window shows the exercise drawn: its rows, its boxes, carry boxes over the first row
        const Exercise &e = f->Current;
        QCOMPARE(int(e.Operation), op);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f->Label1[i]->Visible() * 10 + f->Label2[i]->Visible(), e.TopShown[i] * 10 + e.BottomShown[i]);
            QCOMPARE(f->Label2[i]->Caption(), QString::number(e.Bottom[i]));
            QVERIFY(!e.TopShown[i] || f->Label1[i]->Caption() == QString::number(e.Top[i]));
        }
        QCOMPARE(cells(f->Command3), QStringLiteral(".w").repeated(e.AnswerDigits));
        QCOMPARE(f->Command10[1]->Caption(), QString()); // carries wiped
        for (int k = 1; k <= 2 && op != 0; ++k) {
            const Label *over = op == 2 ? f->Label2[k] : f->Label1[k];
            const int h = f->Command10[1]->Height();
            QCOMPARE(QPoint(f->Command10[k]->Left(), f->Command10[k]->Top()),
                     op == 2 ? QPoint(over->Left() + over->Width() - 50, over->Top() + over->Height() - h - 200)
                             : QPoint(over->Left() + 200, over->Top() - h));
        }
        QCOMPARE(f->Command10[1]->Visible() && f->Command10[2]->Visible(), op != 0);
        QCOMPARE(f->focusWidget(), f->Command3[0]); // ready for the first digit
    }

    void digitCountAndTables()
    {
        Form1 *f = loadMainWindow();
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            click(f->Command2);
            seen << f->Command2->Caption() + ":" + QString::number(row(f->Label1).size());
        }
        QCOMPARE(seen, QStringList({"1:1", "2:2", "3:3", "1:1"}));
        QCOMPARE(Sound::requests().last(), QStringLiteral("/sonidos/num.wav"));
        click(f->Command1[3]);
        Sound::requests().clear();
        click(f->Command4[5]); // the table of 7, silently
        QVERIFY(Sound::requests().isEmpty());
        QCOMPARE(QString::number(f->Current.OperandB) + f->Label2[0]->Caption(), QStringLiteral("77"));
        QCOMPARE(colours({f->Command4[0], f->Command4[4], f->Command4[5], f->Command4[6], f->Command4[8]}), QStringLiteral("ggbgg"));
        click(f->Command1[0]); // the digit count does nothing while division is chosen
        const QString before = row(f->Label2);
        Sound::requests().clear();
        click(f->Command2);
        QCOMPARE(f->Command2->Caption() + row(f->Label2), "1" + before);
        QVERIFY(Sound::requests().isEmpty());
    }

    void checking_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("keys");   // typed from the first answer box, or clicked after a "c"
        QTest::addColumn<QString>("shown");  // the boxes after the check (see cells())
        QTest::addColumn<QString>("line");
        QTest::newRow("typed, wrong") << 1 << 5 << 7 << "12" << "1r2r" << "1. Suma: 5 + 7 <> 21 ** REPASA **";
        QTest::newRow("clicked, half right") << 1 << 5 << 7 << "c31" << "3r1b" << "1. Suma: 5 + 7 <> 13 ** REPASA **";
        QTest::newRow("typed, right") << 1 << 5 << 7 << "21" << "2b1b" << "1. Suma: 5 + 7 = 12 ** ¡MUY BIEN! **";
        QTest::newRow("a multiplication, typed") << 3 << 999 << 9 << "1998" << "1b9b9b8b" << "1. Multiplicación: 999 X 9 = 8991 ** ¡MUY BIEN! **";
        QTest::newRow("a division, clicked") << 0 << 12 << 4 << "c3" << "3b" << "1. División: 12 / 4 = 3 ** ¡MUY BIEN! **";
        QTest::newRow("a division, empty") << 0 << 12 << 4 << "" << ".r" << "1. División: 12 / 4 <>  ** REPASA **";
        QTest::newRow("a sum, the box empty") << 1 << 3 << 4 << "" << ".r" << "1. Suma: 3 + 4 <> 0 ** REPASA **";
        QTest::newRow("the carry forgotten") << 1 << 25 << 17 << "23" << "2b3r" << "1. Suma: 25 + 17 <> 32 ** REPASA **";
        QTest::newRow("500 + 500, four digits") << 1 << 500 << 500 << "0001" << "0b0b0b1b" << "1. Suma: 500 + 500 = 1000 ** ¡MUY BIEN! **";
        QTest::newRow("a subtraction") << 2 << 83 << 65 << "81" << "8b1b" << "1. Resta: 83 - 65 = 18 ** ¡MUY BIEN! **";
        QTest::newRow("a subtraction, wrong") << 2 << 83 << 65 << "22" << "2r2r" << "1. Resta: 83 - 65 <> 22 ** REPASA **";
        QTest::newRow("a wrong thousands") << 3 << 999 << 9 << "1999" << "1b9b9b9r" << "1. Multiplicación: 999 X 9 <> 9991 ** REPASA **";
        QTest::newRow("a division, wrong") << 0 << 12 << 4 << "4" << "4r" << "1. División: 12 / 4 <> 4 ** REPASA **";
        QTest::newRow("0 / 4, the box empty") << 0 << 0 << 4 << "" << ".b" << "1. División: 0 / 4 =  ** ¡MUY BIEN! **";
        // without the language file the verdict has no words, yet it is judged, said and locks all the same
        QTest::newRow("no language file, wrong") << 1 << 5 << 7 << "12" << "1r2r" << "1. : 5 + 7 <> 21 **  **";
        QTest::newRow("no language file, right") << 1 << 5 << 7 << "21" << "2b1b" << "1. : 5 + 7 = 12 **  **";
    }
    void checking()
    {
        QFETCH(int, op);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, line);
        if (line.startsWith("1. : "))
            data->remove("/idioma/formulario1y2.txt");
        loadMainWindow();
        Form1 *f = exercise(Op(op), a, b);
        listenForAnnouncements();
        keys.startsWith('c') ? clickAnswer(f, keys.mid(1)) : ::keys(f, keys);
        Sound::requests().clear();
        click(f->Command5);
        const bool right = line.contains(" = ");
        const QString verdict = line.section("** ", -1).chopped(3); // the verdict's word
        QCOMPARE(cells(f->Command3), shown);
        QCOMPARE(resultsLines(), QStringList{line});
        QCOMPARE(f->Command5->Caption(), verdict);
        QCOMPARE(announcements(), QStringList{verdict.isEmpty() ? (right ? "bien" : "mal") : verdict});
        QCOMPARE(Sound::requests(), QStringList{right ? "/sonidos/acierto.wav" : "/sonidos/fallo.wav"});
        QCOMPARE(f->Vorlando2->Visible(), right);
        QCOMPARE(f->Vorlando2->file(), right ? data->path("/gifs/acierto2.gif") : QString());
        // a wrong answer may be mended and checked again; a right one locks entry
        QCOMPARE(f->Command5->Enabled(), !right);
        QCOMPARE(f->Command3[0]->Enabled() || f->Image1[0]->isEnabled(), !right);
        QCOMPARE(f->focusWidget(), right ? f->Command1[op] : f->Command5);
        QCOMPARE(spoken(f->Command3[0], QAccessible::Description), shown[1] == 'b' ? "bien" : "mal");
        QCOMPARE(spoken(f->Command1[1]), QStringLiteral("Suma")); // names stay in Spanish
        if (right) // the animation hides itself at its end
            QTRY_VERIFY_WITH_TIMEOUT(!f->Vorlando2->Visible(), 10000);
    }

    void enteringDigits()
    {
        Form1 *f = loadMainWindow();
        exercise(Op::Addition, 999, 999);
        Sound::requests().clear();
        CommandButton *box = f->Command3[0];
        QString captions;
        for (int i = 0; i < 11; ++i) {
            click(box);
            captions += box->Caption();
        }
        QCOMPARE(captions, QStringLiteral("12345678901")); // empty, then 1 … 9, 0, and never empty again
        click(f->Image1[1]);
        captions = f->Command3[1]->Caption(); // empty counts as 0
        click(f->Image1[1]);
        f->Image1[1]->setFocus();
        keys(f, "r_"); // Enter and Space press a picture too
        QCOMPARE(captions + f->Command3[1]->Caption(), QStringLiteral("96"));
        QCOMPARE(Sound::requests(), QStringList(11, "/sonidos/pulsa.wav") + QStringList(4, "/sonidos/pulsa-.wav"));
        // By keyboard: a digit, then on to the next box leftwards; Backspace
        // empties; ↑ + and ↓ − are the clicks' steps, with their sounds.
        box->setFocus();
        Sound::requests().clear();
        keys(f, "7");
        QCOMPARE(box->Caption() + focused(f), QStringLiteral("7Resultado, decenas"));
        keys(f, "<b");
        QCOMPARE(f->Command3[2]->Caption() + focused(f), QStringLiteral("Resultado, centenas"));
        keys(f, "^+^");
        const QString up = f->Command3[2]->Caption();
        keys(f, "v-v");
        QCOMPARE(up + f->Command3[2]->Caption(), QStringLiteral("30"));
        QCOMPARE(Sound::requests(), QStringList(5, "/sonidos/pulsa.wav") + QStringList(3, "/sonidos/pulsa-.wav"));
        keys(f, ">>>_");
        QCOMPARE(f->focusWidget(), box);               // ← → move along the row, and stop at its end
        QCOMPARE(box->Caption(), QStringLiteral("7")); // Space never changes a digit
        keys(f, "1209");
        QCOMPARE(cells(f->Command3) + focused(f), QStringLiteral("1w2w0w9wComprueba")); // after the last box, the check
        // Carry boxes are the child's own notes: silent, by mouse or keyboard.
        Sound::requests().clear();
        clickTimes(f->Command10[2], 2);
        f->Command10[1]->setFocus();
        keys(f, "5v");
        QCOMPARE(f->Command10[2]->Caption() + f->Command10[1]->Caption(), QStringLiteral("24"));
        QVERIFY(Sound::requests().isEmpty());
    }

    void keyboardAlone()
    {
        // 58 + 27 with its carry, the check, and the next sum, all by keys.
        Form1 *f = loadMainWindow();
        exercise(Op::Addition, 58, 27);
        QCOMPARE(focused(f), QStringLiteral("Resultado, unidades"));
        QCOMPARE(spoken(f->focusWidget(), QAccessible::Description), QStringLiteral("Suma: 58 + 27"));
        keys(f, "5T");
        QCOMPARE(focused(f), QStringLiteral("Me llevo, decenas"));
        keys(f, "1t8");
        QCOMPARE(f->Command10[1]->Caption() + focused(f), QStringLiteral("1Comprueba"));
        keys(f, "_");
        QCOMPARE(lastLine(), QStringLiteral("1. Suma: 58 + 27 = 85 ** ¡MUY BIEN! **"));
        QCOMPARE(focused(f), QStringLiteral("Suma"));
        keys(f, "r"); // the operation again: the next sum
        QVERIFY(f->Command5->Enabled());
        QCOMPARE(f->focusWidget(), f->Command3[0]);
        // Tab reaches every command too, after the cells and the check, and comes round
        QStringList order;
        for (int i = 0; i < 40 && !order.contains(focused(f)); ++i) {
            order << focused(f);
            keys(f, "t");
        }
        for (const char *name : {"Comprueba", "Uno menos, unidades", "Resta", "Suma", "División", "Multiplicación",
                                 "Cifras de cada número: 3", "Carrera: encender o apagar", "SALIDA", "RESULTADOS", "FONDOS"})
            QVERIFY2(order.contains(name), name);
        QVERIFY(order.indexOf("Comprueba") < order.indexOf("Suma"));
    }

    void afterACheck_data()
    {
        QTest::addColumn<QString>("next"); // how the next exercise is asked for, or "" a wrong answer checked twice
        QTest::newRow("twice wrong, unchanged: once; then right") << "";
        QTest::newRow("operation") << "operation";
        QTest::newRow("digit count") << "digits";
        QTest::newRow("table") << "table";
    }
    void afterACheck()
    {
        QFETCH(QString, next);
        Form1 *f = loadMainWindow();
        exercise(Op::Multiplication, 4, 3);
        if (next.isEmpty()) { // the numbers run on, across the windows; an answer checked again unchanged counts once
            listenForAnnouncements();
            clickTimes(f->Command5, 2);
            QCOMPARE(announcements(), QStringList({"REPASA", "REPASA"}));
            addAttempt(ExerciseKind::WrittenMultiplication, 23, 24, true, true); // 23 X 4
        }
        f->Command10[1]->setCaption("1");
        clickAnswer(f, "21");
        click(f->Command5);
        QCOMPARE(lastLine(), QStringLiteral("%1. Multiplicación: 4 X 3 = 12 ** ¡MUY BIEN! **").arg(next.isEmpty() ? 3 : 1));
        QCOMPARE(resultsLines().first(), next.isEmpty() ? "1. Multiplicación: 4 X 3 <> 0 ** REPASA **" : lastLine());
        QCOMPARE(f->Command10[1]->Caption(), QString()); // a right answer wipes the carries
        click(f->Command3[0]);                            // and locks the boxes and the check
        click(f->Image1[1]);
        click(f->Command5);
        QCOMPARE(cells(f->Command3), QStringLiteral("2b1b"));
        QCOMPARE(resultsLines().size(), next.isEmpty() ? 3 : 1);
        if (next.isEmpty())
            return;
        click(next == "operation" ? f->Command1[3] : next == "digits" ? f->Command2 : f->Command4[2]);
        QVERIFY(f->Command5->Enabled() && f->Command3[0]->Enabled() && f->Image1[0]->isEnabled());
        QCOMPARE(f->Command5->Caption() + cells(f->Command3).left(2), QStringLiteral("Comprueba.w"));
    }

    void leaving_data()
    {
        QTest::addColumn<bool>("closeBox"); // the window's close box, or SALIDA
        QTest::addColumn<bool>("yes");
        for (bool closeBox : {false, true})
            for (bool yes : {false, true})
                QTest::addRow("%s, %s", closeBox ? "close box" : "SALIDA", yes ? "yes" : "no") << closeBox << yes;
    }
    void leaving()
    {
        QFETCH(bool, closeBox);
        QFETCH(bool, yes);
        int ended = 0;
        Module1::EndProgram = [&] { ++ended; };
        Form1 *f = loadMainWindow();
        const QString before = row(f->Label1) + row(f->Label2);
        Sound::requests().clear();
        QString asked;
        QTimer::singleShot(0, [&] { // the question, answered
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box && box->defaultButton() == box->button(QMessageBox::Yes));
            asked = box->windowTitle() + " " + box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        closeBox ? void(f->close()) : click(f->Command8[0]);
        QCOMPARE(asked, QStringLiteral("CUENTAS ¿Quieres salir de Cuentas?"));
        QVERIFY(Sound::requests().isEmpty());
        QCOMPARE(ended, yes ? 1 : 0);
        QCOMPARE(f->isVisible(), !(closeBox && yes)); // the close box closes once the answer is yes
        QVERIFY(forms().form5()->isVisible());
        QCOMPARE(row(f->Label1) + row(f->Label2), before);
    }

    void backgrounds_data()
    {
        QTest::addColumn<QVector<QRgb>>("pictures");
        QTest::addColumn<bool>("notAPicture"); // a text file among them, first in name order
        QTest::addColumn<QList<QRgb>>("shown"); // at load, then after each of three presses
        QTest::newRow("none") << QVector<QRgb>{} << false << QList<QRgb>{0, 0, 0, 0};
        QTest::newRow("one") << QVector<QRgb>{0xff0000} << false << QList<QRgb>{0xff0000, 0xff0000, 0xff0000, 0xff0000};
        QTest::newRow("two") << QVector<QRgb>{0xff0000, 0x0000ff} << false << QList<QRgb>{0x0000ff, 0xff0000, 0x0000ff, 0xff0000};
        QTest::newRow("three") << QVector<QRgb>{0xff0000, 0x00ff00, 0x0000ff} << false << QList<QRgb>{0x00ff00, 0x0000ff, 0xff0000, 0x00ff00};
        QTest::newRow("not a picture skipped") << QVector<QRgb>{0xff0000, 0x0000ff} << true << QList<QRgb>{0xff0000, 0x0000ff, 0x0000ff, 0xff0000};
    }
    void backgrounds()
    {
        QFETCH(QVector<QRgb>, pictures);
        QFETCH(bool, notAPicture);
        QFETCH(QList<QRgb>, shown);
        data->backgrounds(pictures);
        if (pictures.isEmpty())
            data->remove("/Fondos"); // no folder at all
        if (notAPicture)
            data->write("/Fondos/0-notas.png", "not a picture at all");
        Form1 *f = loadMainWindow();
        QList<QRgb> seen{pictureColour(f)};
        Sound::requests().clear();
        for (int i = 0; i < 3; ++i) {
            click(f->Command8[2]);
            seen << pictureColour(f);
            QVERIFY(Module1::BackgroundIndex >= 0 && Module1::BackgroundIndex <= qMax(0, f->File1->ListCount() - 1));
        }
        QCOMPARE(seen, shown);
        QCOMPARE(Sound::requests(), QStringList(3, "/sonidos/fondo.wav"));
        if (pictures.size() != 3)
            return;
        // one position for every window; each window keeps its own picture
        click(f->Command1[0]);
        click(f->Command9[1]);
        Form2 *d = forms().form2();
        QCOMPARE(pictureColour(d), QRgb(0x00ff00)); // opened on the main window's picture
        click(d->Command13[2]);
        click(f->Command8[2]);
        QCOMPARE(QList<QRgb>({pictureColour(d), pictureColour(f)}), QList<QRgb>({0x0000ff, 0xff0000}));
    }

    void launchersAndResults()
    {
        Form1 *f = loadMainWindow();
        click(f->Command7[0]); // race on
        click(f->Command1[0]);
        Sound::requests().clear();
        click(f->Command9[1]);
        QCOMPARE(colours({f->Command9[1], f->Command1[0], f->Command1[1], f->Command1[2], f->Command1[3]}), QStringLiteral("bbggg"));
        QCOMPARE(Sound::requests(), QStringList({"/sonidos/operacion.wav"}));
        QVERIFY(f->Timer1->Enabled()); // the division launcher leaves the race running
        Form2 *d = forms().form2();
        QVERIFY(d->isVisible() && d->geometry() == f->geometry());
        QVERIFY(QTest::qWaitForWindowActive(d));
        keys(d, "e"); // Escape does what SALIR does: back to the main window
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(f));
        QVERIFY(d->isVisible());
        click(f->Command1[3]);
        click(f->Command6);
        QVERIFY(!f->Timer1->Enabled()); // the multiplication launcher stops it
        Form3 *m = forms().form3();
        QVERIFY(m->isVisible() && m->geometry() == f->geometry());
        QCOMPARE(m->MultiplicationTitle, QStringLiteral("Multiplicación: "));
        forms().form5()->hide();
        Sound::requests().clear();
        click(m->Command8[1]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/historial.wav"});
        QVERIFY(forms().form5()->isVisible());
    }

    void labelColourPlayAndCoveredSettings()
    {
        data->backgrounds({0xff0000, 0x00ff00});
        data->write("/paralistos.txt", "SI\r\n");
        Form1 *f = loadMainWindow();
        scriptRandom({pick(16, 0, 12), pick(16, 0, 9)});
        for (auto [label, colour] : {std::pair{f->Label1[0], vb::Colour(0x0000FF)}, {f->Label2[2], vb::Colour(0xFF0000)}}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(label, &move);
            QCOMPARE(label->ForeColor(), colour);
        }
        // The panel covers the settings from a new exercise to its right answer, showing the background's corner.
        exercise(Op::Addition, 5, 4);
        QVERIFY(f->Picture1->Visible());
        QCOMPARE(f->Picture1->Image().size(), f->Picture1->size());
        QCOMPARE(f->Picture1->grab().toImage().pixel(3, 3) & 0xFFFFFF, pictureColour(f));
        clickAnswer(f, "8");
        click(f->Command5); // wrong: still covered
        QVERIFY(f->Picture1->Visible());
        clickAnswer(f, "1");
        click(f->Command5);
        QVERIFY(!f->Picture1->Visible());
        click(f->Command8[2]); // the panel follows the background
        QCOMPARE(f->Picture1->grab().toImage().pixel(3, 3) & 0xFFFFFF, pictureColour(f));
    }

    // ---------------------------------------------------------------- the race

    void race_data()
    {
        // A script of steps (on: the switch; s1..s3: a speed; t30: thirty ticks; f: ticks to the
        // finish; "21": keys typed into the answer; c: the check; +, n, 4: a new exercise by the
        // operation, the digit count, the table of 4), and what the child then sees: the runner's
        // place and speed, whether it runs, the check button, the lines written, the last one.
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        const QString wrong = QStringLiteral("Suma: 5 + 7 <> 0 ** REPASA **");
        QTest::newRow("on, then off keeps the runner where it was") << "on t5 on" << "50 200 1.gif hidden stopped Comprueba 0";
        QTest::newRow("on again goes on from there; from the edge the finish is 733 ticks away")
            << "x on t5 on on t1 f" << "7330 200 1.gif shown stopped 12 1 " + wrong;
        QTest::newRow("baby") << "on x t30 s1 t1" << "430 200 1.gif shown running Comprueba 0";
        QTest::newRow("dinosaur") << "on x t30 s2 t1" << "430 100 2.gif shown running Comprueba 0";
        QTest::newRow("runner") << "on x t30 s3 t1" << "430 50 3.gif shown running Comprueba 0";
        QTest::newRow("finish, nothing typed: 721 ticks") << "on x f" << "7330 200 1.gif shown stopped 12 1 " + wrong;
        QTest::newRow("finish, wrong") << "on x 31 f" << "7330 200 1.gif shown stopped 12 1 Suma: 5 + 7 <> 13 ** REPASA **";
        QTest::newRow("finish, right") << "on x 21 f" << "7330 200 1.gif shown stopped ¡MUY BIEN! 1 Suma: 5 + 7 = 12 ** ¡MUY BIEN! **";
        QTest::newRow("a division shows its quotient") << "on / f" << "7330 200 1.gif shown stopped 3 1 División: 12 / 4 <>  ** REPASA **";
        QTest::newRow("off and on after a finish: finished at once, the same answer not counted again")
            << "on x f on on t1" << "7340 200 1.gif shown stopped 12 1 " + wrong;
        QTest::newRow("a right check stops it at the start")
            << "on x t100 21 c" << "120 200 1.gif shown stopped ¡MUY BIEN! 1 Suma: 5 + 7 = 12 ** ¡MUY BIEN! **";
        QTest::newRow("a wrong check leaves it running; the finish does not count the same answer again")
            << "on x t100 11 c t1 f" << "7330 200 1.gif shown stopped 12 1 Suma: 5 + 7 <> 11 ** REPASA **";
        QTest::newRow("a wrong check, then mended: the finish judges the new answer")
            << "on x t100 11 c TT2 f" << "7330 200 1.gif shown stopped ¡MUY BIEN! 2 Suma: 5 + 7 = 12 ** ¡MUY BIEN! **";
        for (const char *next : {"+", "n", "4"}) // a new exercise by the operation, the digit count, a table
            QTest::addRow("a new exercise restarts it: %s", next) << QStringLiteral("on x f %1").arg(next)
                                                                   << "120 200 1.gif shown running Comprueba 1 " + wrong;
    }
    void race()
    {
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Form1 *f = loadMainWindow();
        listenForAnnouncements();
        Sound::requests().clear();
        for (const QString &step : script.split(' ')) {
            if (step == "x" || step == "/")
                exercise(step == "x" ? Op::Addition : Op::Division, step == "x" ? 5 : 12, step == "x" ? 7 : 4);
            else if (step == "on")
                click(f->Command7[0]);
            else if (step.startsWith('s'))
                click(f->Command7[step.mid(1).toInt()]);
            else if (step.startsWith('t'))
                for (int i = step.mid(1).toInt(); i > 0; --i)
                    f->Timer1_Timer();
            else if (step == "f")
                for (int i = 0; i < 2000 && f->Timer1->Enabled(); ++i)
                    f->Timer1_Timer();
            else if (step == "c")
                click(f->Command5);
            else if (step == "+" || step == "n")
                click(step == "+" ? f->Command1[1] : f->Command2);
            else if (step == "4")
                click(f->Command1[3]), click(f->Command4[2]);
            else
                keys(f, step);
            handlerDone();
        }
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                     .arg(f->RunnerLeft).arg(f->Timer1->Interval()).arg(QFileInfo(f->Vorlando1->file()).fileName(),
                          f->Vorlando1->Visible() ? "shown" : "hidden", f->Timer1->Enabled() ? "running" : "stopped", f->Command5->Caption())
                     .arg(resultsLines().size()).arg(lastLine().section(". ", 1)).trimmed(),
                 seen);
        if (script.endsWith('f') || script.section(' ', -1).startsWith('t')) // the runner is drawn where a tick put it
            QCOMPARE(f->Vorlando1->Left(), f->RunnerLeft);
        QCOMPARE(f->Vorlando1->isPlaying(), f->Vorlando1->Visible());
        QCOMPARE(f->Command7[1]->Visible() && f->Command7[3]->Visible(), seen.contains(" shown "));
        QCOMPARE(f->Command7[0]->Picture().toImage(), f->Image2[seen.contains(" shown ") ? 0 : 1]->Picture().toImage());
        QCOMPARE(f->Command5->Enabled() && f->Command3[0]->Enabled(), seen.contains("Comprueba")); // a finish locks entry
        if (f->Command5->Caption().toInt() > 0) // the race's own check of a wrong answer shows and says the right one
            QCOMPARE(announcements().value(announcements().size() - 1), "REPASA: " + f->Command5->Caption());
        if (script.startsWith("on t5"))
            QCOMPARE(Sound::requests().mid(0, 2), QStringList(2, "/sonidos/corre.wav"));
    }

    void afterTheRaceTheAnswerIsClosed()
    {
        // The runner reached the check: the answer as judged stays, by mouse and by keyboard.
        Form1 *f = loadMainWindow();
        click(f->Command7[0]);
        exercise(Op::Addition, 5, 7);
        clickAnswer(f, "3");
        for (int i = 0; i < 2000 && f->Timer1->Enabled(); ++i)
            f->Timer1_Timer();
        const QString judged = cells(f->Command3);
        QCOMPARE(judged, QStringLiteral("3r.r"));
        Sound::requests().clear();
        clickTimes(f->Command3[0], 2);
        click(f->Image1[1]);
        for (CommandButton *box : f->Command3) {
            if (!box->Visible())
                continue;
            QFocusEvent focus(QEvent::FocusIn); // even were it to get the keyboard
            QCoreApplication::sendEvent(box, &focus);
            for (Qt::Key k : {Qt::Key_4, Qt::Key_Backspace, Qt::Key_Up, Qt::Key_Down}) {
                QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, k == Qt::Key_4 ? QStringLiteral("4") : QString());
                QCoreApplication::sendEvent(box, &press);
            }
        }
        QCOMPARE(cells(f->Command3), judged);
        QVERIFY(Sound::requests().isEmpty());
        QCOMPARE(resultsLines().size(), 1);
    }

    void theRaceRunsOnItsOwn()
    {
        data->remove("/gifs/1.gif");
        Form1 *f = loadMainWindow();
        click(f->Command7[0]);
        QVERIFY(!f->Vorlando1->hasAnimation()); // no runner picture: the race runs all the same
        click(f->Command7[3]);
        QTRY_VERIFY_WITH_TIMEOUT(f->RunnerLeft >= 200, 3000);
        QCOMPARE(f->Vorlando1->Left(), f->RunnerLeft);
    }
};

QTEST_MAIN(TestColumn)
#include "tst_column.moc"
