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
#include <QStandardItemModel>
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

    // The chart draws the numbers: each part of a bar as tall as its count on
    // one scale, the tallest bar inside the chart, the latest day labelled.
    void theChartDrawsTheNumbers()
    {
        QStandardItemModel days(0, 3);
        days.setHorizontalHeaderLabels({"Día", "Bien", "Mal"});
        for (auto [right, wrong] : {std::pair{3, 1}, {0, 2}, {6, 0}}) {
            auto *day = new QStandardItem("día");
            day->setData("7/12", Qt::UserRole);
            days.appendRow({day, new QStandardItem(QString::number(right)), new QStandardItem(QString::number(wrong))});
        }
        BarChart chart;
        chart.resize(480, 240);
        chart.setModel(&days);
        const QImage img = chart.grab().toImage();
        const int axis = [&] { // the lowest row of the bars: the last row with a right part
            for (int y = img.height() - 1; y >= 0; --y)
                for (int x = 0; x < img.width(); ++x)
                    if (img.pixelColor(x, y) == BarChart::rightColour())
                        return y;
            return -1;
        }();
        QVERIFY(axis > 0);
        // Each bar's middle column: the solid part, then the striped part up to its frame.
        QList<int> heights; // right, wrong of each bar, in pixels
        for (int third = 0; third < 3; ++third) {
            const int from = img.width() * (1 + 2 * third) / 7, to = img.width() * (2 + 2 * third) / 7;
            auto red = [&](int x, int y) { return qRed(img.pixel(x, y)) > 150 && qGreen(img.pixel(x, y)) < 120; };
            int middle = -1;
            for (int x = from; x < to && middle < 0; ++x)
                for (int y = axis; y > axis - 40 && middle < 0; --y)
                    if (img.pixelColor(x, y) == BarChart::rightColour() || red(x, y))
                        middle = x + 8;
            QVERIFY(middle > 0);
            int y = axis;
            while (y > 0 && img.pixelColor(middle, y) == BarChart::rightColour())
                --y;
            const int right = axis - y;
            int top = y; // the striped part and its frame, up to the white above it
            for (int up = y, light = 0; up > 0 && light < 12; --up)
                if (qGray(img.pixel(middle, up)) > 190)
                    ++light;
                else
                    light = 0, top = up;
            heights << right << y - top;
        }
        const double unit = heights[4] / 6.0; // the third bar: 6 right
        QVERIFY(unit > 5);
        const QList<int> counts{3, 1, 0, 2, 6, 0};
        for (int i = 0; i < counts.size(); ++i)
            QVERIFY2(qAbs(heights[i] - counts[i] * unit) <= 3, qPrintable(QString("part %1: %2 pixels, %3 a unit").arg(i).arg(heights[i]).arg(unit)));
        QVERIFY(axis - heights[4] > QFontMetrics(chart.font()).height() * 2); // below the legend, inside the chart
        int label = 0; // the latest day's label under its bar
        for (int y = axis + 4; y < img.height(); ++y) // below the line of the axis
            for (int x = img.width() * 5 / 7; x < img.width(); ++x)
                label += qGray(img.pixel(x, y)) < 100;
        QVERIFY(label > 10);
    }

    // What keeps coming back over the days: named with the last day it showed,
    // and whether it fades over the subtractions where it can show.
    void whatKeepsComingBack_data()
    {
        QTest::addColumn<QString>("days"); // a subtraction a day up to Thursday 3 December: x the smaller digit from the larger, . right
        QTest::addColumn<QStringList>("said");
        const QString named = "Resta el número menor del mayor: %1 de %2 restas en que podía, por ejemplo 52 - 18 = 46, la última vez el %3; %4";
        const QString none = "Despistes: 0";
        QTest::newRow("fading") << "xxxxx..." << QStringList{named.arg(5).arg(8).arg("lunes 30 de noviembre", "va a menos"), none};
        QTest::newRow("all along") << "xxxxxxxx" << QStringList{named.arg(8).arg(8).arg("jueves 3 de diciembre", "todavía se repite"), none};
        QTest::newRow("coming back") << "..xx.xxx" << QStringList{named.arg(5).arg(8).arg("jueves 3 de diciembre", "todavía se repite"), none};
        QTest::newRow("too few to say") << "xx." << QStringList{named.arg(2).arg(3).arg("miércoles 2 de diciembre", "todavía se repite"), none};
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
