// The column-arithmetic window: load, exercise draws, answer entry, checking,
// results lines and the window commands.
#include "column_helpers.h"

#include "windows/division/form2.h"
#include "windows/forms.h"
#include "windows/multiplication/form3.h"
#include "windows/results/form5.h"

#include <QAccessible>
#include <QDirIterator>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TestColumn : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void stateAfterLoad()
    {
        data->write("/paralistos.txt", "SI\r\n");
        Form1 *f = loadMainWindow();
        QVERIFY(f->ParalistosOn);
        QVERIFY(!f->Picture1->Visible()); // hidden even in the covered variant
        QCOMPARE(f->Command1[1]->BackColor(), vb::Blue);
        for (int i : {0, 2, 3})
            QCOMPARE(f->Command1[i]->BackColor(), vb::Green);
        for (int i = 0; i <= 8; ++i)
            QVERIFY(!f->Command4[i]->Visible());
        QCOMPARE(f->Command4[8]->BackColor(), vb::Blue);
        QVERIFY(!f->Command6->Visible());
        QVERIFY(!f->Command9[1]->Visible());
        QVERIFY(!f->Vorlando1->Visible());
        QVERIFY(!f->Vorlando2->Visible());
        QVERIFY(!f->Timer1->Enabled());
        QVERIFY(!f->Command7[1]->Visible());
        QCOMPARE(f->Command7[0]->Picture().toImage(), f->Image2[1]->Picture().toImage());
        QVERIFY(f->Command5->Enabled());
        QCOMPARE(f->Command5->Caption(), QStringLiteral("Comprueba"));
        QCOMPARE(f->Command8[0]->Caption(), QStringLiteral("SALIDA"));
        QCOMPARE(f->ExitQuestion, QStringLiteral("¿Quieres salir de Cuentas?"));
        // a three-digit addition: plus sign, rule, carry boxes over tens and hundreds
        QVERIFY(f->Line1->Visible() && f->Line2->Visible() && f->Line3->Visible());
        QVERIFY(!f->Line4->Visible() && !f->Line6->Visible());
        QCOMPARE(rowText(f->Label1).size(), 3);
        QCOMPARE(rowText(f->Label2).size(), 3);
        QCOMPARE(visibleBoxes(f), QString::number(f->Current.ExpectedResult).size());
        QVERIFY(f->Command10[1]->Visible() && f->Command10[2]->Visible());
        QCOMPARE(f->Command10[2]->Top(), f->Label1[2]->Top() - f->Command10[1]->Height());
        QCOMPARE(f->Command10[2]->Left(), f->Label1[2]->Left() + 200);
        // centred on the screen, results window shown
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(f->pos(), QPoint((screen.width() - f->width()) / 2, (screen.height() - f->height()) / 2));
        QVERIFY(forms().form5()->isVisible());
        QCOMPARE(forms().form5()->Label1->Caption(), QStringLiteral("Ana – tus resultados"));
        // first background: the picture at position 1
        QCOMPARE(Module1::BackgroundIndex, 2);
        QVERIFY(!f->Picture().isNull());
    }

    void flagFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("on");
        QTest::newRow("SI") << QByteArray("SI\r\n") << true << true;
        QTest::newRow("SI without line end") << QByteArray("SI") << true << true;
        QTest::newRow("lower case") << QByteArray("si\r\n") << true << false;
        QTest::newRow("trailing blank") << QByteArray("SI \r\n") << true << false;
        QTest::newRow("NO") << QByteArray("NO\r\n") << true << false;
        QTest::newRow("empty") << QByteArray() << true << false;
        QTest::newRow("missing") << QByteArray() << false << false;
    }
    void flagFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFETCH(bool, on);
        if (present)
            data->write("/paralistos.txt", content);
        else
            data->remove("/paralistos.txt");
        data->remove("/idioma/formulario1y2.txt");
        Form1 *f = loadMainWindow();
        QCOMPARE(f->ParalistosOn, on);
        // without the language file the exit question is the flag line
        QCOMPARE(f->ExitQuestion, present && !content.isEmpty() ? QString::fromLatin1(content).remove("\r\n") : QString());
        QCOMPARE(f->Command5->Caption(), QStringLiteral("Comprueba"));
        QCOMPARE(f->Command8[2]->Caption(), QStringLiteral("FONDOS"));
    }

    void draws_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("table"); // Command4 index pressed last, -1 none
        QTest::addColumn<QVector<double>>("script");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("sign");

        QTest::newRow("addition 3 digits") << 1 << 3 << -1 << additionDraws("854", "163") << "854"
                                           << "163" << 4 << "+";
        QTest::newRow("addition 2 digits") << 1 << 2 << -1 << additionDraws("25", "17") << "25"
                                           << "17" << 2 << "+";
        QTest::newRow("addition 1 digit") << 1 << 1 << -1 << additionDraws("5", "7") << "5"
                                          << "7" << 2 << "+";
        // one-digit subtraction: top 7..9, bottom 1..top; 7 − 7 leaves one box
        QTest::newRow("subtraction 7-7") << 2 << 1 << -1
                                         << (commonDraws(1, true, {}, {}) << pick(3, 7, 7) << pick(7, 1, 7)) << "7"
                                         << "7" << 1 << "-";
        // two digits: the tens digit of the second number is drawn until it is not 0
        QTest::newRow("subtraction 2 digits") << 2 << 2 << -1
                                              << (additionDraws("13", "15") << pick(3, 7, 8)
                                                                                       << pick(8, 0, 0) << pick(8, 0, 0)
                                                                                       << pick(8, 0, 6))
                                              << "83"
                                              << "65" << 2 << "-";
        QTest::newRow("subtraction 3 digits") << 2 << 3 << -1
                                              << (additionDraws("140", "199") << pick(3, 7, 9)
                                                                                             << pick(9, 0, 8))
                                              << "940"
                                              << "899" << 2 << "-";
        QTest::newRow("999 x 9 by table 9") << 3 << 3 << 7 << productDraws("999") << "999"
                                            << "9" << 4 << "x";
        QTest::newRow("2-9 draws the multiplier") << 3 << 2 << 8
                                                  << (productDraws("14") << r8(6)) << "14"
                                                  << "6" << 2 << "x";
        QTest::newRow("table 7 ignores the draw") << 3 << 1 << 5 << productDraws("3") << "3"
                                                  << "7" << 2 << "x";
        QTest::newRow("division below 10") << 0 << 3 << -1 << divisionDraws(2, 3)
                                           << ""
                                           << "62" << 1 << "/";
        QTest::newRow("division 81") << 0 << 1 << -1 << (commonDraws(1, true, {}, {}) << r8(9) << r8(9)) << ""
                                     << "819" << 1 << "/";
    }
    void draws()
    {
        QFETCH(int, operation);
        QFETCH(int, digits);
        QFETCH(int, table);
        QFETCH(QVector<double>, script);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(int, boxes);
        QFETCH(QString, sign);

        Form1 *f = loadMainWindow();
        chooseDigits(f, digits);
        Sound::requests().clear();
        if (table >= 0) {
            scriptRandom({});
            click(f->Command1[operation]);
            scriptRandom(script);
            click(f->Command4[table]);
            QCOMPARE(f->Command4[table]->BackColor(), vb::Blue);
            QCOMPARE(f->Command4[table == 0 ? 1 : 0]->BackColor(), vb::Green);
        } else {
            scriptRandom(script);
            click(f->Command1[operation]);
            QCOMPARE(Sound::requests(), QStringList{"/sonidos/operacion.wav"});
        }
        QCOMPARE(scriptedLeft(), 0);
        QCOMPARE(rowText(f->Label1), top);
        QCOMPARE(rowText(f->Label2), bottom);
        QCOMPARE(visibleBoxes(f), boxes);
        for (int i = 0; i <= 3; ++i) {
            QCOMPARE(f->Command3[i]->Caption(), QString());
            QCOMPARE(f->Command3[i]->BackColor(), vb::White);
        }
        QCOMPARE(f->Line2->Visible(), sign == "+");
        QCOMPARE(f->Line3->Visible(), sign == "+" || sign == "-");
        QCOMPARE(f->Line4->Visible() && f->Line5->Visible(), sign == "x");
        QCOMPARE(f->Line6->Visible() && f->Line7->Visible(), sign == "/");
        QCOMPARE(f->Line1->Visible(), sign != "/");
        QCOMPARE(f->Command6->Visible(), sign == "x");
        QCOMPARE(f->Command4[8]->Visible(), sign == "x");
        QCOMPARE(f->Command9[1]->Visible(), sign == "/");
        QCOMPARE(f->Command1[operation]->BackColor(), vb::Blue);
        // carry boxes over the tens and hundreds of the first number, when shown
        QCOMPARE(f->Command10[1]->Visible(), f->Label1[1]->Visible());
        QCOMPARE(f->Command10[2]->Visible(), f->Label1[2]->Visible());
        // the right answer, typed, is judged right
        const int answer = f->Current.ExpectedResult;
        typeNumber(f, answer);
        click(f->Command5);
        QCOMPARE(f->Command5->Caption(), QStringLiteral("¡MUY BIEN!"));
    }

    void subtractionCarryBoxesSitUnderTheFirstRow()
    {
        Form1 *f = loadMainWindow();
        scriptRandom(commonDraws(3, true, {}, {}) << pick(3, 7, 9) << pick(9, 0, 1));
        click(f->Command1[2]);
        for (int k = 1; k <= 2; ++k) {
            QCOMPARE(f->Command10[k]->Top(), f->Label2[k]->Top() + f->Label2[k]->Height() - f->Command10[1]->Height() - 200);
            QCOMPARE(f->Command10[k]->Left(), f->Label2[k]->Left() + f->Label2[k]->Width() - 50);
        }
    }

    void digitCountDoesNothingForDivision()
    {
        Form1 *f = loadMainWindow();
        scriptRandom(divisionDraws(4, 7));
        click(f->Command1[0]);
        const QString before = rowText(f->Label2);
        Sound::requests().clear();
        scriptRandom(divisionDraws(9, 9));
        click(f->Command2);
        QCOMPARE(f->Command2->Caption(), QStringLiteral("3"));
        QCOMPARE(rowText(f->Label2), before);
        QVERIFY(Sound::requests().isEmpty());
        QCOMPARE(scriptedLeft(), 10);
    }

    void digitCountCycles()
    {
        Form1 *f = loadMainWindow();
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            scriptRandom({});
            click(f->Command2);
            seen << f->Command2->Caption() + ":" + QString::number(rowText(f->Label1).size());
        }
        QCOMPARE(seen, QStringList({"1:1", "2:2", "3:3", "1:1"}));
        QCOMPARE(Sound::requests().last(), QStringLiteral("/sonidos/num.wav"));
    }

    void digitEntry()
    {
        Form1 *f = loadMainWindow();
        scriptRandom(additionDraws("999", "999"));
        click(f->Command1[1]);
        Sound::requests().clear();
        CommandButton *box = f->Command3[0];
        click(box);
        QCOMPARE(box->Caption(), QStringLiteral("1"));
        clickTimes(box, 9);
        QCOMPARE(box->Caption(), QStringLiteral("0")); // 9 is followed by 0
        click(box);
        QCOMPARE(box->Caption(), QStringLiteral("1")); // never empty again
        QCOMPARE(Sound::requests(), QStringList(11, "/sonidos/pulsa.wav"));

        Sound::requests().clear();
        click(f->Image1[1]);
        QCOMPARE(f->Command3[1]->Caption(), QStringLiteral("9")); // empty counts as 0
        click(f->Image1[1]);
        QCOMPARE(f->Command3[1]->Caption(), QStringLiteral("8"));
        clickTimes(f->Command3[2], 1);
        click(f->Image1[2]);
        click(f->Image1[2]);
        QCOMPARE(f->Command3[2]->Caption(), QStringLiteral("9"));
        QCOMPARE(Sound::requests().count("/sonidos/pulsa-.wav"), 4);

        Sound::requests().clear();
        click(f->Command10[2]);
        click(f->Command10[2]);
        QCOMPARE(f->Command10[2]->Caption(), QStringLiteral("2"));
        QVERIFY(Sound::requests().isEmpty()); // carry boxes are silent
        // a new exercise empties the carry boxes
        scriptRandom(commonDraws(3, true, {}, {}));
        click(f->Command1[1]);
        QCOMPARE(f->Command10[2]->Caption(), QString());
    }

    void checks_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QVector<double>>("script");
        QTest::addColumn<QStringList>("typed"); // units first
        QTest::addColumn<QString>("colours");   // per box, units first: b blue, r red
        QTest::addColumn<QString>("line");      // after "1. "

        QTest::newRow("12 typed 21") << 1 << 1 << additionDraws("5", "7") << QStringList{"1", "2"} << "rr"
                                     << "Suma: 5 + 7 <> 21 ** REPASA **";
        QTest::newRow("12 typed 13") << 1 << 1 << additionDraws("5", "7") << QStringList{"3", "1"} << "rb"
                                     << "Suma: 5 + 7 <> 13 ** REPASA **";
        QTest::newRow("12 right") << 1 << 1 << additionDraws("5", "7") << QStringList{"2", "1"} << "bb"
                                  << "Suma: 5 + 7 = 12 ** ¡MUY BIEN! **";
        QTest::newRow("7 with an empty box") << 1 << 1 << additionDraws("3", "4") << QStringList{""} << "r"
                                             << "Suma: 3 + 4 <> 0 ** REPASA **";
        QTest::newRow("25 + 17 right") << 1 << 2 << additionDraws("25", "17") << QStringList{"2", "4"}
                                       << "bb"
                                       << "Suma: 25 + 17 = 42 ** ¡MUY BIEN! **";
        QTest::newRow("25 + 17 typed 32") << 1 << 2 << additionDraws("25", "17") << QStringList{"2", "3"}
                                          << "br"
                                          << "Suma: 25 + 17 <> 32 ** REPASA **";
        QTest::newRow("subtraction right") << 2 << 2
                                           << (additionDraws("13", "15") << pick(3, 7, 8) << pick(8, 0, 6))
                                           << QStringList{"8", "1"} << "bb"
                                           << "Resta: 83 - 65 = 18 ** ¡MUY BIEN! **";
        QTest::newRow("subtraction wrong") << 2 << 2
                                           << (additionDraws("13", "15") << pick(3, 7, 8) << pick(8, 0, 6))
                                           << QStringList{"2", "2"} << "rr"
                                           << "Resta: 83 - 65 <> 22 ** REPASA **";
        QTest::newRow("999 x 9 right") << 3 << 3 << (productDraws("999") << r8(9))
                                       << QStringList{"1", "9", "9", "8"} << "bbbb"
                                       << "Multiplicación: 999 X 9 = 8991 ** ¡MUY BIEN! **";
        QTest::newRow("999 x 9 wrong thousands") << 3 << 3 << (productDraws("999") << r8(9))
                                                 << QStringList{"1", "9", "9", "9"} << "bbbr"
                                                 << "Multiplicación: 999 X 9 <> 9991 ** REPASA **";
        QTest::newRow("12 / 4 = 3") << 0 << 3 << divisionDraws(4, 3)
                                    << QStringList{"3"} << "b"
                                    << "División: 12 / 4 = 3 ** ¡MUY BIEN! **";
        QTest::newRow("12 / 4 typed 4") << 0 << 3 << divisionDraws(4, 3)
                                        << QStringList{"4"} << "r"
                                        << "División: 12 / 4 <> 4 ** REPASA **";
        QTest::newRow("division empty box") << 0 << 3 << divisionDraws(4, 3)
                                            << QStringList{""} << "r"
                                            << "División: 12 / 4 <>  ** REPASA **";
    }
    void checks()
    {
        QFETCH(int, operation);
        QFETCH(int, digits);
        QFETCH(QVector<double>, script);
        QFETCH(QStringList, typed);
        QFETCH(QString, colours);
        QFETCH(QString, line);

        Form1 *f = loadMainWindow();
        chooseDigits(f, digits);
        scriptRandom(script);
        click(f->Command1[operation]);
        QCOMPARE(visibleBoxes(f), colours.size());
        typeAnswer(f, typed);
        Sound::requests().clear();
        click(f->Command5);

        const bool right = !line.contains("<>");
        for (int i = 0; i < colours.size(); ++i)
            QCOMPARE(f->Command3[i]->BackColor(), colours[i] == 'b' ? vb::Blue : vb::Red);
        QCOMPARE(lastLine(), "1. " + line);
        QCOMPARE(forms().form5()->List1->ListCount(), 1);
        QCOMPARE(f->Command5->Caption(), right ? QStringLiteral("¡MUY BIEN!") : QStringLiteral("REPASA"));
        QCOMPARE(Sound::requests(), QStringList{right ? "/sonidos/acierto.wav" : "/sonidos/fallo.wav"});
        QCOMPARE(f->Vorlando2->Visible(), right);
        QCOMPARE(f->Command5->Enabled(), !right);
        QCOMPARE(f->Command3[0]->Enabled(), !right);
        QCOMPARE(f->Image1[0]->isEnabled(), !right);
        if (right)
            QVERIFY(f->Vorlando2->file().endsWith("/gifs/acierto2.gif"));
    }

    void numberingRunsOnAcrossChecksAndWindows()
    {
        Form1 *f = loadMainWindow();
        oneDigitAddition(f, 5, 7);
        click(f->Command5);
        click(f->Command5); // the same wrong answer twice: two lines
        // another window records an exercise in between
        ++Module1::ResultsCounter;
        forms().form5()->List1->AddItem("3. Multiplicación: 23 X 4 = 92 ** ¡MUY BIEN! **");
        typeNumber(f, 12);
        click(f->Command5);
        ListBox *list = forms().form5()->List1;
        QCOMPARE(list->ListCount(), 4);
        QVERIFY(list->List(0).startsWith("1. Suma: 5 + 7 <> 0 "));
        QVERIFY(list->List(1).startsWith("2. Suma: 5 + 7 <> 0 "));
        QCOMPARE(list->List(3), QStringLiteral("4. Suma: 5 + 7 = 12 ** ¡MUY BIEN! **"));
    }

    void rightAnswerLocksUntilNextExercise()
    {
        Form1 *f = loadMainWindow();
        oneDigitAddition(f, 5, 7);
        typeNumber(f, 12);
        click(f->Command5);
        QVERIFY(!f->Command5->Enabled());
        click(f->Command3[0]);
        click(f->Image1[1]);
        QCOMPARE(f->Command3[0]->Caption(), QStringLiteral("2"));
        QCOMPARE(f->Command3[1]->Caption(), QStringLiteral("1"));
        click(f->Command5);
        QCOMPARE(forms().form5()->List1->ListCount(), 1);
        // each way of asking for a new exercise unlocks
        scriptRandom({});
        click(f->Command2);
        QVERIFY(f->Command5->Enabled());
        QVERIFY(f->Command3[0]->Enabled() && f->Image1[0]->isEnabled());
        QCOMPARE(f->Command5->Caption(), QStringLiteral("Comprueba"));
        QCOMPARE(f->Command3[0]->BackColor(), vb::White);
        QCOMPARE(f->Command3[0]->Caption(), QString());
    }

    void verdictWithoutLanguageFile()
    {
        data->remove("/idioma/formulario1y2.txt");
        Form1 *f = loadMainWindow();
        oneDigitAddition(f, 5, 7);
        typeAnswer(f, {"1", "2"});
        Sound::requests().clear();
        click(f->Command5);
        // judged wrong, recorded as wrong, and the child may try again
        QCOMPARE(lastLine(), QStringLiteral("1. : 5 + 7 <> 21 **  **"));
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/fallo.wav"});
        QVERIFY(!f->Vorlando2->Visible());
        QVERIFY(f->Command5->Enabled());
        QCOMPARE(f->Command3[0]->BackColor(), vb::Red);
        clickTimes(f->Command3[0], 1);
        clickTimes(f->Command3[1], 9);
        click(f->Command5);
        QCOMPARE(lastLine(), QStringLiteral("2. : 5 + 7 = 12 **  **"));
        QVERIFY(!f->Command5->Enabled());
        QVERIFY(!f->Command3[0]->Enabled());
        QCOMPARE(f->Command3[0]->Caption(), QStringLiteral("2"));
    }

    void successAnimationHidesItselfAtItsEnd()
    {
        Form1 *f = loadMainWindow();
        oneDigitAddition(f, 5, 4);
        typeNumber(f, 9);
        click(f->Command5);
        QVERIFY(f->Vorlando2->Visible());
        QVERIFY(f->Vorlando2->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!f->Vorlando2->Visible(), 10000);
    }

    void missingAnimationsAndSoundsDoNotStopAChecks()
    {
        data->remove("/gifs");
        data->remove("/sonidos");
        data->remove("/Fondos");
        Form1 *f = loadMainWindow();
        QVERIFY(f->Picture().isNull());
        oneDigitAddition(f, 5, 4);
        typeNumber(f, 9);
        click(f->Command5);
        QCOMPARE(lastLine(), QStringLiteral("1. Suma: 5 + 4 = 9 ** ¡MUY BIEN! **"));
        QVERIFY(!f->Vorlando2->hasAnimation());
        click(f->Command8[2]);
        QCOMPARE(Module1::BackgroundIndex, 0);
    }

    void everyDataFileBroken_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty") << "empty";
        QTest::newRow("not what the name says") << "garbage";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("other case") << "case";
    }
    void everyDataFileBroken()
    {
        QFETCH(QString, how);
        QDirIterator it(data->path(""), QDir::Files, QDirIterator::Subdirectories);
        QStringList files;
        while (it.hasNext())
            files << it.next();
        for (const QString &file : files) {
            QFile f(file);
            if (how == "missing") {
                f.remove();
            } else if (how == "case") {
                f.rename(QFileInfo(file).dir().filePath(QFileInfo(file).fileName().toUpper()));
            } else {
                QByteArray bytes;
                if (f.open(QIODevice::ReadOnly))
                    bytes = f.readAll();
                f.close();
                if (how == "garbage")
                    bytes = QByteArray(300, '\xFF') + QByteArray("\r\n\x00\x9D", 4);
                else if (how == "truncated")
                    bytes = bytes.left(bytes.size() / 3);
                else
                    bytes.clear();
                if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
                    QFAIL("cannot prepare the broken file");
            }
        }
        auto listing = [&] {
            QStringList all;
            QDirIterator again(data->path(""), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (again.hasNext())
                all << again.next() + ":" + QString::number(QFileInfo(again.filePath()).size());
            all.sort();
            return all;
        };
        const QStringList before = listing();

        Form1 *f = loadMainWindow();
        oneDigitAddition(f, 5, 4);
        typeNumber(f, 9);
        click(f->Command5);
        QCOMPARE(forms().form5()->List1->ListCount(), 1);
        QVERIFY(lastLine().startsWith("1. "));
        QVERIFY(lastLine().contains(" = 9 ** "));
        click(f->Command7[0]);
        click(f->Command7[2]);
        scriptRandom({});
        click(f->Command1[3]);
        for (int i = 0; i < 800 && f->Timer1->Enabled(); ++i)
            f->Timer1_Timer();
        QCOMPARE(forms().form5()->List1->ListCount(), 2);
        for (int i = 0; i < 3; ++i)
            click(f->Command8[2]);
        click(f->Command8[1]);
        click(f->Command6);
        QVERIFY(forms().form3()->isVisible());
        click(forms().form3()->Command8[2]);
        click(forms().form3()->Command7[2]); // a multiplication checked
        click(f->Command1[0]);
        click(f->Command9[1]);
        Form2 *d = forms().form2();
        d->Timer1->setEnabled(false);
        Clock::setSecond(1);
        click(d->Command3);
        for (int step = 0; step < 3 && !d->Command9->Visible(); ++step) // a division brought down to its end
            for (CommandButton *arrow : d->Command12)
                if (arrow->Visible() && arrow->isEnabled()) {
                    click(arrow);
                    break;
                }
        click(d->Command9);
        QCOMPARE(forms().form5()->List1->ListCount(), 4);
        QVERIFY(lastLine().startsWith("4. DIVISIÓN "));
        QTest::qWait(100);
        QCOMPARE(listing(), before); // nothing is ever written
    }

    void closeBoxOfTheMainWindowAsks()
    {
        int ended = 0;
        Module1::EndProgram = [&] { ++ended; };
        Form1 *f = loadMainWindow();
        answerNextMessageBox(false);
        f->close();
        QVERIFY(f->isVisible());
        QCOMPARE(ended, 0);
        answerNextMessageBox(true);
        f->close();
        QCOMPARE(ended, 1);
    }

    void pictureButtonsHaveSpokenNames()
    {
        Form1 *f = loadMainWindow();
        auto name = [](QObject *o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
        QCOMPARE(name(f->Command1[2]), QStringLiteral("Resta"));
        QCOMPARE(name(f->Command1[1]), QStringLiteral("Suma"));
        QVERIFY(name(f->Command7[0]).startsWith("Carrera"));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(name(f->Command7[i]).startsWith(QStringLiteral("Velocidad %1").arg(i)));
        QVERIFY(!name(f->Image1[0]).isEmpty());
        QCOMPARE(name(f->Command8[1]), QStringLiteral("RESULTADOS"));
    }

    void leaveCommand_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void leaveCommand()
    {
        QFETCH(bool, yes);
        int ended = 0;
        Module1::EndProgram = [&] { ++ended; };
        Form1 *f = loadMainWindow();
        const QString before = rowText(f->Label1) + rowText(f->Label2);
        Sound::requests().clear();
        QString title, text;
        bool yesDefault = false;
        answerNextMessageBox(yes, &title, &text, &yesDefault);
        click(f->Command8[0]);
        QCOMPARE(title, QStringLiteral("CUENTAS"));
        QCOMPARE(text, QStringLiteral("¿Quieres salir de Cuentas?"));
        QVERIFY(yesDefault);
        QCOMPARE(ended, yes ? 1 : 0);
        QVERIFY(Sound::requests().isEmpty());
        QVERIFY(f->isVisible() && forms().form5()->isVisible());
        QCOMPARE(rowText(f->Label1) + rowText(f->Label2), before);
    }

    void resultsCommand()
    {
        Form1 *f = loadMainWindow();
        forms().form5()->hide();
        Sound::requests().clear();
        click(f->Command8[1]);
        QVERIFY(forms().form5()->isVisible());
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/historial.wav"});
    }

    void backgroundOrder()
    {
        data->backgrounds({0xff0000, 0x00ff00, 0x0000ff});
        Form1 *f = loadMainWindow();
        QCOMPARE(pictureColour(f), QRgb(0x00ff00));
        QCOMPARE(Module1::BackgroundIndex, 2);
        QList<QRgb> seen;
        Sound::requests().clear();
        for (int i = 0; i < 3; ++i) {
            click(f->Command8[2]);
            seen << pictureColour(f);
        }
        QCOMPARE(seen, QList<QRgb>({0x0000ff, 0xff0000, 0x00ff00}));
        QCOMPARE(Sound::requests(), QStringList(3, "/sonidos/fondo.wav"));
    }

    void backgroundSharedAcrossWindows()
    {
        data->backgrounds({0xff0000, 0x00ff00, 0x0000ff});
        Form1 *f = loadMainWindow();
        scriptRandom(divisionDraws(4, 3));
        click(f->Command1[0]);
        click(f->Command9[1]);
        Form2 *d = forms().form2();
        QCOMPARE(pictureColour(d), QRgb(0x00ff00)); // opened on the main window's picture
        click(d->Command13[2]);
        QCOMPARE(pictureColour(d), QRgb(0x0000ff));
        QCOMPARE(pictureColour(f), QRgb(0x00ff00)); // each window keeps its own
        click(f->Command8[2]);
        QCOMPARE(pictureColour(f), QRgb(0xff0000));
    }

    void backgroundFewPictures_data()
    {
        QTest::addColumn<QVector<QRgb>>("pictures");
        QTest::addColumn<bool>("notAPicture"); // a text file among them, first in name order
        QTest::addColumn<QList<QRgb>>("shown");  // at load, then after each of three presses
        QTest::newRow("none") << QVector<QRgb>{} << false << QList<QRgb>{0, 0, 0, 0};
        QTest::newRow("one") << QVector<QRgb>{0xff0000} << false << QList<QRgb>{0xff0000, 0xff0000, 0xff0000, 0xff0000};
        QTest::newRow("two") << QVector<QRgb>{0xff0000, 0x0000ff} << false
                             << QList<QRgb>{0x0000ff, 0xff0000, 0x0000ff, 0xff0000};
        QTest::newRow("not a picture skipped") << QVector<QRgb>{0xff0000, 0x0000ff} << true
                                               << QList<QRgb>{0xff0000, 0x0000ff, 0x0000ff, 0xff0000};
    }
    void backgroundFewPictures()
    {
        QFETCH(QVector<QRgb>, pictures);
        QFETCH(bool, notAPicture);
        QFETCH(QList<QRgb>, shown);
        data->backgrounds(pictures);
        if (notAPicture)
            data->write("/Fondos/0-notas.png", "not a picture at all");
        Form1 *f = loadMainWindow();
        QList<QRgb> seen{pictureColour(f)};
        for (int i = 0; i < 3; ++i) {
            click(f->Command8[2]);
            seen << pictureColour(f);
            QVERIFY(Module1::BackgroundIndex >= 0 && Module1::BackgroundIndex <= qMax(0, f->File1->ListCount() - 1));
        }
        QCOMPARE(seen, shown);
    }

    void launchers()
    {
        Form1 *f = loadMainWindow();
        f->Command7_Click(0); // race on
        scriptRandom(divisionDraws(4, 3));
        click(f->Command1[0]);
        Sound::requests().clear();
        click(f->Command9[1]);
        QCOMPARE(f->Command9[1]->BackColor(), vb::Blue);
        QCOMPARE(f->Command1[0]->BackColor(), vb::Blue);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(f->Command1[i]->BackColor(), vb::Green);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/operacion.wav"});
        QVERIFY(f->Timer1->Enabled()); // the division launcher leaves the race running
        Form2 *d = forms().form2();
        QVERIFY(d->isVisible());
        QCOMPARE(d->pos(), f->pos());
        QCOMPARE(d->size(), f->size());
        QCOMPARE(d->Command13[0]->Caption(), QStringLiteral("SALIR"));
        QCOMPARE(d->Command4->Caption(), QStringLiteral("NIVEL"));
        QVERIFY(!d->Command9->Visible() && !d->Command1[4]->Visible() && !d->Command2[1]->Visible());
        click(d->Command13[0]);
        QVERIFY(d->isVisible() && f->isVisible());

        scriptRandom({});
        click(f->Command1[3]);
        click(f->Command6);
        QVERIFY(!f->Timer1->Enabled()); // the multiplication launcher stops it
        Form3 *m = forms().form3();
        QVERIFY(m->isVisible());
        QCOMPARE(m->pos(), f->pos());
        QCOMPARE(m->Command9[0]->Caption(), QString());
        QCOMPARE(m->MultiplicationTitle, QStringLiteral("Multiplicación: "));
        Sound::requests().clear();
        click(m->Command8[1]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/historial.wav"});
        QVERIFY(forms().form5()->isVisible());
    }

    void labelColourPlay()
    {
        Form1 *f = loadMainWindow();
        scriptRandom({pick(16, 0, 12), pick(16, 0, 9)});
        Label *l = f->Label1[0];
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), l->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(l, &move);
        QCOMPARE(l->ForeColor(), vb::Colour(0x0000FF));
        QMouseEvent move2(QEvent::MouseMove, QPointF(6, 6), f->Label2[2]->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f->Label2[2], &move2);
        QCOMPARE(f->Label2[2]->ForeColor(), vb::Colour(0xFF0000));
    }

    void coveredSettingsVariant()
    {
        data->backgrounds({0xff0000, 0x00ff00});
        data->write("/paralistos.txt", "SI\r\n");
        Form1 *f = loadMainWindow();
        QVERIFY(!f->Picture1->Visible());
        oneDigitAddition(f, 5, 4);
        QVERIFY(f->Picture1->Visible());
        QCOMPARE(f->Picture1->Image().size(), f->Picture1->size());
        QCOMPARE(f->Picture1->Image().toImage().pixel(3, 3) & 0xFFFFFF, pictureColour(f));
        typeNumber(f, 8);
        click(f->Command5); // wrong: still covered
        QVERIFY(f->Picture1->Visible());
        clickTimes(f->Command3[0], 1);
        click(f->Command5);
        QVERIFY(!f->Picture1->Visible());
        // the panel follows the background
        click(f->Command8[2]);
        QCOMPARE(f->Picture1->Image().toImage().pixel(3, 3) & 0xFFFFFF, pictureColour(f));
    }
};

QTEST_MAIN(TestColumn)
#include "tst_column.moc"
