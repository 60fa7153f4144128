// The history window: a child's exercises over the days, opened from the
// results window, read by keyboard and screen reader, copied for the teacher.
#include "testkit.h"

#include "storage/storage.h"
#include "ui/barchart.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/results/form5.h"
#include "windows/results/historywindow.h"

#include <QAccessibleTableInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPrinter>
#include <QTableView>
#include <QTest>

namespace {

const QDate Thursday(2026, 12, 3);

// A subtraction ended at ten on that day, answered as the child wrote it.
Attempt subtraction(int a, int b, int answer, const QDate &day, const QString &child = QStringLiteral("Ana"))
{
    Exercise e = Exercise::Of(Op::Subtraction, a, b);
    for (int i = 0, v = answer; i < e.AnswerDigits; ++i, v /= 10)
        e.Answer[i].enter({DigitKey::Digit, v % 10});
    e.Judge();
    Attempt at = Attempt::Of(e, false);
    at.id = QUuid::createUuid();
    at.child = child;
    at.ended = QDateTime(day, QTime(10, 0)).toUTC();
    return at;
}

// What a screen reader reads in a table: each cell, row by row, and the column headers.
QStringList readCells(QTableView *table)
{
    QAccessibleTableInterface *t = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QStringList read;
    for (int c = 0; c < t->columnCount(); ++c)
        read << t->columnDescription(c);
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            read << t->cellAt(r, c)->text(QAccessible::Name);
    return read;
}

// Every cell's text fits its column, headers too: nothing is cut at 1× or 2×.
bool everythingFits(QTableView *table)
{
    const QAbstractItemModel *m = table->model();
    const QFontMetrics fm(table->font());
    for (int c = 0; c < m->columnCount(); ++c)
        for (int r = -1; r < m->rowCount(); ++r) {
            const QString text = r < 0 ? m->headerData(c, Qt::Horizontal).toString() : m->index(r, c).data().toString();
            if (fm.horizontalAdvance(text) + 6 > table->columnWidth(c))
                return false;
        }
    return table->horizontalHeader()->length() <= table->viewport()->width();
}

QStringList listLines(const ListBox *list)
{
    QStringList lines;
    for (int i = 0; i < list->ListCount(); ++i)
        lines << list->List(i);
    return lines;
}

} // namespace

class TestHistory : public FreshProgramTest
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Storage> storage_;

    // A history kept in a file of its own, with these attempts; the program keeps the run there too.
    HistoryWindow *kept(const std::vector<Attempt> &attempts)
    {
        storage_ = std::make_unique<Storage>(dir_.filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + ".sqlite"));
        if (!storage_->open())
            return nullptr;
        for (const Attempt &a : attempts)
            storage_->add(a);
        forms().setStorage(storage_.get());
        storage_->keep(forms().record());
        return forms().history();
    }

private slots:
    void daysKindsAndTheChart()
    {
        // Thursday 26 November, 2 right and 1 wrong; Tuesday 1 December (this
        // week), 3 right and 2 wrong; another child's work, not shown.
        std::vector<Attempt> work;
        for (int i = 0; i < 2; ++i)
            work.push_back(subtraction(52, 18, 34, Thursday.addDays(-7)));
        work.push_back(subtraction(83, 47, 44, Thursday.addDays(-7)));
        for (int i = 0; i < 3; ++i)
            work.push_back(subtraction(725, 368, 357, Thursday.addDays(-2)));
        for (int i = 0; i < 2; ++i)
            work.push_back(subtraction(725, 368, 443, Thursday.addDays(-2)));
        work.push_back(subtraction(52, 18, 46, Thursday, "Bea"));
        HistoryWindow *h = kept(work);
        QVERIFY(h);
        h->ShowChild("ANA", Thursday);
        h->Show();
        QVERIFY(QTest::qWaitForWindowExposed(h));
        QCOMPARE(h->windowTitle(), QStringLiteral("Historial de Ana"));
        QCOMPARE(readCells(h->Days), QStringList({"Día", "Bien", "Mal", "jueves 26 de noviembre", "2", "1", "martes 1 de diciembre", "3", "2"}));
        QCOMPARE(spoken(h->Days), QStringLiteral("Los últimos 2 días con ejercicios"));
        QCOMPARE(spoken(h->Chart), spoken(h->Days));
        QVERIFY(spoken(h->Chart, QAccessible::Description).contains("La tabla de al lado tiene los mismos números"));
        QCOMPARE(readCells(h->Kinds).mid(0, 9), QStringList({"Ejercicios", "Esta semana", "Antes", "Sumas", "ninguno", "ninguno", "Restas",
                                                             "5 ejercicios, 60 % bien", "3 ejercicios, 66 % bien"}));
        QVERIFY(everythingFits(h->Days) && everythingFits(h->Kinds));

        // Right and wrong differ in grey too: along the middle of the bar, the
        // wrong part (on top) is striped, the right part solid.
        const QImage chart = h->Chart->grab().toImage();
        int middle = -1, most = 0;
        for (int x = 0; x < chart.width(); ++x) {
            int solid = 0;
            for (int y = 0; y < chart.height(); ++y)
                solid += chart.pixelColor(x, y) == BarChart::rightColour();
            if (solid > most)
                most = solid, middle = x;
        }
        QVERIFY(most > 10);
        int top = chart.height() - 1;
        while (top > 0 && chart.pixelColor(middle, top) != BarChart::rightColour())
            --top; // the axis, up to the right part
        int stripes = 0;
        bool light = false;
        for (int y = top; y > 0 && stripes < 100; --y) {
            const int grey = qGray(chart.pixel(middle, y));
            if ((grey > 200) != light && (grey > 200 || grey < 150)) {
                light = grey > 200;
                ++stripes;
            }
        }
        QVERIFY2(stripes >= 6, qPrintable(QString::number(stripes)));
    }

    // What keeps coming back over the days: named with the last day it showed,
    // and whether it fades over the subtractions where it can show.
    void whatKeepsComingBack_data()
    {
        QTest::addColumn<QString>("days"); // a subtraction a day up to Thursday 3 December: x the smaller digit from the larger, . right
        QTest::addColumn<QStringList>("said");
        const QString named = "Resta el número menor del mayor: %1 veces, por ejemplo 52 - 18 = 46, la última vez el %2; %3";
        const QString none = "Despistes: 0";
        QTest::newRow("fading") << "xxxxx..." << QStringList{named.arg(5).arg("lunes 30 de noviembre", "va a menos"), none};
        QTest::newRow("all along") << "xxxxxxxx" << QStringList{named.arg(8).arg("jueves 3 de diciembre", "todavía se repite"), none};
        QTest::newRow("coming back") << "..xx.xxx" << QStringList{named.arg(5).arg("jueves 3 de diciembre", "todavía se repite"), none};
        QTest::newRow("too few to say") << "xx." << QStringList{named.arg(2).arg("miércoles 2 de diciembre", "todavía se repite"), none};
        QTest::newRow("once is a slip") << "...x...." << QStringList{"Ningún error se repite.", "Despistes: 1"};
    }
    void whatKeepsComingBack()
    {
        QFETCH(QString, days);
        QFETCH(QStringList, said);
        std::vector<Attempt> work;
        for (int i = 0; i < days.size(); ++i)
            work.push_back(subtraction(52, 18, days[i] == 'x' ? 46 : 34, Thursday.addDays(i - days.size() + 1)));
        HistoryWindow *h = kept(work);
        QVERIFY(h);
        h->ShowChild("Ana", Thursday);
        QCOMPARE(h->Label3->Caption(), QStringLiteral("Qué repasar"));
        QCOMPARE(listLines(h->List1), said);
        QCOMPARE(spoken(h->List1), QStringLiteral("Qué repasar"));
    }

    // The last thirty days with work, and the week from Monday.
    void thirtyDaysAndTheWeek()
    {
        std::vector<Attempt> work;
        for (int i = 0; i < 35; ++i) // one a day, the last on Monday 7 December
            work.push_back(subtraction(52, 18, 34, QDate(2026, 12, 7).addDays(-i)));
        HistoryWindow *h = kept(work);
        QVERIFY(h);
        h->ShowChild("Ana", QDate(2026, 12, 7));
        h->Show();
        QVERIFY(QTest::qWaitForWindowExposed(h));
        QCOMPARE(h->Days->model()->rowCount(), 30);
        QCOMPARE(h->Days->model()->index(0, 0).data().toString(), QStringLiteral("domingo 8 de noviembre"));
        QCOMPARE(h->Days->model()->index(29, 0).data(Qt::UserRole).toString(), QStringLiteral("7/12"));
        QCOMPARE(readCells(h->Kinds).mid(6, 3), QStringList({"Restas", "1 ejercicio, 100 % bien", "34 ejercicios, 100 % bien"}));
        QVERIFY(everythingFits(h->Days));
    }

    // From the results window, three ways; with the history kept, this run is
    // in it once; without, the run alone is there.
    void fromTheResultsWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("keep");
        QTest::newRow("button, kept") << "button" << true;
        QTest::newRow("Ctrl+H, kept") << "key" << true;
        QTest::newRow("the list's menu, not kept") << "menu" << false;
    }
    void fromTheResultsWindow()
    {
        QFETCH(QString, way);
        QFETCH(bool, keep);
        if (keep)
            QVERIFY(kept({subtraction(52, 18, 34, QDate::currentDate().addDays(-8), "Lucía "), // as first written, trimmed
                          subtraction(83, 47, 36, QDate::currentDate().addDays(-8), "lucia")}));
        Form1 *f = loadMainWindow("Lucía");
        answerColumn(f, Op::Addition, 25, 17, "24");
        answerColumn(f, Op::Addition, 5, 4, "8");
        Form5 *r = forms().form5();
        r->Show();
        QVERIFY(QTest::qWaitForWindowActive(r));
        if (way == "button") {
            r->List1->setFocus();
            keys(r, "tttt"); // Copiar, Imprimir, Qué repasar, Historial
            QCOMPARE(focused(r), QStringLiteral("Historial"));
            keys(r, "_");
        } else if (way == "key") {
            QTest::keyClick(r->List1, Qt::Key_H, Qt::ControlModifier);
        } else {
            r->List1->actions().last()->trigger();
        }
        HistoryWindow *h = forms().history();
        QVERIFY(h->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(h));
        QCOMPARE(h->Label1->Caption(), QStringLiteral("Historial de Lucía"));
        const int days = keep ? 2 : 1;
        QCOMPARE(h->Days->model()->rowCount(), days);
        QCOMPARE(readCells(h->Days).mid(3 * days + 1), QStringList({"1", "1"})); // today: one right, one wrong
        QCOMPARE(h->Shown().exercises, keep ? 4 : 2);

        // By keyboard: the tables, what to practise, the commands; Escape leaves.
        QCOMPARE(h->focusWidget(), static_cast<QWidget *>(h->Days));
        QCOMPARE(h->Days->currentIndex(), h->Days->model()->index(days - 1, 0)); // read first: today
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            order << focused(h);
            keys(h, "t");
        }
        QCOMPARE(order, QStringList({spoken(h->Days), "Por tipo de ejercicio", "Qué repasar", "Copiar", "Imprimir"}));
        QCOMPARE(focused(h), spoken(h->Days));
        QApplication::clipboard()->clear();
        QTest::keyClick(h->Days, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        QVERIFY(copied.first().startsWith("Historial de Lucía — "));
        QCOMPARE(copied.mid(1, 2), QStringList({"", QString("Los últimos %1 días con ejercicios").arg(days)}));
        QVERIFY(copied.contains("Sumas — Esta semana: 2 ejercicios, 50 % bien; Antes: ninguno"));
        QVERIFY(copied.contains("Qué repasar"));
        const QString paper = printedText([h](QPrinter &printer) { h->PrintHistory(printer); });
        for (const QString &line : copied.mid(1))
            QVERIFY2(paper.contains(line), qPrintable(line));
        keys(h, "e");
        QVERIFY(!h->isVisible());
    }

    void nothingYet()
    {
        loadMainWindow("Lucía");
        HistoryWindow *h = forms().history();
        h->ShowChild("Lucía");
        QCOMPARE(h->Days->model()->rowCount(), 0);
        QCOMPARE(listLines(h->List1), QStringList{"Todavía no hay ejercicios guardados."});
        QCOMPARE(h->HistoryText().split('\n').mid(1), QStringList({"", "Todavía no hay ejercicios guardados.", ""}));
        h->Show();
        QVERIFY(QTest::qWaitForWindowExposed(h)); // an empty chart draws too
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
