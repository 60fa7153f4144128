// The history on disk, measured (a benchmark, not a test):
//   1. writing one attempt, each in its own transaction with synchronous=FULL:
//      median and slowest of the first 1,000 writes;
//   2. a child with a year of practice (200 school days × 40 exercises, a
//      subtraction mistake that fades, slips now and then): opening the history
//      window until it is drawn, with its chart, table and "Qué repasar".
// The history file lies in a temporary folder, or in FILE with --keep (to look at).
//   build/bin/bench_history [--keep FILE] [days] [exercises a day]
// (QT_QPA_PLATFORM=offscreen, or on a display)
#include "app/appfolder.h"
#include "app/random.h"
#include "app/startup.h"
#include "sample_work.h"
#include "storage/storage.h"
#include "windows/forms.h"
#include "windows/results/historywindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

void write(DigitCell &c, int digit) { c.enter({DigitKey::Digit, digit}); }

// One exercise of the simulated child on day `day` of `days`: mostly right,
// a slip in one exercise of thirty, and in subtractions the smaller digit taken
// from the larger, often at first and seldom at the end.
Attempt exercise(int day, int days)
{
    const double r = Random::Rnd(), slip = Random::Rnd(), bug = Random::Rnd();
    if (r < 0.15) {
        const LongDivision d =
            WorkedDivision(LongDivision::Draw(Random::Digit(2)), [slip](int k, int right) { return slip < 0.05 && k == 1 ? (right + 1) % 10 : right; });
        return Attempt::Of(d);
    }
    if (r < 0.3) {
        using Row = LongMultiplication::Row;
        LongMultiplication m = LongMultiplication::Draw(1 + Random::Digit(3), LongMultiplication::MultiplierSize::TwoDigits);
        for (Row row : {Row::First, Row::Second, Row::Result})
            for (int k = 0; k < m.CellCount(row); ++k) {
                DigitCell &c = m.Cell(row, LongMultiplication::FirstColumn(row) + k);
                write(c, slip < 0.05 && row == Row::Result && k == 1 ? (c.right + 1) % 10 : c.right);
            }
        m.Check(Row::Result);
        return Attempt::Of(m);
    }
    const Op op = Op(1 + Random::Digit(3));
    Exercise e = Exercise::Draw(op, 1 + Random::Digit(3), Exercise::AnyTable);
    const bool buggy = op == Op::Subtraction && bug < 0.6 * (1.0 - double(day) / days);
    for (int k = 0; k < e.AnswerDigits; ++k)
        write(e.Answer[k], buggy ? std::abs(e.Top[k] - e.Bottom[k]) : slip < 1.0 / 30 && k == 0 ? (e.Answer[k].right + 1) % 10 : e.Answer[k].right);
    e.Judge();
    return Attempt::Of(e, false);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PrepareApplication();
    AppFolder::setPath(QStringLiteral(CUENTAS_DATA_DIR));
    QStringList args = app.arguments().mid(1);
    QString file;
    if (args.value(0) == QLatin1String("--keep")) {
        file = args.value(1);
        args = args.mid(2);
    }
    const int days = args.value(0, QStringLiteral("200")).toInt(), perDay = args.value(1, QStringLiteral("40")).toInt();
    QTemporaryDir folder;
    if (file.isEmpty())
        file = folder.filePath(QStringLiteral("cuentas.sqlite"));
    Storage storage(file);
    if (!storage.open()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(file));
        return 1;
    }

    // A year of school days, Monday to Friday, ending today.
    Random::Randomize();
    std::vector<double> writes;
    QDate day = QDate::currentDate();
    std::vector<QDate> schoolDays;
    while (int(schoolDays.size()) < days) {
        if (day.dayOfWeek() <= 5)
            schoolDays.insert(schoolDays.begin(), day);
        day = day.addDays(-1);
    }
    for (int d = 0; d < days; ++d)
        for (int i = 0; i < perDay; ++i) {
            Attempt a = exercise(d, days);
            a.id = QUuid::createUuid();
            a.child = QStringLiteral("Ana");
            a.ended = QDateTime(schoolDays[d], QTime(9, 0).addSecs(i * 240)).toUTC();
            QElapsedTimer t;
            t.start();
            storage.add(a);
            if (writes.size() < 1000)
                writes.push_back(t.nsecsElapsed() / 1e6);
        }
    if (!writes.empty())
        std::printf("writing one attempt (synchronous=FULL, WAL): median %.2f ms, slowest %.2f ms of %zu\n", median(writes),
                    *std::max_element(writes.begin(), writes.end()), writes.size());

    // Opening the history window: read, worked out, drawn.
    forms().setStorage(&storage);
    std::vector<double> opens;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer t;
        t.start();
        HistoryWindow *h = forms().history();
        const double made = t.nsecsElapsed() / 1e6;
        bool drawn = false;
        QObject::connect(h, &Form::painted, [&drawn] { drawn = true; });
        h->ShowChild(QStringLiteral("ana"));
        const double worked = t.nsecsElapsed() / 1e6;
        h->Show();
        while (!drawn)
            app.processEvents(QEventLoop::WaitForMoreEvents);
        opens.push_back(t.nsecsElapsed() / 1e6);
        if (std::getenv("PHASES"))
            std::printf("  window made %.1f ms, history read and worked out %.1f ms, drawn %.1f ms\n", made, worked - made, opens.back() - worked);
        if (run == 0)
            std::printf("the history: %d exercises on %zu days, %zu mistakes named\n", h->Shown().exercises, h->Shown().days.size(),
                        h->Shown().mistakes.size());
        delete h; // the next run opens it afresh
    }
    std::printf("opening the history window of %d × %d exercises: median %.1f ms, slowest %.1f ms, first %.1f ms over 9 runs\n", days, perDay,
                median(opens), *std::max_element(opens.begin(), opens.end()), opens.front());
}
