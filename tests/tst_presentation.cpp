// The presentation window: title, texts, and accepting the child's name.
#include "testkit.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/presentation/form4.h"
#include "windows/results/form5.h"

#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QTest>

class TestPresentation : public FreshProgramTest
{
    Q_OBJECT

    // Types any text, accents included, as key presses.
    static void typeText(QWidget *w, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &press);
        }
    }

    Form4 *open()
    {
        Form4 *f = forms().form4();
        f->Show();
        return f;
    }

private slots:
    void opensCentredWithItsTexts()
    {
        Form4 *f = open();
        QVERIFY(f->Caption().startsWith("Cuentas 2.2 - "));
        QVERIFY(f->Caption().size() > QStringLiteral("Cuentas 2.2 - ").size());
        QCOMPARE(f->BackColor(), vb::Colour(0xC0C0FF));
        QCOMPARE(f->Label1->Caption(), QStringLiteral("Nombre"));
        QCOMPARE(f->Command1->Caption(), QStringLiteral("ACEPTAR"));
        QCOMPARE(f->NamePrompt, QStringLiteral("Escribe tu nombre"));
        QCOMPARE(f->Image1->Picture().size(), QSize(457, 332));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(f->pos(), QPoint((screen.width() - f->width()) / 2, (screen.height() - f->height()) / 2));
        QCOMPARE(f->size(), QSize(476, 456));
        QVERIFY(!forms().isLoaded1());
    }

    void accept_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a name") << "Ana María";
        QTest::newRow("a single blank") << " ";
        QTest::newRow("untrimmed, any characters") << "  Ñandú <3 ";
    }
    void accept()
    {
        QFETCH(QString, typed);
        Form4 *f = open();
        typeText(f->Text1, typed);
        QCOMPARE(f->Text1->Text(), typed);
        click(f->Command1);
        QCOMPARE(Module1::PlayerName, typed);
        QVERIFY(forms().isLoaded1());
        QVERIFY(forms().form1()->isVisible());
        QCOMPARE(forms().form5()->Label1->Caption(), typed + " – tus resultados");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!forms().isLoaded4()); // gone for good
    }

    void emptyNameAsksForOne()
    {
        Form4 *f = open();
        click(f->Command1);
        QCOMPARE(f->Command1->Caption(), QStringLiteral("Escribe tu nombre"));
        QCOMPARE(f->Command1->font().pointSizeF(), 14.0);
        QVERIFY(f->Command1->Enabled());
        QVERIFY(f->isVisible());
        QVERIFY(!forms().isLoaded1());
        QVERIFY(Module1::PlayerName.isEmpty());
        // and then a name goes through
        QTest::keyClicks(f->Text1, "Leo");
        QTest::keyClick(f->Text1, Qt::Key_Return);
        QCOMPARE(Module1::PlayerName, QStringLiteral("Leo"));
    }

    void languageFileMissingOrShort_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("missing") << QByteArray() << "Nombre" << "ACEPTAR" << "";
        QTest::newRow("one line") << cp1252Lines({"Tu nombre"}) << "Tu nombre" << "ACEPTAR" << "";
        QTest::newRow("empty second line") << cp1252Lines({"Niño", "", "¡Escribe!"}) << "Niño" << "" << "¡Escribe!";
    }
    void languageFileMissingOrShort()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, label);
        QFETCH(QString, button);
        QFETCH(QString, prompt);
        data->remove("/idioma/presentacion.txt");
        if (!content.isEmpty())
            data->write("/idioma/presentacion.txt", content);
        Form4 *f = open();
        QCOMPARE(f->Label1->Caption(), label);
        QCOMPARE(f->Command1->Caption(), button);
        click(f->Command1);
        QCOMPARE(f->Command1->Caption(), prompt);
        QVERIFY(f->Command1->Enabled());
    }
};

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
