// The results window: heading, place, lines read whole, and the teacher's copy
// and print of the record.
#include "testkit.h"

#include "app/module1.h"

#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QApplication>
#include <QClipboard>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime Lunes(QDate(2026, 12, 7), QTime(10, 42));
const QString LongLine = QStringLiteral("1. DIVISIÓN 5404 : 5 = 1080 + RESTO - 4 ** ¡MUY BIEN! **");

// The record printed to a PDF file, read back.
QString printed()
{
    return printedText([](QPrinter &printer) { forms().form5()->PrintRecord(printer); });
}

} // namespace

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
        QTest::newRow("long name") << "María de los Ángeles Fernández-Villaverde y Santamaría" << "Resultados.txt"
                                   << "María de los Ángeles Fernández-Villaverde y Santamaría – tus resultados";
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
            QFile::rename(data->path("/idioma/Resultados.txt"), data->path("/idioma/" + fileName));
        Form1 *f = loadMainWindow(player);
        Form5 *r = forms().form5();
        QVERIFY(r->isVisible());
        QCOMPARE(r->Label1->Caption(), heading);
        QCOMPARE(r->List1->ListCount(), 0);
        QCOMPARE(r->Command1->Caption() + r->Command2->Caption(), QStringLiteral("CopiarImprimir"));
        // beside the main window, in twips to the nearest pixel; the keyboard stays there
        const CommandButton *b = f->Command1[1];
        QCOMPARE(r->pos(), QPoint(vb::toPixels(b->Left() + f->Left() + b->Width() + 80), vb::toPixels(f->Top() + 80)));
        QVERIFY(!r->isActiveWindow());
        // The heading stays on one line beside the commands, cut with "…" when it does not fit.
        Label *h = r->Label1;
        QVERIFY(QFontMetrics(h->font()).horizontalAdvance(h->text()) <= h->contentsRect().width());
        QVERIFY(!h->text().contains('\n') && !h->wordWrap());
        QCOMPARE(h->text().endsWith(QChar(0x2026)), player.size() > 10);
        QVERIFY(h->text().startsWith(heading.left(10)));
        QVERIFY(h->geometry().right() < r->Command1->geometry().left());
        // Every line is read whole: a line wider than the list wraps inside it.
        addAttempt(ExerciseKind::WrittenDivision, 5404, 5, true); // LongLine
        addAttempt(ExerciseKind::Addition, 2, 3, true);
        ListBox *list = r->List1;
        QTest::qWait(50);
        for (int i = 0; i < list->ListCount(); ++i) {
            const QRect item = list->visualItemRect(list->item(i));
            const QRect needed = list->fontMetrics().boundingRect(item.adjusted(3, 0, -3, 0), Qt::TextWordWrap, list->List(i));
            QVERIFY2(item.right() <= list->viewport()->width() && needed.height() <= item.height(),
                     qPrintable(QStringLiteral("%1: %2 wide, %3 of %4 high").arg(list->List(i)).arg(item.width()).arg(needed.height()).arg(item.height())));
        }
        QVERIFY(list->visualItemRect(list->item(0)).height() > list->visualItemRect(list->item(1)).height());
    }

    void closingKeepsTheLines()
    {
        Form1 *f = loadMainWindow();
        addAttempt(ExerciseKind::Addition, 2, 3, true);
        Form5 *r = forms().form5();
        r->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(forms().isLoaded5() && !r->isVisible());
        addAttempt(ExerciseKind::Addition, 2, 3, true);
        QCOMPARE(resultsLines(), QStringList({"1. Suma: 2 + 3 = 5 ** ¡MUY BIEN! **", "2. Suma: 2 + 3 = 5 ** ¡MUY BIEN! **"}));
        QVERIFY(!r->isVisible());
        click(f->Command8[1]);
        QVERIFY(r->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(r));
        keys(r, "e"); // Escape does what the close box does
        QVERIFY(!r->isVisible());
        QCOMPARE(resultsLines().size(), 2);
    }

    void copyOfARun()
    {
        // A run with lines from the three exercise windows, the column window
        // without its language file: its lines carry no verdict word, yet the
        // tally knows which were right.
        data->remove("/idioma/formulario1y2.txt");
        loadMainWindow();
        Module1::RunStarted = Lunes;
        tourEveryWindow();
        Form5 *r = forms().form5();
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.mid(0, 2), QStringList({"Ana — lunes, 7 de diciembre de 2026, 10:42", ""}));
        QCOMPARE(copied.mid(2, 4), resultsLines());
        QCOMPARE(copied.mid(6), QStringList({"", "Sumas: 1 bien, 0 mal", "Multiplicaciones: 0 bien, 1 mal", "Divisiones largas: 0 bien, 1 mal",
                                             "Multiplicaciones largas: 0 bien, 1 mal", "Total: 1 bien, 3 mal", "", "Qué repasar",
                                             "Ningún error se repite.", "Despistes: 3", ""})); // nothing written is no mistake of method
        // Ctrl+C and the list's menu do the same.
        QApplication::clipboard()->clear();
        r->Show();
        QVERIFY(QTest::qWaitForWindowActive(r));
        QTest::keyClick(r->List1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), copied.join('\n'));
        QStringList menu;
        for (const QAction *a : r->List1->actions())
            menu << a->text();
        QCOMPARE(menu, QStringList({"Copiar", "Imprimir", "Qué repasar", "Historial"}));
    }

    void anEmptyRecord()
    {
        loadMainWindow();
        Module1::RunStarted = Lunes;
        Form5 *r = forms().form5();
        click(r->Command1);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Ana — lunes, 7 de diciembre de 2026, 10:42\n\nTodavía no hay ningún ejercicio.\n"));
        QVERIFY(printed().contains("Todavía no hay ningún ejercicio."));
    }

    void whatToPractise()
    {
        // Three subtractions worked with the smaller digit taken from the larger (the
        // first mended and checked again), a sum with one slip, and a right sum.
        Form1 *f = loadMainWindow();
        Module1::RunStarted = Lunes;
        auto answer = [&](Op op, int a, int b, const QString &unitsFirst) { answerColumn(f, op, a, b, unitsFirst); };
        answer(Op::Subtraction, 52, 18, "64");
        f->Command3[0]->setFocus();
        keys(f, "43r"); // mended: the same exercise, a second line
        answer(Op::Subtraction, 83, 47, "44");
        answer(Op::Subtraction, 725, 368, "344");
        answer(Op::Addition, 57, 68, "721");
        answer(Op::Addition, 5, 7, "21");
        QCOMPARE(resultsLines().size(), 6);
        Form5 *r = forms().form5();
        click(r->Command1);
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        const QStringList review{"Qué repasar", "Resta el número menor del mayor: 3 de 3 restas en que podía, por ejemplo 52 - 18 = 46", "Despistes: 1", ""};
        QCOMPARE(copied.mid(copied.size() - 4), review);
        QCOMPARE(copied.mid(2, 6), resultsLines()); // the numbered lines as they were
        QVERIFY(printed().simplified().contains("Resta el número menor del mayor: 3 de 3 restas en que podía, por ejemplo 52 - 18 = 46"));

        // In the window: its own button (also Ctrl+R and the list's menu) opens the
        // section in a window a screen reader reads, and Escape closes it.
        r->Show();
        QVERIFY(QTest::qWaitForWindowActive(r));
        QStringList seen;
        QTimer answerIt;
        QObject::connect(&answerIt, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + "|" + spoken(box->findChild<QLabel *>("qt_msgbox_label"));
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        answerIt.start(30);
        r->List1->setFocus();
        keys(r, "ttt_"); // Copiar, Imprimir, Qué repasar
        QCOMPARE(focused(r), QStringLiteral("Qué repasar"));
        r->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r));
        QTest::keyClick(r->List1, Qt::Key_R, Qt::ControlModifier);
        answerIt.stop();
        QCOMPARE(seen, QStringList(2, "Qué repasar|" + review.mid(1, 2).join('\n')));
        QCOMPARE(spoken(r->Command3), QStringLiteral("Qué repasar"));
    }

    void wordsOfEachMistake_data()
    {
        // A run that names one mistake, and its line made of the language file's
        // words, each line of the file written as "w" and its number: the name,
        // "de", the chances it could show in, "por ejemplo", the example.
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("line");
        QTest::newRow("carry") << "57 + 68 = 15; 48 + 36 = 74" << "w15: 2 w32 2 w33, w27 57 + 68 = 15";
        QTest::newRow("smaller") << "52 - 18 = 46; 83 - 47 = 44" << "w16: 2 w32 2 w34, w27 52 - 18 = 46";
        QTest::newRow("0 - n") << "403 - 125 = 328; 702 - 346 = 446" << "w17: 2 w32 2 w35, w27 403 - 125 = 328";
        QTest::newRow("carry first") << "47 X 3 = 181; 28 X 4 = 202" << "w18: 2 w32 2 w36, w27 47 X 3 = 181";
        QTest::newRow("table") << "7 X 8 = 48; 27 X 8 = 208" << "w19: 2 w32 2 w37, w27 7 X 8 = 48";
        QTest::newRow("too small") << "4536 : 21 = 114 | 024 012 042; 1234 : 7 = 106 | 05 53 02"
                                   << "w20: 2 w32 2 w38, w27 4536 : 21 = 114";
        QTest::newRow("too large") << "1234 : 7 = 186 | 05 03 02; 9876 : 2 = 4939 | 1 0 1 2" << "w21: 2 w32 2 w39, w27 1234 : 7 = 186";
        QTest::newRow("quotient 0") << "1230 : 3 = 41 | 0 0 0; 4560 : 8 = 57 | 05 00 00" << "w22: 2 w32 2 w40, w27 1230 : 3 = 41";
        QTest::newRow("division's subtraction") << "52 - 18 = 34; 83 - 47 = 36; 725 - 368 = 357; 1234 : 7 = 176 | 05 16 02; 5234 : 6 = 872 | 16 01 02"
                                                << "w23: 2 w32 2 w41, w27 1234 : 7, 53 - 49 = 16";
        QTest::newRow("products' sum") << "58 x 64 = 232 348 3612; 78 x 36 = 468 234 2708; 57 + 68 = 125; 48 + 36 = 84"
                                       << "w24: 2 w32 2 w42, w27 232 + 3480 = 3612";
        QTest::newRow("0 - n is 0") << "90 - 26 = 70; 305 - 142 = 203" << "w29: 2 w32 2 w43, w27 90 - 26 = 70";
        QTest::newRow("by the carry") << "63 X 8 = 124; 47 X 6 = 162" << "w30: 2 w32 2 w44, w27 63 X 8 = 124";
        QTest::newRow("tens written") << "97 X 3 = 282; 68 X 4 = 263" << "w31: 2 w32 2 w45, w27 97 X 3 = 282";
    }
    void wordsOfEachMistake()
    {
        QFETCH(QString, run);
        QFETCH(QString, line);
        QStringList words;
        for (int n = 1; n <= 45; ++n)
            words << QStringLiteral("w%1").arg(n);
        data->write("/idioma/Resultados.txt", cp1252Lines(words));
        loadMainWindow();
        for (const QString &exercise : run.split("; "))
            forms().record().add(attemptAs(exercise));
        const QStringList copied = forms().form5()->RecordText().split('\n');
        QCOMPARE(copied.mid(copied.indexOf("w14")), QStringList({"w14", line, "w25: 0", ""}));
    }

    void aPrintOf120Lines()
    {
        loadMainWindow(QString(40, QChar('A')) + " " + QString(40, QChar('B')) + " " + QString(40, QChar('C')));
        for (int i = 0; i < 120; ++i)
            addAttempt(i % 3 ? ExerciseKind::Addition : ExerciseKind::WrittenDivision, i % 3 ? i : 1000 + i, 7, i % 4 != 0);
        const QString text = printed();
        QVERIFY2(text.count('\f') >= 3, qPrintable(QString::number(text.count('\f')))); // pages
        for (const QString &line : resultsLines())
            QVERIFY2(text.contains(line), qPrintable(line));
        for (const char *word : {"Sumas: 60 bien, 20 mal", "Divisiones largas: 30 bien, 10 mal", "Total: 90 bien, 30 mal"})
            QVERIFY2(text.contains(word), word);
        // the long name wraps instead of being cut, and the pages are numbered
        for (const QString &part : {QString(40, QChar('A')), QString(40, QChar('B')), QString(40, QChar('C'))})
            QVERIFY(text.contains(part));
        const QStringList lines = text.split('\n');
        for (const char *page : {"1", "2", "3"})
            QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.trimmed() == page; }), page);
    }

    void imprimirAsksFirst_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancelled: nothing printed") << false;
        QTest::newRow("accepted: a PDF where the dialog says") << true;
    }
    void imprimirAsksFirst()
    {
        QFETCH(bool, accept);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        loadMainWindow();
        addAttempt(ExerciseKind::Addition, 2, 3, true);
        forms().form5()->Show();
        QVERIFY(QTest::qWaitForWindowActive(forms().form5()));
        QString title;
        QTimer answer; // answers the dialog once it is up
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                accept ? dialog->accept() : dialog->reject();
            }
        });
        answer.start(50);
        QTest::keyClick(forms().form5()->List1, Qt::Key_P, Qt::ControlModifier);
        answer.stop();
        QCOMPARE(title, QStringLiteral("Imprimir")); // Qt's own dialog, in Spanish
        const QStringList written = QDir(home.path()).entryList(QDir::Files);
        QCOMPARE(written.size(), accept ? 1 : 0);
        if (accept)
            QVERIFY(pdfText(home.filePath(written.first())).contains("1. Suma: 2 + 3 = 5"));
        qunsetenv("HOME");
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
