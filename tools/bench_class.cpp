// How the teacher's class window holds up with a full class: 25 children with
// a school year each (180 days of 40 exercises: 180,000 exercises). Measures,
// each as the median of several runs, wall-clock and processor time: the class
// window shown with its rows, a sort by each column, what to practise filled in
// for every row (on its second thread), the spreadsheet of every exercise and
// of every child, the file for another computer, and its merge into a history
// without it, with half of it, and with all of it. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bin/bench_class [children] [days] [perDay]
//   build/bin/bench_class --sample FILE [children] [days] [perDay]   (a class's year, for another computer's import)
#include "sample_work.h"

#include "app/random.h"
#include "storage/storage.h"
#include "storage/transfer.h"
#include "windows/class/classwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const QStringList Names{"Lucía", "Hugo", "Martina", "Mateo", "Sofía", "Leo", "María", "Daniel", "Julia", "Pablo", "Paula", "Álvaro", "Valeria",
                        "Manuel", "Emma", "Martín", "Daniela", "Enzo", "Carla", "Marco", "Alba", "Adrián", "Noa", "Diego", "Ana; la \"peque\""};

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Measured {
    std::vector<double> wall, cpu;
    void add(double w, double c)
    {
        wall.push_back(w);
        cpu.push_back(c);
    }
    static double median(std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    }
    void report(const char *what, double target) const
    {
        std::printf("%-52s median %8.1f ms (processor %8.1f ms), slowest %8.1f ms   target %6.0f ms\n", what, median(wall), median(cpu),
                    *std::max_element(wall.begin(), wall.end()), target);
    }
};

// Runs `work` `runs` times (after `before` each time, not measured).
template <class Work> Measured measure(int runs, Work work, const std::function<void()> &before = {})
{
    Measured m;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        QElapsedTimer t;
        const double c = cpuMs();
        t.start();
        work();
        m.add(t.nsecsElapsed() / 1e6, cpuMs() - c);
    }
    return m;
}

std::vector<Attempt> sampleClass(int children, int days, int perDay)
{
    Random::Randomize();
    std::vector<Attempt> all;
    for (int c = 0; c < children; ++c) {
        const std::vector<Attempt> year = SampleYear(Names.value(c, QStringLiteral("Niño %1").arg(c)), QDate(2026, 9, 1), days, perDay);
        all.insert(all.end(), year.begin(), year.end());
    }
    return all;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString sample;
    if (args.value(0) == QStringLiteral("--sample")) {
        sample = args.value(1);
        args = args.mid(2);
    }
    const int children = args.value(0, QStringLiteral("25")).toInt(), days = args.value(1, QStringLiteral("180")).toInt(),
              perDay = args.value(2, QStringLiteral("40")).toInt();
    QTemporaryDir dir;
    const std::vector<Attempt> year = sampleClass(children, days, perDay);
    Storage history(dir.filePath(QStringLiteral("class.sqlite")));
    if (!history.open() || !history.merge(year))
        return std::fprintf(stderr, "no history\n"), 1;
    const QString transfer = sample.isEmpty() ? dir.filePath(QStringLiteral("class.cuentas")) : sample;
    if (!sample.isEmpty())
        return Transfer::Write(history, transfer).trouble == Transfer::Trouble::None ? 0 : 1;
    std::printf("%d children, %d days of %d exercises: %zu exercises\n", children, days, perDay, year.size());

    // The window, as the teacher opens it: this school year, every row shown.
    ClassWindow::today = [] { return QDate(2027, 6, 18); };
    ClassWindow *w = nullptr;
    measure(
        5,
        [&] {
            w = new ClassWindow(history);
            w->show();
            if (!QTest::qWaitForWindowExposed(w))
                std::fprintf(stderr, "the window did not show\n");
            w->repaint();
        },
        [&] { delete w; })
        .report("class window shown, this school year", 300);
    if (w->Rows().size() != std::size_t(children))
        std::printf("  but it shows %zu rows\n", w->Rows().size());

    QElapsedTimer filled;
    filled.start();
    w->FinishMistakes();
    std::printf("%-52s %8.1f ms after the window (on its second thread)\n", "what to practise known for every row", filled.nsecsElapsed() / 1e6);

    int column = 0;
    measure(28, [&] {
        w->table->sortByColumn(column / 2 % 7, column % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        ++column;
        w->table->repaint();
    }).report("a sort by a column, shown", 50);
    delete w;

    ClassWindow::chooseFile = [&](ClassWindow::FileUse use, const QString &) {
        return dir.filePath(use == ClassWindow::FileUse::SheetByChild ? QStringLiteral("children.csv") : QStringLiteral("exercises.csv"));
    };
    w = new ClassWindow(history);
    w->FinishMistakes();
    // The message boxes that say where a file went are closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start(1);
    measure(3, [&] { w->ExportByExercise(); }).report("spreadsheet, one line per exercise", 2000);
    measure(3, [&] { w->ExportByChild(); }).report("spreadsheet, one line per child", 2000);
    closer.stop();
    delete w;
    measure(3, [&] { Transfer::Write(history, transfer); }).report("file for another computer", 2000);

    int n = 0;
    auto fresh = [&](double part) {
        const QString file = dir.filePath(QStringLiteral("teacher%1.sqlite").arg(++n));
        auto *teacher = new Storage(file);
        teacher->open();
        teacher->merge(std::vector<Attempt>(year.begin(), year.begin() + std::ptrdiff_t(year.size() * part)));
        return teacher;
    };
    Storage *teacher = nullptr;
    for (const auto &[part, what] : {std::pair{0.0, "merge of that file into a history without it"},
                                     std::pair{0.5, "merge of that file into a history with half of it"},
                                     std::pair{1.0, "merge of that file again (nothing new)"}})
        measure(
            3, [&] { Transfer::Import(*teacher, transfer); },
            [&] {
                delete teacher;
                teacher = fresh(part);
            })
            .report(what, 5000);
    delete teacher;
}
