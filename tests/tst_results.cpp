// The results window: heading, place beside the main window, and its list.
#include "column_helpers.h"

#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QTest>

class TestResults : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void heading_data()
    {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("fileName"); // "" no file
        QTest::addColumn<QString>("heading");
        QTest::newRow("name") << "Ana" << "Resultados.txt" << "Ana – tus resultados";
        QTest::newRow("empty name") << "" << "Resultados.txt" << " – tus resultados";
        QTest::newRow("missing file") << "Ana" << "" << "Label1";
        QTest::newRow("file in lower case") << "Ana" << "resultados.txt" << "Label1";
    }
    void heading()
    {
        QFETCH(QString, player);
        QFETCH(QString, fileName);
        QFETCH(QString, heading);
        if (fileName.isEmpty())
            data->remove("/idioma/Resultados.txt");
        else if (fileName != "Resultados.txt")
            data->rename("/idioma/Resultados.txt", fileName);
        loadMainWindow(player);
        Form5 *r = forms().form5();
        QVERIFY(r->isVisible());
        QCOMPARE(r->Label1->Caption(), heading);
        QCOMPARE(r->List1->ListCount(), 0);
        QCOMPARE(r->BackColor(), vb::Blue);
        QCOMPARE(r->size(), QSize(497, 474));
    }

    void placedBesideTheMainWindow()
    {
        Form1 *f = loadMainWindow();
        Form5 *r = forms().form5();
        const CommandButton *b = f->Command1[1];
        // in twips, to the nearest pixel
        QCOMPARE(r->pos().x(), vb::toPixels(b->Left() + f->Left() + b->Width() + 80));
        QCOMPARE(r->pos().y(), vb::toPixels(f->Top() + 80));
    }

    void closeBoxKeepsTheLines()
    {
        Form1 *f = loadMainWindow();
        oneDigitAddition(f, 2, 3);
        click(f->Command5);
        Form5 *r = forms().form5();
        r->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(forms().isLoaded5() && !r->isVisible());
        typeNumber(f, 5);
        click(f->Command5);
        QCOMPARE(r->List1->ListCount(), 2); // the earlier line is still there
        QCOMPARE(lastLine(), QStringLiteral("2. Suma: 2 + 3 = 5 ** ¡MUY BIEN! **"));
        QVERIFY(!r->isVisible());
        click(f->Command8[1]);
        QVERIFY(r->isVisible());
    }

    void longNameStaysOnOneLine_data()
    {
        QTest::addColumn<QString>("player");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short") << "Ana" << false;
        QTest::newRow("long") << "María de los Ángeles Fernández-Villaverde y Santamaría" << true;
    }
    void longNameStaysOnOneLine()
    {
        QFETCH(QString, player);
        QFETCH(bool, cut);
        loadMainWindow(player);
        Label *heading = forms().form5()->Label1;
        QCOMPARE(heading->Caption(), player + " – tus resultados");
        const QFontMetrics m(heading->font());
        QVERIFY(m.horizontalAdvance(heading->text()) <= heading->contentsRect().width());
        QVERIFY(!heading->text().contains('\n') && !heading->wordWrap());
        QCOMPARE(heading->text().endsWith(QChar(0x2026)), cut);
        QVERIFY(heading->text().startsWith(player.left(10)));
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
