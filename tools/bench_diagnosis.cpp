// How long the teacher's "what to practise" takes for a long run: 1,000
// exercises of the three windows (a third of them with a known mistake, some
// with slips), diagnosed whole as the copy and the print do. Not a test.
//   build/bin/bench_diagnosis [exercises]
#include "app/random.h"
#include "diagnosis/diagnosis.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void write(DigitCell &c, int digit) { c.enter({DigitKey::Digit, digit}); }

Worked column(int i)
{
    const Op op = Op(1 + i % 3); // sums, subtractions, products
    Exercise e = Exercise::Draw(op, 3, Exercise::AnyTable);
    for (int k = 0; k < e.AnswerDigits; ++k) // right, with a slip now and then
        write(e.Answer[k], i % 7 == 0 && k == 0 ? (e.Answer[k].right + 1) % 10 : e.Answer[k].right);
    if (op == Op::Subtraction && i % 3 == 0) // the smaller digit from the larger
        for (int k = 0; k < e.AnswerDigits; ++k)
            write(e.Answer[k], std::abs(e.Top[k] - e.Bottom[k]));
    e.Judge();
    return e;
}

Worked division(int i)
{
    LongDivision d = LongDivision::Draw(i % 3);
    d.Start();
    for (int k = 0; k < int(d.Steps.size()); ++k) {
        write(d.QuotientCell(k), i % 5 == 0 && k == 1 ? std::max(0, d.Steps[k].quotient - 1) : d.Steps[k].quotient);
        for (int j = 0; j < d.FirstGroupDigits && k < LongDivision::Rows; ++j)
            write(d.RemainderCell(k + 1, k + j), d.RemainderCell(k + 1, k + j).right);
        d.Tick();
        if (d.NextArrow())
            d.BringDown();
    }
    d.Finish();
    return d;
}

Worked multiplication(int i)
{
    using Row = LongMultiplication::Row;
    LongMultiplication m = LongMultiplication::Draw(1 + i % 4, LongMultiplication::MultiplierSize::TwoDigits);
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (int k = 0; k < m.CellCount(row); ++k) {
            DigitCell &c = m.Cell(row, LongMultiplication::FirstColumn(row) + k);
            write(c, row == Row::Result && i % 4 == 0 && k == 2 ? (c.right + 9) % 10 : c.right);
        }
    m.Check(Row::Result);
    return m;
}

} // namespace

int main(int argc, char **argv)
{
    const int n = argc > 1 ? std::atoi(argv[1]) : 1000;
    Random::Randomize();
    std::vector<Worked> run;
    for (int i = 0; i < n; ++i)
        run.push_back(i % 3 == 0 ? Worked(column(i)) : i % 3 == 1 ? Worked(division(i)) : Worked(multiplication(i)));
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
