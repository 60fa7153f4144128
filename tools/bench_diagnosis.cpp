// How long the teacher's "what to practise" takes for a long run: 1,000
// exercises of the three windows (a third of them with a known mistake, some
// with slips), diagnosed whole as the copy and the print do. Not a test.
//   build/bin/bench_diagnosis [exercises]
#include "sample_work.h"

#include "app/random.h"
#include "diagnosis/diagnosis.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : 1000;
    Random::Randomize();
    std::vector<Worked> run;
    for (int i = 0; i < n; ++i)
        run.push_back(SampleExercise(i));
    std::vector<qint64> times;
    Diagnosis::Summary s;
    for (int rep = 0; rep < 9; ++rep) {
        QElapsedTimer t;
        t.start();
        s = Diagnosis::OfRun(run);
        times.push_back(t.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("%d exercises: median %.2f ms, fastest %.2f ms, slowest %.2f ms over 9 runs; %zu mistakes named, %d slips\n", n,
                times[4] / 1e6, times.front() / 1e6, times.back() / 1e6, s.named.size(), s.slips);
}
