// The presentation window: title, texts, and accepting the child's name.
#include "testkit.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"
#include "windows/results/form5.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>

class TestPresentation : public FreshProgramTest
{
    Q_OBJECT

private slots:
    // Run first, while no sound has been asked for in this process.
    void soundWaitsForTheName_data()
    {
        QTest::addColumn<bool>("device"); // the sound library is there
        QTest::newRow("no sound library: beeps, the windows come all the same") << false;
        QTest::newRow("the sound library, loaded while the name is typed") << true;
    }
    void soundWaitsForTheName()
    {
        QFETCH(bool, device);
        auto loaded = [] {
            QFile maps("/proc/self/maps");
            maps.open(QIODevice::ReadOnly);
            const QByteArray m = maps.readAll();
            return QStringLiteral("%1 %2").arg(m.contains("libQt6Multimedia") ? "multimedia" : "-", m.contains("cuentas-sound") ? "device" : "-");
        };
        Sound::setLibrary(device ? QString() : data->path("/no-such-sound.so"));
        Form4 *f = forms().form4();
        QString atFirstPaint;
        struct Watch : QObject {
            std::function<void()> painted;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint && painted)
                    std::exchange(painted, nullptr)();
                return false;
            }
        } watch;
        watch.painted = [&] { atFirstPaint = loaded(); };
        f->installEventFilter(&watch);
        f->Show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QTRY_VERIFY(!atFirstPaint.isEmpty());
        QTest::qWait(100);
        QCOMPARE(atFirstPaint + "/" + loaded(), QStringLiteral("- -/- -")); // nothing of the sound stack yet
        // The first letter of the name starts loading it; the main window does not wait for it.
        QTest::keyClicks(f->Text1, "A");
        QTest::keyClick(f->Text1, Qt::Key_Return);
        QVERIFY(forms().isLoaded1() && forms().form1()->isVisible());
        Sound::play("/sonidos/pulsa.wav"); // asked for early: played once the device is ready
        Sound::waitUntilReady();
        QCOMPARE(Sound::ready(), device);
        QCOMPARE(loaded(), device ? "multimedia device" : "- -");
        const int handed = Sound::handedToDevice();
        QCOMPARE(handed > 0, device);
        // Ready, the first click plays at once.
        click(forms().form1()->Command3[0]);
        QCOMPARE(Sound::handedToDevice(), handed + (device ? 1 : 0));
        QCOMPARE(Sound::requests().mid(Sound::requests().size() - 2), QStringList({"/sonidos/pulsa.wav", "/sonidos/pulsa.wav"}));
    }

    void opensCentredWithItsTexts_data()
    {
        QTest::addColumn<QByteArray>("content"); // of the language file; null: none at all, empty: as shipped
        QTest::addColumn<QString>("texts");      // the label, the button, and the button's prompt for a name
        QTest::newRow("as shipped") << QByteArray("") << "Nombre/ACEPTAR/Escribe tu nombre";
        QTest::newRow("missing") << QByteArray() << "Nombre/ACEPTAR/";
        QTest::newRow("one line") << cp1252Lines({"Tu nombre"}) << "Tu nombre/ACEPTAR/";
        QTest::newRow("empty second line") << cp1252Lines({"Niño", "", "¡Escribe!"}) << "Niño//¡Escribe!";
    }
    void opensCentredWithItsTexts()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, texts);
        if (content.isNull())
            data->remove("/idioma/presentacion.txt");
        else if (!content.isEmpty())
            data->write("/idioma/presentacion.txt", content);
        Form4 *f = forms().form4();
        f->Show();
        QVERIFY(f->Caption().startsWith("Cuentas 2.2 - ") && f->Caption().size() > 20);
        QCOMPARE(f->Image1->Picture().size(), QSize(457, 332));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(QRect(f->pos(), f->size()), QRect((screen.width() - 476) / 2, (screen.height() - 456) / 2, 476, 456));
        QCOMPARE(f->focusWidget(), f->Text1); // the name is typed at once
        QVERIFY(!forms().isLoaded1());
        const QString before = f->Label1->Caption() + "/" + f->Command1->Caption() + "/";
        click(f->Command1); // no name yet: the button asks for one
        QCOMPARE(before + f->Command1->Caption(), texts);
        QVERIFY(f->Command1->Enabled());
    }

    void accept_data()
    {
        QTest::addColumn<QString>("typed"); // "" none, then the button asks; then Leo, with Enter
        QTest::newRow("a name") << "Ana María";
        QTest::newRow("a single blank") << " ";
        QTest::newRow("untrimmed, any characters") << "  Ñandú <3 ";
        QTest::newRow("none") << "";
    }
    void accept()
    {
        QFETCH(QString, typed);
        Form4 *f = forms().form4();
        f->Show();
        for (QChar c : typed) { // any text, accents included, as key presses
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(f->Text1, &press);
        }
        QCOMPARE(f->Text1->Text(), typed);
        click(f->Command1);
        if (typed.isEmpty()) { // the button asks for a name, and stays
            QCOMPARE(f->Command1->Caption(), QStringLiteral("Escribe tu nombre"));
            QCOMPARE(f->Command1->font().pointSizeF(), 14.0);
            QVERIFY(f->Command1->Enabled() && f->isVisible() && !forms().isLoaded1() && Module1::PlayerName.isEmpty());
            QTest::keyClicks(f->Text1, "Leo");
            QTest::keyClick(f->Text1, Qt::Key_Return);
            typed = "Leo";
        }
        QCOMPARE(Module1::PlayerName, typed);
        QVERIFY(forms().isLoaded1() && forms().form1()->isVisible());
        QCOMPARE(forms().form5()->Label1->Caption(), typed + " – tus resultados");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded4()); // gone for good
    }
};

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
