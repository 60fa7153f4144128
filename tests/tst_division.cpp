// The written-division window: levels, starting, step checks with lights and
// flashes, the quotient timer, finishing, the results line, and the keyboard.
#include "testkit.h"

#include "windows/division/form2.h"
#include "windows/forms.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

Form2 *openDivision()
{
    loadMainWindow();
    Form2 *f = forms().form2();
    f->Show();
    f->Timer1->setEnabled(false); // the tests tick it themselves
    return f;
}

void tick(Form2 *f)
{
    emit f->Timer1->tick();
    handlerDone();
}

// The captions of the visible cells of a row, "." for one without a caption.
QString shown(const ControlArray<CommandButton> &a) { return cells(a).remove(QRegularExpression("[a-z?]")); }

// The lights switched on: "g" green with a tick, "r" red with a cross ("?" anything else).
QString lights(Form2 *f)
{
    QString s;
    for (Shape *l : f->Shape1)
        if (l->Visible())
            s += l->FillColor() == vb::Green && l->verdict() == Verdict::Right ? 'g' : l->FillColor() == vb::Red && l->verdict() == Verdict::Wrong ? 'r' : '?';
    return s;
}

// Works a division with the mouse, by a script of steps:
//   R2:04  writes 04 into remainder row 2, right-aligned under the group (_ leaves a cell empty)
//   v      brings the next digit down          Q176  writes the quotient, a tick after each digit
//   0 1 2  clicks quotient cell k: its digit of "176", or once round back to it
//   1=8    clicks quotient cell 1 until it shows 8 (at most ten times)
//   1^ 1b  the keys ↑ and Backspace on quotient cell 1
//   t      a tick of the quotient timer         F     Fin
// and says what the child then sees: the lights, the percentage boxes, the
// quotient cells, the first remainder row and the last results line.
QString work(Form2 *f, const QString &script)
{
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        if (step.startsWith('R')) {
            const int row = step[1].digitValue();
            const QString digits = step.mid(3);
            for (int i = 0; i < digits.size(); ++i)
                if (digits[digits.size() - 1 - i] != '_')
                    clickTimes(f->RemainderCell(row, row + f->Division.FirstGroupDigits - 2 - i),
                               digits[digits.size() - 1 - i].digitValue() == 0 ? 10 : digits[digits.size() - 1 - i].digitValue());
        } else if (step == "v") {
            bringDown(f);
        } else if (step.startsWith('Q')) {
            for (int k = 1; k < step.size(); ++k) {
                clickTimes(f->Command11[k - 1], step[k].digitValue() == 0 ? 10 : step[k].digitValue());
                tick(f);
            }
        } else if (step == "t") {
            tick(f);
        } else if (step == "F") {
            click(f->Command9);
        } else if (step.contains('=')) {
            CommandButton *cell = f->Command11[step.front().digitValue()];
            for (int i = 0; i < 10 && cell->Caption() != step.back(); ++i)
                click(cell);
        } else if (step.size() == 2) {
            QTest::keyClick(f->Command11[step.front().digitValue()], step.back() == '^' ? Qt::Key_Up : Qt::Key_Backspace);
            handlerDone();
        } else {
            CommandButton *cell = f->Command11[step.toInt()];
            clickTimes(cell, cell->Caption() == "-" ? QStringLiteral("176")[step.toInt()].digitValue() : 10);
        }
    }
    return QStringLiteral("%1 %2/%3 %4 %5 %6")
        .arg(lights(f), f->Command10[0]->Caption(), f->Command10[1]->Caption(), cells(f->Command11), cells(f->Command5), lastLine());
}

// 1234 : 7 worked right: 12 − 7 = 5, 53 − 49 = 4, 44 − 42 = 2; 176.
const QString Right1234 = QStringLiteral("R1:05 v R2:04 v R3:02 Q176");

} // namespace

class TestDivision : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void starting_data()
    {
        // A division drawn by the level button, every digit at its lowest or highest, or one set;
        // Empezar then works it without drawing again, and opens its first step.
        QTest::addColumn<int>("presses"); // of the level button; -1: the division is set
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("division");
        QTest::addColumn<QString>("start"); // the first remainder row, the quotient and the arrows shown; the expected quotient
        QTest::newRow("as loaded, at its highest") << 0 << 0.9999 << "9999 : 9" << "- - .(0) 1111";
        QTest::newRow("level 1, lowest") << 1 << 0.0 << "10000 : 20" << "--- - .(2) 500-";
        QTest::newRow("level 2, highest") << 2 << 0.9999 << "999999 : 999" << "--- - .(2) 1001";
        QTest::newRow("back to level 0") << 3 << 0.9999 << "9999 : 9" << "- - .(0) 1111";
        // set, not drawn
        QTest::newRow("1234 : 7") << -1 << 0.0 << "1234 : 7" << "-- - .(1) 176-";
        QTest::newRow("7000 : 7, equal is enough") << -1 << 0.0 << "7000 : 7" << "- - .(0) 1000";
        QTest::newRow("123456 : 200") << -1 << 0.0 << "123456 : 200" << "---- - .(3) 617-";
    }
    void starting()
    {
        QFETCH(int, presses);
        QFETCH(double, r);
        QFETCH(QString, division);
        QFETCH(QString, start);
        Random::setSource([r] { return r; });
        Form2 *f = openDivision();
        QCOMPARE(f->focusWidget(), f->Command3);
        if (presses < 0)
            f->ShowDivision(LongDivision::Of(division.section(" : ", 0, 0).toInt(), division.section(" : ", 1, 1).toInt()));
        clickTimes(f->Command4, std::max(presses, 0));
        QCOMPARE(f->Division.Level, division.section(" : ", 1, 1).size() - 1);
        QCOMPARE(shown(f->Command1) + " : " + shown(f->Command2) + "/" + f->Label1->Caption(), division + "/" + division);
        QVERIFY(f->Command3->isEnabled() && f->Command4->isEnabled() && !f->Command9->Visible());
        QCOMPARE(lights(f) + f->Command3->Caption() + shown(f->Command5) + shown(f->Command11) + shown(f->Command12), "Empezar");
        Random::setSource([] { return 0.5; });
        click(f->Command3);
        QCOMPARE(f->Label1->Caption(), division);
        QVERIFY(!f->Command3->isEnabled() && !f->Command4->isEnabled());
        int arrow = 0;
        while (!f->Command12[arrow]->Visible())
            ++arrow;
        QString text; // the quotient the checks expect, "-" past its end
        for (int k = 0; k < LongDivision::QuotientDigits; ++k)
            text += k < int(f->Division.Steps.size()) ? QString::number(f->Division.QuotientCell(k).right) : QStringLiteral("-");
        QCOMPARE(QStringLiteral("%1 %2 %3(%4) %5").arg(shown(f->Command5), shown(f->Command11), shown(f->Command12)).arg(arrow).arg(text), start);
    }

    void working_data()
    {
        QTest::addColumn<QString>("division");
        QTest::addColumn<QString>("script"); // see work()
        QTest::addColumn<QString>("seen");
        const QString line = QStringLiteral("1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 ** ");
        const QString worked = QStringLiteral(" 1c7c6c 0c5c3c ") + line;
        QTest::newRow("all right") << "1234 7" << Right1234 + " F" << "ggggggggg 100 % bien/0 % mal" + worked + "¡MUY BIEN! **";
        QTest::newRow("four steps, all right") << "9876 2" << "R1:1 v R2:0 v R3:1 v R4:0 Q4938 F"
                                               << "gggggggg 100 % bien/0 % mal 4c9c3c8c 1c8c 1. DIVISIÓN 9876 : 2 = 4938 + RESTO - 0 ** ¡MUY BIEN! **";
        QTest::newRow("one wrong remainder digit") << "1234 7" << "R1:06 v R2:04 v R3:02 Q176 F"
                                                   << "rgggggggg 88 % bien/11 % mal 1c7c6c 0c5r3c " + line + "REPASA **";
        QTest::newRow("two wrong, after the first step") << "1234 7" << "R1:16 v" << "rr 0 % bien/100 % mal -w 0r5r3c ";
        QTest::newRow("a wrong quotient digit, shown right") << "1234 7" << "R1:05 v R2:04 v R3:02 Q186 F"
                                                             << "gggggrggg 88 % bien/11 % mal 1c7r6c 0c5c3c " + line + "REPASA **";
        QTest::newRow("an empty cell is 0, and right") << "1500 8" << "R1:_7 v Q2 1 t" << "ggr 66 % bien/33 % mal 1r7w-w 0c7c0c ";
        // the timer checks the quotient digit left behind, once per move
        QTest::newRow("moving right checks the digit left behind") << "1234 7" << "0 t 1 t" << "g 100 % bien/0 % mal 1c7w-w -w-w ";
        QTest::newRow("two moves in one tick check only the last") << "1234 7" << "0 1 2 t" << "g 100 % bien/0 % mal 1w7c6w -w-w ";
        QTest::newRow("the same cell, never") << "1234 7" << "0 t 0 t 0 t" << " / 1w-w -w-w ";
        // every digit judged once, whatever the order: the lights and the percentages counted by hand
        const QString rows = QStringLiteral("R1:05 v R2:04 v R3:02 ");
        QTest::newRow("back to an earlier cell: it keeps its digit, nothing is judged again")
            << "1234 7" << "0 t 1 t 2 t 1 t 0 t 1 t" << "gg 100 % bien/0 % mal 1c7c6w -w-w ";
        QTest::newRow("2, 7, 6, then ↑ on the second digit and Fin")
            << "1234 7" << rows + "0=2 t 1=7 t 2=6 t 1^ t F" << "ggggrgggg 88 % bien/11 % mal 1r7c6c 0c5c3c " + line + "REPASA **";
        QTest::newRow("forward past an empty cell: it is wrong, once")
            << "1234 7" << rows + "0=1 t 1b 2=6 t F" << "ggggrgggg 88 % bien/11 % mal 1c7r6c 0c5c3c " + line + "REPASA **";
        QTest::newRow("the same cell twice before moving on: the digit it holds then")
            << "1234 7" << rows + "0=2 0=1 t 1=7 t 2=6 t F" << "ggggggggg 100 % bien/0 % mal" + worked + "¡MUY BIEN! **";
        QTest::newRow("back and forth twice over a judged cell")
            << "1234 7" << rows + "0=1 t 1=7 t 0^ t 1^ t 0^ t 1^ t F" << "gggggggrr 77 % bien/22 % mal 1c7r6r 0c5c3c " + line + "REPASA **";
        QTest::newRow("Fin at once: every digit judged, each once")
            << "1234 7" << "v v F" << "rgrgrgrrr 33 % bien/66 % mal 1r7r6r 0c5r3c " + line + "REPASA **";
        // Fin checks the last row, the cell it stands on, and every quotient digit no tick has seen
        QTest::newRow("last digit never written") << "1234 7" << "R1:05 v R2:04 v R3:02 0 t 1 t F"
                                                  << "ggggggggr 88 % bien/11 % mal 1c7c6r 0c5c3c " + line + "REPASA **";
        QTest::newRow("quick moves leave a right digit unseen") << "1234 7" << "R1:05 v R2:04 v R3:02 0 1 2 t F"
                                                                << "ggggggggg 100 % bien/0 % mal" + worked + "¡MUY BIEN! **";
        QTest::newRow("finish standing on an earlier cell") << "1234 7" << "R1:05 v R2:04 v R3:02 0 t 1 t 2 t 1 t F"
                                                            << "ggggggggg 100 % bien/0 % mal" + worked + "¡MUY BIEN! **";
        // sixteen digits, the most a division has: the last quotient digit, wrong, judged by Fin, lights the sixteenth light
        QTest::newRow("the sixteenth light, by Fin") << "456789 123" << "R1:087 v R2:016 v R3:045 v R4:090 Q3714 F"
                                                    << "gggggggggggggggr 93 % bien/6 % mal 3c7c1c3r 0c8c7c7c "
                                                       "1. DIVISIÓN 456789 : 123 = 3713 + RESTO - 90 ** REPASA **";
    }
    void working()
    {
        QFETCH(QString, division);
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Clock::setSecond(5);
        Form2 *f = openDivision();
        f->ShowDivision(LongDivision::Of(division.section(' ', 0, 0).toInt(), division.section(' ', 1, 1).toInt()));
        click(f->Command3);
        QCOMPARE(work(f, script), seen);
        QCOMPARE(f->Division.RightCount() + f->Division.WrongCount(), lights(f).size());
    }

    void finWaitsForTheLastDigit_data()
    {
        QTest::addColumn<QString>("division");
        QTest::addColumn<int>("bringDowns");
        QTest::newRow("a long first group") << "1234 7" << 2;
        QTest::newRow("a short first group") << "9876 2" << 3;
        QTest::newRow("three-digit divisor") << "123456 200" << 2;
    }
    void finWaitsForTheLastDigit()
    {
        QFETCH(QString, division);
        QFETCH(int, bringDowns);
        Clock::setSecond(1);
        Form2 *f = openDivision();
        f->ShowDivision(LongDivision::Of(division.section(' ', 0, 0).toInt(), division.section(' ', 1, 1).toInt()));
        QVERIFY(!f->Command9->Visible());
        click(f->Command3);
        // a click that comes late (queued behind a flash, a double click) on Fin or an arrow
        // that is not there: nothing before Fin is there, nothing a second time
        auto press = [](CommandButton *b) {
            b->click();
            handlerDone();
        };
        press(f->Command9);
        QVERIFY(!f->Division.Finished());
        int downs = 0;
        for (; !f->Command9->Visible() && downs < 5; ++downs) {
            int enabled = 0;
            for (CommandButton *arrow : f->Command12)
                enabled += arrow->Visible() && arrow->isEnabled();
            QCOMPARE(enabled, 1); // one arrow waits at a time
            bringDown(f);
        }
        QCOMPARE(downs, bringDowns); // Fin came with the last digit, not before
        for (CommandButton *arrow : f->Command12)
            QVERIFY(!arrow->isEnabled() || !arrow->Visible());
        click(f->Command9);
        QVERIFY(!f->Command9->Visible());
        const QString lit = lights(f);
        listenForAnnouncements();
        press(f->Command9);
        for (CommandButton *arrow : f->Command12)
            press(arrow);
        QCOMPARE(lights(f) + announcements().join(' '), lit);
        QCOMPARE(resultsLines().size(), 1);
    }

    void aStepAsTheChildSeesIt()
    {
        Clock::setSecond(20);
        Form2 *f = openDivision();
        f->ShowDivision(LongDivision::Of(1234, 7));
        click(f->Command3);
        listenForAnnouncements();
        Sound::requests().clear();
        work(f, "R1:06");
        QCOMPARE(Sound::requests(), QStringList(16, "/sonidos/pulsa.wav")); // every click of a cell
        work(f, "v");
        QCOMPARE(f->RemainderCell(1, 2)->Caption(), QStringLiteral("3")); // the digit brought down
        QCOMPARE(f->RemainderCell(1, 1)->Caption() + f->Command10[0]->Caption(), QStringLiteral("550 % bien")); // the right digit shown
        QCOMPARE(f->Vorlando1->file(), data->path("/gifs/no.gif"));
        QCOMPARE(spoken(f->RemainderCell(1, 1), QAccessible::Description) + spoken(f->RemainderCell(1, 0), QAccessible::Description), QStringLiteral("malbien"));
        // brought down: light cyan and not judged; judged right: light cyan with its tick
        for (auto [cell, verdict] : {std::pair{f->RemainderCell(1, 2), Verdict::None}, {f->RemainderCell(1, 0), Verdict::Right}})
            QVERIFY(cell->BackColor() == 0xFFFF80 && cell->verdict() == verdict);
        work(f, "R2:04 v");
        QCOMPARE(f->RemainderCell(2, 3)->Caption() + f->Vorlando1->file(), "4" + data->path("/gifs/si.gif"));
        Sound::requests().clear();
        work(f, "R3:02 Q176 F");
        QCOMPARE(Sound::requests().last(), QStringLiteral("/sonidos/fallo.wav"));
        QCOMPARE(announcements(), QStringList({"Resto 1: mal", "Resto 2: bien", "Cociente, cifra 1: bien", "Cociente, cifra 2: bien",
                                                "Resto 3: bien. Cociente, cifra 3: bien. REPASA 88 % bien"}));
        QCOMPARE(f->Command10[3]->Caption() + "/" + f->Command10[2]->Caption(), QStringLiteral("1 REPASA/"));
        QVERIFY(!f->Command9->Visible() && f->Command3->isEnabled() && f->Command4->isEnabled());
        // a right one next: its own total, its own sound; then a start draws anew and clears the working
        f->ShowDivision(LongDivision::Of(1234, 7));
        click(f->Command3);
        work(f, Right1234 + " F");
        QCOMPARE(f->Command10[2]->Caption() + "/" + f->Command10[3]->Caption(), QStringLiteral("1 ¡MUY BIEN!/1 REPASA"));
        QCOMPARE(Sound::requests().last() + f->Vorlando1->file(), "/sonidos/acierto.wav" + data->path("/gifs/si.gif"));
        Random::setSource([] { return 0.0; });
        click(f->Command3);
        QCOMPARE(f->Label1->Caption() + lights(f) + shown(f->Command6), QStringLiteral("1000 : 2"));
        QCOMPARE(f->RemainderCell(1, 0)->verdict(), Verdict::None);
    }

    void keyboardAlone()
    {
        // 1234 : 7 from Empezar to Fin with keys only, one remainder digit wrong.
        Clock::setSecond(5);
        Form2 *f = openDivision();
        f->ShowDivision(LongDivision::Of(1234, 7));
        int presses = 0;
        auto press = [&](const QString &k, const QString &then = QString()) {
            keys(f, k);
            presses += int(k.size());
            if (!then.isEmpty())
                QCOMPARE(focused(f), then);
        };
        press("_", "Cociente, cifra 1"); // Empezar
        QCOMPARE(spoken(f->focusWidget(), QAccessible::Description), QStringLiteral("1234 : 7"));
        press("15", "Resto 1, cifra 1"); // the remainder from its units, leftwards
        press("0", "Bajar la cifra 3");
        press("_", "Cociente, cifra 2");
        press("7");
        tick(f);
        press("40_6");
        tick(f);
        press("30", "Fin");
        press("r");
        QCOMPARE(lights(f), QStringLiteral("ggggggrgg"));
        QCOMPARE(lastLine(), QStringLiteral("1. DIVISIÓN 1234 : 7 = 176 + RESTO - 2 ** REPASA **"));
        QCOMPARE(f->focusWidget(), f->Command3);
        QCOMPARE(presses, 13);
        // a level chosen after a finish: Empezar works the division it shows
        Random::setSource([] { return 0.0; });
        keys(f, "t_"); // NIVEL
        QCOMPARE(f->Label1->Caption(), QStringLiteral("10000 : 20"));
        Random::setSource([] { return 0.5; });
        keys(f, "T_"); // Empezar
        QCOMPARE(f->Label1->Caption() + "/" + focused(f), QStringLiteral("10000 : 20/Cociente, cifra 1"));
    }

    void aFlashIsGentleAndHoldsClicks()
    {
        Clock::setSecond(300);
        Form2 *f = openDivision();
        f->ShowDivision(LongDivision::Of(1234, 7));
        click(f->Command3);
        work(f, "R1:06");
        scriptRandom({0.0, 0.3, 0.99, 0.0, 0.3, 0.99});
        QString during;
        QVector<QRgb> colours;
        QTimer sample;
        QObject::connect(&sample, &QTimer::timeout, [&] { colours << f->RemainderCell(1, 1)->BackColor(); });
        sample.start(5);
        QTimer::singleShot(100, [&] {
            clickTimes(f->RemainderCell(2, 1), 2);
            tick(f);
            during = f->RemainderCell(2, 1)->Caption();
        });
        work(f, "v");
        sample.stop();
        QCOMPARE(during + f->RemainderCell(2, 1)->Caption(), QStringLiteral("-2")); // not handled inside the flash; both after it
        QCOMPARE(f->RemainderCell(1, 1)->BackColor(), vb::Red);
        // Over its second the cell shows colours 10 to 15, changing at most three times.
        QVERIFY(colours.size() >= 20);
        int changes = 1;
        for (int i = 1; i < colours.size(); ++i) {
            QVERIFY(QSet<QRgb>({vb::paletteColour(10), vb::paletteColour(12), vb::paletteColour(15)}).contains(colours[i]));
            changes += colours[i] != colours[i - 1];
        }
        QVERIFY2(changes >= 2 && changes <= 3, qPrintable(QString::number(changes)));
        // The close box pressed during a flash closes the window once the flash is over; it loads afresh.
        work(f, "R2:_5");
        QTimer::singleShot(30, f, [f] { f->close(); });
        work(f, "v");
        QVERIFY(!f->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded2());
        Form2 *again = forms().form2();
        QCOMPARE(QList<int>({again->Division.Level, int(shown(again->Command1).size()), again->Division.RightCount() + again->Division.WrongCount() + again->DivisionsWrong}),
                 QList<int>({0, 4, 0}));
        QVERIFY(again->Command3->isEnabled());
    }
};

QTEST_MAIN(TestDivision)
#include "tst_division.moc"
