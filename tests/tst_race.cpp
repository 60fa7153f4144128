// Race mode of the column window. The timer is driven tick by tick.
#include "column_helpers.h"

#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QTest>

class TestRace : public FreshProgramTest
{
    Q_OBJECT

    // Ticks until the timer stops or the limit; returns the ticks run.
    static int runUntilStopped(Form1 *f, int limit)
    {
        int ticks = 0;
        while (f->Timer1->Enabled() && ticks < limit) {
            f->Timer1_Timer();
            ++ticks;
        }
        return ticks;
    }

    // A one-digit addition 5 + 7 with the race on at its start line.
    Form1 *raceOnTwelve()
    {
        Form1 *f = loadMainWindow();
        chooseDigits(f, 1);
        click(f->Command7[0]);
        scriptRandom(additionDraws("5", "7"));
        click(f->Command1[1]);
        return f;
    }

private slots:
    void switchOnAndOff()
    {
        Form1 *f = loadMainWindow();
        Sound::requests().clear();
        click(f->Command7[0]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/corre.wav"});
        for (int i = 1; i <= 3; ++i)
            QVERIFY(f->Command7[i]->Visible());
        QVERIFY(f->Vorlando1->Visible());
        QVERIFY(f->Vorlando1->isPlaying());
        QVERIFY(f->Timer1->Enabled());
        QCOMPARE(f->Timer1->Interval(), 200);
        QCOMPARE(f->Command7[0]->Picture().toImage(), f->Image2[0]->Picture().toImage());
        for (int i = 0; i < 5; ++i)
            f->Timer1_Timer();
        const int left = f->Vorlando1->Left();
        QCOMPARE(left, 50); // from the window's left edge, 10 twips a tick

        click(f->Command7[0]);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!f->Command7[i]->Visible());
        QVERIFY(!f->Vorlando1->Visible());
        QVERIFY(!f->Vorlando1->isPlaying()); // a hidden runner does not animate
        QVERIFY(!f->Timer1->Enabled());
        QCOMPARE(f->Command7[0]->Picture().toImage(), f->Image2[1]->Picture().toImage());
        QCOMPARE(forms().form5()->List1->ListCount(), 0);
        QCOMPARE(f->Vorlando1->Left(), left);
    }

    void firstRaceAfterLoadFinishesOnTick733()
    {
        Form1 *f = loadMainWindow();
        click(f->Command7[0]);
        QCOMPARE(runUntilStopped(f, 2000), 733);
        QCOMPARE(forms().form5()->List1->ListCount(), 1);
    }

    void speeds_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("interval");
        QTest::newRow("baby") << 1 << 200;
        QTest::newRow("dinosaur") << 2 << 100;
        QTest::newRow("runner") << 3 << 50;
    }
    void speeds()
    {
        QFETCH(int, button);
        QFETCH(int, interval);
        Form1 *f = raceOnTwelve();
        for (int i = 0; i < 30; ++i)
            f->Timer1_Timer();
        Sound::requests().clear();
        click(f->Command7[button]);
        QCOMPARE(Sound::requests(), QStringList{"/sonidos/corre.wav"});
        QCOMPARE(f->Timer1->Interval(), interval);
        QVERIFY(f->Timer1->Enabled());
        QVERIFY(f->Vorlando1->Visible());
        QVERIFY(f->Vorlando1->file().endsWith(QStringLiteral("/gifs/%1.gif").arg(button)));
        QVERIFY(f->Vorlando1->isPlaying());
        QCOMPARE(f->RunnerLeft, 120 + 300); // goes on from where it was
        f->Timer1_Timer();
        QCOMPARE(f->Vorlando1->Left(), 430);
    }

    void finishChecksWhatIsTyped_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << QStringList{} << "12" << "1. Suma: 5 + 7 <> 0 ** REPASA **";
        QTest::newRow("wrong") << QStringList{"3", "1"} << "12" << "1. Suma: 5 + 7 <> 13 ** REPASA **";
        QTest::newRow("right") << QStringList{"2", "1"} << "¡MUY BIEN!" << "1. Suma: 5 + 7 = 12 ** ¡MUY BIEN! **";
    }
    void finishChecksWhatIsTyped()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, caption);
        QFETCH(QString, line);
        Form1 *f = raceOnTwelve();
        typeAnswer(f, typed);
        QCOMPARE(runUntilStopped(f, 2000), 721);
        QCOMPARE(f->Command5->Caption(), caption);
        QVERIFY(!f->Command5->Enabled());
        QVERIFY(!f->Command3[0]->Enabled());
        QCOMPARE(lastLine(), line);
        QCOMPARE(f->Vorlando2->Visible(), caption != "12");
        click(f->Command3[0]);
        QCOMPARE(f->Command3[0]->Caption(), typed.value(0));
    }

    void finishOfAWrongDivisionShowsItsQuotient()
    {
        Form1 *f = loadMainWindow();
        click(f->Command7[0]);
        scriptRandom(divisionDraws(4, 7));
        click(f->Command1[0]);
        runUntilStopped(f, 2000);
        QCOMPARE(lastLine(), QStringLiteral("1. División: 28 / 4 <>  ** REPASA **"));
        QCOMPARE(f->Command5->Caption(), QStringLiteral("7"));
    }

    void rightManualCheckStopsTheRace()
    {
        Form1 *f = raceOnTwelve();
        for (int i = 0; i < 100; ++i)
            f->Timer1_Timer();
        typeNumber(f, 12);
        click(f->Command5);
        QVERIFY(!f->Timer1->Enabled());
        QCOMPARE(f->RunnerLeft, 120);
        QVERIFY(f->Vorlando1->Visible());
        QCOMPARE(forms().form5()->List1->ListCount(), 1);
    }

    void wrongManualCheckLeavesItRunning()
    {
        Form1 *f = raceOnTwelve();
        for (int i = 0; i < 100; ++i)
            f->Timer1_Timer();
        typeNumber(f, 11);
        click(f->Command5);
        QVERIFY(f->Timer1->Enabled());
        QCOMPARE(f->RunnerLeft, 1120);
        QCOMPARE(runUntilStopped(f, 2000), 621);
        // judged once more at the finish: a second line
        QCOMPARE(forms().form5()->List1->ListCount(), 2);
        QCOMPARE(lastLine(), QStringLiteral("2. Suma: 5 + 7 <> 11 ** REPASA **"));
    }

    void newExerciseRestartsTheRace_data()
    {
        QTest::addColumn<int>("how"); // 0 operation, 1 digit count, 2 table
        QTest::newRow("operation") << 0;
        QTest::newRow("digit count") << 1;
        QTest::newRow("table") << 2;
    }
    void newExerciseRestartsTheRace()
    {
        QFETCH(int, how);
        Form1 *f = raceOnTwelve();
        runUntilStopped(f, 2000);
        QVERIFY(!f->Timer1->Enabled());
        scriptRandom({});
        if (how == 2) {
            click(f->Command1[3]);
            for (int i = 0; i < 50; ++i)
                f->Timer1_Timer();
            click(f->Command4[3]);
        } else {
            click(how == 0 ? f->Command1[1] : f->Command2);
        }
        QCOMPARE(f->RunnerLeft, 120);
        QVERIFY(f->Timer1->Enabled());
        QVERIFY(f->Command5->Enabled());
        QCOMPARE(f->Command5->Caption(), QStringLiteral("Comprueba"));
    }

    void switchingOnAgainAfterAFinishFinishesAtOnce()
    {
        Form1 *f = raceOnTwelve();
        runUntilStopped(f, 2000);
        click(f->Command7[0]);
        click(f->Command7[0]);
        QCOMPARE(runUntilStopped(f, 2000), 1);
        QCOMPARE(forms().form5()->List1->ListCount(), 2);
    }

    void theTimerReallyDrivesTheRunner()
    {
        Form1 *f = raceOnTwelve();
        click(f->Command7[3]);
        QTRY_VERIFY_WITH_TIMEOUT(f->RunnerLeft >= 200, 3000);
        QCOMPARE(f->Vorlando1->Left(), f->RunnerLeft);
    }

    void aRaceWithoutRunnerPicturesStillFinishes()
    {
        data->remove("/gifs");
        Form1 *f = raceOnTwelve();
        QVERIFY(!f->Vorlando1->hasAnimation());
        QCOMPARE(runUntilStopped(f, 2000), 721);
        QCOMPARE(forms().form5()->List1->ListCount(), 1);
    }
};

QTEST_MAIN(TestRace)
#include "tst_race.moc"
