#include "diagnosis/diagnosis.h"

#include "exercises/numbers.h"

#include <algorithm>
#include <variant>

namespace Diagnosis {

namespace {

using Digits = std::vector<int>; // units first
using Ways = std::map<Pattern, std::vector<Digits>>;

// The lowest n digits of v, units first.
Digits lowDigits(int v, int n)
{
    Digits d(n);
    for (int &x : d) {
        x = v % 10;
        v /= 10;
    }
    return d;
}

int valueOf(const Digits &d)
{
    int v = 0;
    for (auto it = d.rbegin(); it != d.rend(); ++it)
        v = 10 * v + *it;
    return v;
}

// Each wrong digit of `child` against `right`, with the mistakes that explain
// it: those with a way of working that writes the child's digit there and
// differs least from the rest of what the child wrote (52 − 18 = 46 is the
// smaller digit taken from the larger, not a borrow forgotten). A neighbour in
// the tables, one fact misremembered, gives way to a mistake of method that
// explains the digit as well (47 × 3 = 181 is the carry added first). `also`
// explains every wrong digit of this part. A part the child left blank is not
// a mistake of method: its wrong digits are slips.
void explain(Finding &f, const Digits &right, const Digits &child, const Ways &ways, const QString &example,
             const std::set<Pattern> &also = {}, bool blank = false)
{
    if (blank) {
        for (std::size_t i = 0; i < right.size(); ++i)
            if (child[i] != right[i])
                f.wrongDigits.emplace_back();
        return;
    }
    auto differences = [&](const Digits &answer) {
        int n = 0;
        for (std::size_t i = 0; i < child.size(); ++i)
            n += i >= answer.size() || answer[i] != child[i];
        return n;
    };
    for (std::size_t i = 0; i < right.size(); ++i) {
        if (child[i] == right[i])
            continue;
        std::map<Pattern, int> closest; // of each mistake that writes this digit, its way nearest the child's
        for (const auto &[pattern, answers] : ways)
            for (const Digits &answer : answers)
                if (i < answer.size() && answer[i] == child[i])
                    if (auto it = closest.find(pattern); it == closest.end() || differences(answer) < it->second)
                        closest[pattern] = differences(answer);
        int fewest = int(child.size()) + 1;
        for (const auto &[pattern, n] : closest)
            fewest = std::min(fewest, n);
        const bool method = std::any_of(closest.begin(), closest.end(),
                                        [&](const auto &c) { return c.second == fewest && c.first != Pattern::TableNeighbour; });
        std::set<Pattern> why = also;
        for (const auto &[pattern, n] : closest)
            if (n == fewest && !(method && pattern == Pattern::TableNeighbour))
                why.insert(pattern);
        for (Pattern p : why)
            f.examples.emplace(p, example); // the first place it showed
        f.wrongDigits.push_back(why);
    }
}

// ---------------------------------------------------------------- the faulty ways of working

// A sum column by column without its carries.
Digits sumWithoutCarries(int a, int b, int n)
{
    Digits d(n);
    for (int i = 0; i < n; ++i, a /= 10, b /= 10)
        d[i] = (a % 10 + b % 10) % 10;
    return d;
}

// A subtraction column by column: `column` says what a column with top t,
// bottom u and a borrow owed writes, and whether it borrows.
template <class Column> Digits subtraction(int a, int b, int n, Column column)
{
    Digits d(n);
    bool owed = false;
    for (int i = 0; i < n; ++i, a /= 10, b /= 10) {
        const auto [digit, borrows] = column(a % 10, b % 10, owed);
        d[i] = digit;
        owed = borrows;
    }
    return d;
}

std::pair<int, bool> rightColumn(int t, int u, bool owed)
{
    const int v = t - u - (owed ? 1 : 0);
    return {(v + 10) % 10, v < 0};
}

Ways subtractionWays(int a, int b, int n)
{
    return {
        {Pattern::SmallerFromLarger, {subtraction(a, b, n, [](int t, int u, bool) { return std::pair{t < u ? u - t : t - u, false}; })}},
        {Pattern::ZeroMinusNumber, {subtraction(a, b, n, [](int t, int u, bool owed) {
             return t == 0 && u > 0 ? std::pair{u, false} : rightColumn(t, u, owed);
         })}},
        // the borrow taken, never paid back
        {Pattern::ForgetsCarry, {subtraction(a, b, n, [](int t, int u, bool) { return rightColumn(t, u, false); })}},
    };
}

// A number times one digit, column by column: `product` is what column i
// multiplies (its digit and the carry it receives) into.
template <class Product> Digits timesDigit(int a, int n, Product product)
{
    Digits d(n);
    int carry = 0;
    const int top = int(num(a).size());
    for (int i = 0; i < n; ++i, a /= 10) {
        if (i >= top) {
            d[i] = carry % 10;
            carry /= 10;
            continue;
        }
        const int p = product(i, a % 10, carry);
        d[i] = p % 10;
        carry = p / 10;
    }
    return d;
}

// The one-digit products next to t × b in the tables.
std::vector<int> neighbours(int t, int b)
{
    std::vector<int> n;
    for (int v : {t * (b - 1), t * (b + 1), (t - 1) * b, (t + 1) * b})
        if (v >= 0 && v != t * b && std::find(n.begin(), n.end(), v) == n.end())
            n.push_back(v);
    return n;
}

Ways productWays(int a, int b, int n)
{
    Ways ways;
    // The carries left out; the last product written whole.
    ways[Pattern::ForgetsCarry] = {timesDigit(a, n, [b](int, int t, int) { return t * b; })};
    ways[Pattern::CarryBeforeMultiplying] = {timesDigit(a, n, [b](int, int t, int carry) { return (t + carry) * b; })};
    // One product of the tables mistaken for a neighbour, the rest worked right.
    const Digits digits = lowDigits(a, int(num(a).size()));
    for (int j = 0; j < int(digits.size()); ++j)
        for (int wrong : neighbours(digits[j], b))
            ways[Pattern::TableNeighbour].push_back(
                timesDigit(a, n, [&](int i, int t, int carry) { return (i == j ? wrong : t * b) + carry; }));
    return ways;
}

// A digit cell's first entry; an empty cell counts as 0.
int firstOf(const DigitCell &c) { return c.first.value_or(0); }

// Whether none of these cells had anything written when first judged.
template <class Cells> bool blank(const Cells &cells)
{
    return std::none_of(cells.begin(), cells.end(), [](const DigitCell *c) { return c->first.has_value(); });
}

} // namespace

// ---------------------------------------------------------------- the column window

Finding Of(const Exercise &e)
{
    Finding f;
    if (!e.Answer[0].judged)
        return f;
    Digits child(e.AnswerDigits), right(e.AnswerDigits);
    std::vector<const DigitCell *> cells;
    for (int i = 0; i < e.AnswerDigits; ++i) {
        child[i] = firstOf(e.Answer[i]);
        right[i] = e.Answer[i].right;
        cells.push_back(&e.Answer[i]);
    }
    const int a = e.Operation == Op::Division ? e.Dividend : e.OperandA;
    const int b = e.Operation == Op::Division ? e.Divisor : e.OperandB;
    const QString sign = e.Operation == Op::Addition      ? QStringLiteral(" + ")
                         : e.Operation == Op::Subtraction ? QStringLiteral(" - ")
                         : e.Operation == Op::Division    ? QStringLiteral(" / ")
                                                          : QStringLiteral(" X ");
    const QString example = num(a) + sign + num(b) + QStringLiteral(" = ") + num(valueOf(child));
    const int n = e.AnswerDigits;
    Ways ways;
    switch (e.Operation) {
    case Op::Addition:
        ways[Pattern::ForgetsCarry] = {sumWithoutCarries(a, b, n)};
        break;
    case Op::Subtraction:
        ways = subtractionWays(a, b, n);
        break;
    case Op::Multiplication:
        ways = productWays(a, b, n);
        break;
    case Op::Division:
        ways[Pattern::TableNeighbour] = {{e.ExpectedResult - 1}, {e.ExpectedResult + 1}};
        break;
    }
    explain(f, right, child, ways, example, {}, blank(cells));
    return f;
}

// ---------------------------------------------------------------- the long division

Finding Of(const LongDivision &d)
{
    Finding f;
    const int steps = std::min(int(d.Steps.size()), LongDivision::QuotientDigits);
    QString written;
    for (int k = 0; k < steps; ++k)
        if (d.QuotientCell(k).first)
            written += num(*d.QuotientCell(k).first);
    const QString quotientExample = d.Statement() + QStringLiteral(" = ") + written;

    // The quotient digits. A 0 left out shifts the digits after it one cell left.
    std::vector<std::set<Pattern>> quotientWhy(steps);
    std::vector<bool> quotientRight(steps);
    bool shifted = false;
    for (int k = 0; k < steps; ++k) {
        const std::optional<int> first = d.QuotientCell(k).first;
        const int q = d.Steps[k].quotient;
        // what the cell holds when the digits after a left-out 0 move one cell left (-1: none)
        const int next = k + 1 < steps ? d.Steps[k + 1].quotient : -1;
        const bool moved = first.value_or(0) == std::max(next, 0); // an empty cell for a 0

        quotientRight[k] = first == q;
        if (quotientRight[k])
            continue;
        std::set<Pattern> &why = quotientWhy[k];
        shifted = moved && ((q == 0 && next > 0) || shifted);
        if (shifted)
            why.insert(Pattern::ForgetsQuotientZero);
        else if (first)
            why.insert(*first < q ? Pattern::QuotientTooSmall : Pattern::QuotientTooLarge);
        for (Pattern p : why)
            f.examples.emplace(p, quotientExample);
        f.wrongDigits.push_back(why);
    }

    // The remainders, each under its step.
    const int cells = d.FirstGroupDigits;
    for (int row = 1; row <= std::min(steps, LongDivision::Rows); ++row) {
        const LongDivision::Step &step = d.Steps[row - 1];
        Digits child(cells), right(cells);
        std::vector<const DigitCell *> written;
        for (int i = 0; i < cells; ++i) {
            const int column = row - 1 + cells - 1 - i;
            child[i] = firstOf(d.RemainderCell(row, column));
            right[i] = d.RemainderCell(row, column).right;
            written.push_back(&d.RemainderCell(row, column));
        }
        const QString example = d.Statement() + QStringLiteral(", ") + num(step.partial) + QStringLiteral(" - ") + num(step.product) +
                                QStringLiteral(" = ") + num(valueOf(child));
        if (quotientRight[row - 1]) {
            explain(f, right, child, subtractionWays(step.partial, step.product, cells), example, {Pattern::DivisionSubtraction},
                    blank(written));
        } else {
            // A remainder that follows from the child's own quotient digit is the same mistake.
            const std::optional<int> q = d.QuotientCell(row - 1).first;
            const int own = q ? step.partial - *q * d.Divisor : -1;
            if (own >= 0 && own == valueOf(child))
                explain(f, right, child, {}, example, quotientWhy[row - 1]);
            else
                explain(f, right, child, {}, example);
        }
    }
    return f;
}

// ---------------------------------------------------------------- the long multiplication

Finding Of(const LongMultiplication &m)
{
    using Row = LongMultiplication::Row;
    Finding f;
    auto rowDigits = [&](Row row, bool first) {
        Digits d(m.CellCount(row));
        for (int i = 0; i < m.CellCount(row); ++i) {
            const DigitCell &c = m.Cell(row, i + LongMultiplication::FirstColumn(row));
            d[i] = first ? firstOf(c) : c.right;
        }
        return d;
    };
    auto rowBlank = [&](Row row) {
        std::vector<const DigitCell *> cells;
        for (int i = 0; i < m.CellCount(row); ++i)
            cells.push_back(&m.Cell(row, i + LongMultiplication::FirstColumn(row)));
        return blank(cells);
    };
    std::set<Pattern> rowMistakes;
    bool rowsRight = true;
    for (Row row : {Row::First, Row::Second}) {
        if (!m.InUse(row))
            continue;
        const int b = m.RowDigit(row), n = m.CellCount(row);
        const Digits child = rowDigits(row, true), right = rowDigits(row, false);
        const Ways ways = productWays(m.Multiplicand, b, n);
        const std::size_t before = f.wrongDigits.size();
        explain(f, right, child, ways, num(m.Multiplicand) + QStringLiteral(" X ") + num(b) + QStringLiteral(" = ") + num(valueOf(child)),
                {}, rowBlank(row));
        for (std::size_t i = before; i < f.wrongDigits.size(); ++i)
            rowMistakes.insert(f.wrongDigits[i].begin(), f.wrongDigits[i].end());
        rowsRight = rowsRight && child == right;
    }
    if (!m.InUse(Row::Result))
        return f;
    const int r1 = valueOf(rowDigits(Row::First, true)), r2 = 10 * valueOf(rowDigits(Row::Second, true));
    const int n = m.CellCount(Row::Result);
    const Digits child = rowDigits(Row::Result, true), right = rowDigits(Row::Result, false);
    const QString example = num(r1) + QStringLiteral(" + ") + num(r2) + QStringLiteral(" = ") + num(valueOf(child));
    if (rowBlank(Row::Result))
        explain(f, right, child, {}, example, {}, true);
    else if (rowsRight)
        explain(f, right, child, {{Pattern::ForgetsCarry, {sumWithoutCarries(r1, r2, n)}}}, example, {Pattern::AddsProductsWrong});
    else if (valueOf(child) == r1 + r2)
        explain(f, right, child, {}, example, rowMistakes); // the rows' mistakes, added up right
    else
        explain(f, right, child, {}, example);
    return f;
}

Finding Of(const Worked &w)
{
    return std::visit(
        [](const auto &e) -> Finding {
            if constexpr (std::is_same_v<std::decay_t<decltype(e)>, std::monostate>)
                return {};
            else
                return Of(e);
        },
        w);
}

// ---------------------------------------------------------------- a run

namespace {
int serialOf(const Worked &w)
{
    return std::visit(
        [](const auto &e) {
            if constexpr (std::is_same_v<std::decay_t<decltype(e)>, std::monostate>)
                return 0;
            else
                return e.Serial;
        },
        w);
}
} // namespace

Summary OfRun(const std::vector<Worked> &exercises)
{
    std::vector<Finding> findings;
    std::set<int> seen;
    for (const Worked &w : exercises) {
        const int serial = serialOf(w);
        if (serial == 0 || !seen.insert(serial).second)
            continue;
        Finding f = Of(w);
        if (f.wrong())
            findings.push_back(std::move(f));
    }
    std::array<int, PatternCount> count{};
    std::array<QString, PatternCount> example;
    for (const Finding &f : findings)
        for (const auto &[p, where] : f.examples)
            if (count[int(p)]++ == 0)
                example[int(p)] = where;
    Summary s;
    std::set<Pattern> named;
    for (int p = 0; p < PatternCount; ++p)
        if (count[p] >= 2) {
            s.named.push_back({Pattern(p), count[p], example[p]});
            named.insert(Pattern(p));
        }
    std::stable_sort(s.named.begin(), s.named.end(), [](const auto &x, const auto &y) { return x.count > y.count; });
    for (const Finding &f : findings)
        s.slips += std::any_of(f.wrongDigits.begin(), f.wrongDigits.end(), [&](const std::set<Pattern> &why) {
            return std::none_of(why.begin(), why.end(), [&](Pattern p) { return named.count(p) > 0; });
        });
    return s;
}

} // namespace Diagnosis
