#include "sample_work.h"

#include <algorithm>
#include <cstdlib>

namespace {

void write(DigitCell &c, int digit) { c.enter({DigitKey::Digit, digit}); }

} // namespace

Worked SampleColumn(int i)
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

LongDivision WorkedDivision(LongDivision d, const std::function<int(int step, int right)> &quotient)
{
    d.Start();
    for (int k = 0; k < int(d.Steps.size()); ++k) {
        write(d.QuotientCell(k), quotient(k, d.Steps[k].quotient));
        for (int j = 0; j < d.FirstGroupDigits && k < LongDivision::Rows; ++j)
            write(d.RemainderCell(k + 1, k + j), d.RemainderCell(k + 1, k + j).right);
        d.Tick();
        if (d.NextArrow())
            d.BringDown();
    }
    d.Finish();
    return d;
}

Worked SampleDivision(int i)
{
    return WorkedDivision(LongDivision::Draw(i % 3), [i](int k, int right) { return i % 5 == 0 && k == 1 ? std::max(0, right - 1) : right; });
}

Worked SampleMultiplication(int i)
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

Worked SampleExercise(int i) { return i % 3 == 0 ? SampleColumn(i) : i % 3 == 1 ? SampleDivision(i) : SampleMultiplication(i); }

std::vector<Attempt> SampleYear(const QString &child, const QDate &first, int days, int perDay)
{
    std::vector<Attempt> year;
    year.reserve(std::size_t(days) * perDay);
    int i = 0;
    for (QDate day = first; days > 0; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        --days;
        for (int n = 0; n < perDay; ++n, ++i) {
            const Worked w = SampleExercise(i);
            Attempt a = std::visit(
                [](const auto &m) {
                    using M = std::decay_t<decltype(m)>;
                    if constexpr (std::is_same_v<M, Exercise>)
                        return Attempt::Of(m, false);
                    else if constexpr (std::is_same_v<M, std::monostate>)
                        return Attempt{};
                    else
                        return Attempt::Of(m);
                },
                w);
            a.id = QUuid::createUuid();
            a.child = child;
            a.ended = QDateTime(day, QTime(9, 0).addSecs(180 * n)).toUTC();
            year.push_back(std::move(a));
        }
    }
    return year;
}
