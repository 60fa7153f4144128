#include "diagnosis/diagnosis.h"

#include "exercises/numbers.h"

#include <algorithm>
#include <array>
#include <optional>

namespace Diagnosis {

namespace {

// ---------------------------------------------------------------- a number written column by column

constexpr int MaxColumns = 8;
constexpr int MaxState = 32; // carries and borrows beyond this are no child's
using Digits = std::array<int, MaxColumns>; // units first

// How many digits v is written with (0 with one).
int lengthOf(int v)
{
    int n = 1;
    for (; v >= 10; v /= 10)
        ++n;
    return n;
}

int valueOf(const Digits &d, int n)
{
    int v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = 10 * v + d[i];
    return v;
}

Digits columnsOf(int v)
{
    Digits d{};
    for (int &x : d) {
        x = v % 10;
        v /= 10;
    }
    return d;
}

enum class Kind { Sum, Subtraction, Product };

// One number the child wrote column by column (an answer, a partial product, a
// remainder), with what it is worked from. The state a column passes to the
// next is its carry, or the borrow it owes.
struct Part {
    Kind kind = Kind::Sum;
    Digits x{}, y{};   // the operands; a product: the multiplicand in x
    int top = 0;       // a product: the multiplicand's digits
    int b = 0;         // a product: the multiplier digit
    int n = 0;         // cells written
    Digits child{};    // the child's first entries, an empty cell as 0
    Digits right{};    // the right digits of the cells
    bool blank = false; // nothing written: no way of working, its wrong digits are slips
};

// One column worked: the digit written and the state passed on; for a way of
// working a mistake, which form of it, and the fact it took.
struct Step {
    int digit = 0, state = 0;
    int way = 0, said = 0;
};

Step rightStep(const Part &p, int i, int s)
{
    switch (p.kind) {
    case Kind::Sum: {
        const int v = p.x[i] + p.y[i] + s;
        return {v % 10, v / 10};
    }
    case Kind::Subtraction: {
        const int v = p.x[i] - s - p.y[i];
        return {(v + 10) % 10, v < 0 ? 1 : 0};
    }
    case Kind::Product:
        break;
    }
    if (i >= p.top)
        return {s % 10, s / 10};
    const int v = p.x[i] * p.b + s;
    return {v % 10, v / 10};
}

// A mistake's way of working a column in a state, where it differs from the
// right one: up to four ways (the neighbours of a fact); their number.
using Rule = int (*)(const Part &p, int i, int s, Step *out);

namespace Ways {
enum { Sums = 0, Subtractions = 1, Products = 2 };                 // the carry forgotten
enum { ZeroOnTop = 0, ZeroThatLent = 1, OneMadeZero = 2 };         // 0 − n
} // namespace Ways

// The carry, or the borrow owed, left out.
int forgetsCarry(const Part &p, int i, int s, Step *out)
{
    if (s == 0)
        return 0;
    switch (p.kind) {
    case Kind::Sum: {
        const int v = p.x[i] + p.y[i];
        out[0] = {v % 10, v / 10, Ways::Sums};
        return 1;
    }
    case Kind::Subtraction:
        out[0] = {(p.x[i] - p.y[i] + 10) % 10, 0, Ways::Subtractions}; // the 10 taken, nothing paid back
        return 1;
    case Kind::Product:
        break;
    }
    if (i >= p.top)
        return 0; // the last product's tens are written
    const int v = p.x[i] * p.b;
    out[0] = {v % 10, v / 10, Ways::Products};
    return 1;
}

// The smaller digit taken from the larger, where nothing has been borrowed.
int smallerFromLarger(const Part &p, int i, int s, Step *out)
{
    if (s != 0 || p.x[i] >= p.y[i])
        return 0;
    out[0] = {p.y[i] - p.x[i], 0};
    return 1;
}

// A 0 on top minus a number: the number (or 0), with no borrow; also a 0 that
// has lent to the column before, and a 1 a borrow has made 0.
int zeroMinus(const Part &p, int i, int s, Step *out, bool givesZero)
{
    const int t = p.x[i], u = p.y[i];
    int way;
    if (t == 0 && s == 0 && u > 0)
        way = Ways::ZeroOnTop;
    else if (t == 0 && s == 1)
        way = Ways::ZeroThatLent;
    else if (t == 1 && s == 1 && u > 0 && !givesZero)
        way = Ways::OneMadeZero;
    else
        return 0;
    out[0] = {givesZero ? 0 : u, 0, way};
    return 1;
}
int zeroMinusNumber(const Part &p, int i, int s, Step *out) { return zeroMinus(p, i, s, out, false); }
int zeroMinusNumberIsZero(const Part &p, int i, int s, Step *out) { return zeroMinus(p, i, s, out, true); }

// Products with a carry: the carry added first, or multiplied by instead of the multiplier.
int carryBeforeMultiplying(const Part &p, int i, int s, Step *out)
{
    if (i >= p.top || s == 0)
        return 0;
    const int v = (p.x[i] + s) * p.b;
    out[0] = {v % 10, v / 10};
    return 1;
}
int multipliesByCarry(const Part &p, int i, int s, Step *out)
{
    if (i >= p.top || s == 0)
        return 0;
    const int v = p.x[i] * s;
    out[0] = {v % 10, v / 10};
    return 1;
}

// The tens of a product written, its units carried; the last product is written whole.
int writesTensCarriesUnits(const Part &p, int i, int s, Step *out)
{
    const int v = p.x[i] * p.b + s;
    if (i >= p.top - 1 || v < 10)
        return 0;
    out[0] = {v / 10, v % 10};
    return 1;
}

// A fact of the tables (both factors 2 or more) taken for a neighbour: a × (b ± 1), (a ± 1) × b.
int tableNeighbour(const Part &p, int i, int s, Step *out)
{
    const int a = p.x[i], b = p.b;
    if (i >= p.top || a < 2 || b < 2)
        return 0;
    int count = 0;
    for (const int w : {a * (b - 1), a * (b + 1), (a - 1) * b, (a + 1) * b})
        out[count++] = {(w + s) % 10, (w + s) / 10, 0, w};
    return count;
}

struct Mistake {
    Pattern pattern;
    Rule rule;
};
constexpr Mistake SumMistakes[] = {{Pattern::ForgetsCarry, forgetsCarry}};
constexpr Mistake SubtractionMistakes[] = {{Pattern::SmallerFromLarger, smallerFromLarger},
                                           {Pattern::ForgetsCarry, forgetsCarry},
                                           {Pattern::ZeroMinusNumber, zeroMinusNumber},
                                           {Pattern::ZeroMinusNumberIsZero, zeroMinusNumberIsZero}};
constexpr Mistake ProductMistakes[] = {{Pattern::ForgetsCarry, forgetsCarry},
                                       {Pattern::CarryBeforeMultiplying, carryBeforeMultiplying},
                                       {Pattern::MultipliesByCarry, multipliesByCarry},
                                       {Pattern::WritesTensCarriesUnits, writesTensCarriesUnits},
                                       {Pattern::TableNeighbour, tableNeighbour}};

// ---------------------------------------------------------------- the child's path through one part

// A chance of a mistake met in a part, and where its evidence lies.
struct Place {
    int column = 0, evidence = 0;
    Step step; // the mistake's way there
    int a = 0; // the digit worked (a fact's first factor)
    How how = How::Neither;
};

// How one part reads under one mistake: the path through its columns, right or
// the mistake's way at each, that writes most of the child's digits (and, of
// those, the fewest mistaken steps). The state each column starts from is the
// one the child's own earlier columns show.
struct Reading {
    int matches = 0;
    unsigned explains = 0; // the child's wrong digits the path writes
    std::array<Place, MaxColumns> places{};
    int placeCount = 0;
};

class Reader
{
public:
    // `own`: what the part's own operands give, worked right.
    Reader(const Part &p, const Digits &own, Rule rule) : p_(p), own_(own), rule_(rule)
    {
        for (auto &row : known_)
            row.fill(false);
    }

    Reading read()
    {
        Reading r;
        r.matches = matchesOf(best(0, 0));
        int s = 0;
        for (int i = 0; i < p_.n; ++i) {
            const Step right = rightStep(p_, i, s);
            Step ways[4];
            const int count = alternatives(i, s, right, ways);
            const int rightScore = gain(i, right.digit, false) + best(i + 1, right.state);
            int bestWay = -1, wayScore = 0;
            for (int k = 0; k < count; ++k) {
                const int v = gain(i, ways[k].digit, true) + best(i + 1, ways[k].state);
                if (bestWay < 0 || v > wayScore) {
                    bestWay = k;
                    wayScore = v;
                }
            }
            const bool mistaken = bestWay >= 0 && wayScore > rightScore;
            const Step taken = mistaken ? ways[bestWay] : right;
            if (bestWay >= 0) {
                // A chance of the mistake: its way differs here, in the digit or only in
                // what it passes on (then the next digit tells). The child worked it the way
                // the child's digits from here on fit better; neither, if the digit fits neither.
                const int m = matchesOf(wayScore), mr = matchesOf(rightScore);
                Place place{i, ways[bestWay].digit != right.digit ? i : i + 1, ways[bestWay], p_.x[i], How::Neither};
                if (m != mr || ways[bestWay].digit != right.digit) {
                    place.how = m > mr ? How::AsMistake : m < mr ? How::Right : How::Neither;
                    r.places[r.placeCount++] = place;
                }
            }
            if (p_.child[i] == taken.digit && taken.digit != own_[i])
                r.explains |= 1u << i;
            s = taken.state;
        }
        return r;
    }

private:
    // Each match counts 16, each mistaken step −1: most matches first, then fewest steps.
    static int matchesOf(int score) { return (score + 15) / 16; }
    int gain(int i, int digit, bool mistaken) const { return (p_.child[i] == digit ? 16 : 0) - (mistaken ? 1 : 0); }

    int alternatives(int i, int s, const Step &right, Step *ways) const
    {
        Step all[4];
        const int count = rule_(p_, i, s, all);
        int n = 0;
        for (int k = 0; k < count; ++k)
            if ((all[k].digit != right.digit || all[k].state != right.state) && all[k].state < MaxState)
                ways[n++] = all[k];
        return n;
    }

    int best(int i, int s)
    {
        if (i == p_.n)
            return 0;
        if (known_[i][s])
            return score_[i][s];
        const Step right = rightStep(p_, i, s);
        int v = gain(i, right.digit, false) + best(i + 1, right.state);
        Step ways[4];
        const int count = alternatives(i, s, right, ways);
        for (int k = 0; k < count; ++k)
            v = std::max(v, gain(i, ways[k].digit, true) + best(i + 1, ways[k].state));
        known_[i][s] = true;
        return score_[i][s] = v;
    }

    const Part &p_;
    const Digits &own_;
    Rule rule_;
    std::array<std::array<bool, MaxState>, MaxColumns> known_;
    std::array<std::array<int, MaxState>, MaxColumns> score_;
};

// The part's own operands worked right.
Digits ownRight(const Part &p)
{
    Digits d{};
    int s = 0;
    for (int i = 0; i < p.n; ++i) {
        const Step r = rightStep(p, i, s);
        d[i] = r.digit;
        s = std::min(r.state, MaxState - 1);
    }
    return d;
}

// ---------------------------------------------------------------- a finding, part by part

// What else may explain a part's wrong digits: the mistake of the place named
// beside each mistake of method found there ("Resta mal al dividir" beside a
// subtraction mistake); mistakes that explain the whole part at once (a product
// multiplied wrong in the head); the mistakes of the numbers the child worked
// from (a result that adds up rows the child got wrong).
struct Besides {
    std::optional<Pattern> place;
    std::set<Pattern> whole;
    std::set<Pattern> operands;
};

// What a part adds to a finding.
template <std::size_t N, class Example>
void readPart(Finding &f, const Part &p, const Mistake (&mistakes)[N], Example example, int part, const Besides &besides = {})
{
    const Digits own = ownRight(p);
    std::array<Reading, N> readings;
    if (!p.blank)
        for (std::size_t m = 0; m < N; ++m)
            readings[m] = Reader(p, own, mistakes[m].rule).read();
    // Each wrong digit: the mistakes that write it and read most of the part.
    std::array<std::set<Pattern>, MaxColumns> why;
    for (int i = 0; i < p.n; ++i) {
        if (p.child[i] == p.right[i])
            continue;
        if (!p.blank) {
            int most = besides.whole.empty() ? -1 : p.n; // what explains the whole part reads all of it
            for (std::size_t m = 0; m < N; ++m)
                if (readings[m].explains >> i & 1u)
                    most = std::max(most, readings[m].matches);
            for (std::size_t m = 0; m < N; ++m)
                if ((readings[m].explains >> i & 1u) && readings[m].matches == most)
                    why[i].insert(mistakes[m].pattern);
            if (besides.place && !why[i].empty())
                why[i].insert(*besides.place);
            why[i].insert(besides.whole.begin(), besides.whole.end());
            if (why[i].size() > 1) // a mistake of method explains it as well as a neighbour in the tables
                why[i].erase(Pattern::TableNeighbour);
            if (p.child[i] == own[i])
                why[i].insert(besides.operands.begin(), besides.operands.end());
        }
        for (Pattern pattern : why[i])
            if (!f.examples.count(pattern))
                f.examples.emplace(pattern, example());
        f.wrongDigits.push_back(why[i]);
    }
    // The chances met; one worked that way counts only where the mistake explains the child's digit best.
    for (std::size_t m = 0; m < N; ++m)
        for (int k = 0; k < readings[m].placeCount; ++k) {
            const Place &place = readings[m].places[k];
            const Pattern pattern = mistakes[m].pattern;
            How how = place.how;
            if (how == How::AsMistake && place.evidence < p.n && p.child[place.evidence] != p.right[place.evidence] &&
                !why[place.evidence].count(pattern))
                how = How::Neither;
            Chance c{pattern, place.step.way, how};
            c.place = 16 * part + place.evidence;
            if (pattern == Pattern::TableNeighbour) {
                c.factorA = std::min(place.a, p.b);
                c.factorB = std::max(place.a, p.b);
                c.said = how == How::AsMistake ? place.step.said : 0;
            }
            f.chances.push_back(c);
            if (besides.place)
                f.chances.push_back({*besides.place, PatternCount * place.step.way + int(pattern), how, 0, 0, 0, c.place});
        }
}

Digits firstDigits(const DigitCell *const *cells, int n, bool &blank)
{
    Digits d{};
    blank = true;
    for (int i = 0; i < n; ++i) {
        d[i] = cells[i]->first.value_or(0);
        blank = blank && !cells[i]->first.has_value();
    }
    return d;
}

} // namespace

// ---------------------------------------------------------------- the column window

Finding Of(const Exercise &e)
{
    Finding f;
    if (!e.Answer[0].judged)
        return f;
    Part p;
    p.n = std::min(e.AnswerDigits, MaxColumns);
    std::array<const DigitCell *, 4> cells{};
    for (int i = 0; i < p.n; ++i) {
        cells[i] = &e.Answer[i];
        p.right[i] = e.Answer[i].right;
    }
    p.child = firstDigits(cells.data(), p.n, p.blank);
    const QString sign = e.Operation == Op::Addition      ? QStringLiteral(" + ")
                         : e.Operation == Op::Subtraction ? QStringLiteral(" - ")
                         : e.Operation == Op::Division    ? QStringLiteral(" / ")
                                                          : QStringLiteral(" X ");
    const int a = e.Operation == Op::Division ? e.Dividend : e.OperandA;
    const int b = e.Operation == Op::Division ? e.Divisor : e.OperandB;
    auto example = [&] { return num(a) + sign + num(b) + QStringLiteral(" = ") + num(valueOf(p.child, p.n)); };
    p.x = columnsOf(a);
    p.y = columnsOf(b);
    switch (e.Operation) {
    case Op::Addition:
        p.kind = Kind::Sum;
        readPart(f, p, SumMistakes, example, 0);
        break;
    case Op::Subtraction:
        p.kind = Kind::Subtraction;
        readPart(f, p, SubtractionMistakes, example, 0);
        break;
    case Op::Multiplication:
        p.kind = Kind::Product;
        p.top = lengthOf(a);
        p.b = b;
        p.y = {};
        readPart(f, p, ProductMistakes, example, 0);
        break;
    case Op::Division: {
        // A fact of the tables: the quotient one off is a neighbour.
        const int q = e.ExpectedResult, said = valueOf(p.child, p.n);
        const bool neighbour = !p.blank && (said == q - 1 || said == q + 1);
        if (b >= 2 && q >= 2 && !p.blank)
            f.chances.push_back({Pattern::TableNeighbour, 0, said == q ? How::Right : neighbour ? How::AsMistake : How::Neither,
                                 std::min(b, q), std::max(b, q), neighbour ? b * said : 0});
        if (said != q) {
            f.wrongDigits.push_back(neighbour ? std::set<Pattern>{Pattern::TableNeighbour} : std::set<Pattern>{});
            if (neighbour)
                f.examples.emplace(Pattern::TableNeighbour, example());
        }
        break;
    }
    }
    return f;
}

// ---------------------------------------------------------------- the long division

namespace {

// A number times one digit, worked whole the way a mistake works it wherever it
// can (none: right): the product a child multiplies in its head in a division.
int productWorked(int a, int b, Rule rule)
{
    Part p;
    p.kind = Kind::Product;
    p.x = columnsOf(a);
    p.top = lengthOf(a);
    p.b = b;
    p.n = std::min(p.top + 2, MaxColumns);
    int s = 0, v = 0;
    for (int i = 0, place = 1; i < p.n; ++i, place *= 10) {
        Step step = rightStep(p, i, s);
        Step ways[4];
        if (rule && rule(p, i, s, ways) > 0)
            step = ways[0];
        v += place * step.digit;
        s = std::min(step.state, MaxState - 1);
    }
    return v;
}

// The numbers of a division's parts: each remainder row, and the quotient.
constexpr int QuotientPart = LongDivision::Rows + 1;

} // namespace

Finding Of(const LongDivision &d)
{
    Finding f;
    const int steps = std::min(int(d.Steps.size()), LongDivision::QuotientDigits);
    std::vector<std::optional<int>> child(steps);
    for (int k = 0; k < steps; ++k)
        child[k] = d.QuotientCell(k).first;
    auto quotientExample = [&] {
        QString written;
        for (const std::optional<int> &digit : child)
            if (digit)
                written += num(*digit);
        return d.Statement() + QStringLiteral(" = ") + written;
    };

    // The remainder rows as the child wrote them.
    const int cells = std::min(d.FirstGroupDigits, MaxColumns);
    struct Row {
        Digits child{}, right{};
        bool blank = true;
        int value = 0;
    };
    std::vector<Row> rows(std::min(steps, LongDivision::Rows));
    for (int k = 0; k < int(rows.size()); ++k) {
        std::array<const DigitCell *, MaxColumns> written{};
        for (int i = 0; i < cells; ++i) {
            written[i] = &d.RemainderCell(k + 1, k + cells - 1 - i);
            rows[k].right[i] = written[i]->right;
        }
        rows[k].child = firstDigits(written.data(), cells, rows[k].blank);
        rows[k].value = valueOf(rows[k].child, cells);
    }
    // A step worked: its digit written (a remainder left empty reads 0).
    auto worked = [&](int k) { return k < int(rows.size()) && child[k]; };

    // A 0 of the quotient left out: the digits that go written one after the
    // other, the cells left over empty. It shows where a 0 belongs: its cell is
    // empty after a digit written, or holds the next digit while the digits after
    // it are not all in their places (4516 : 9 written 511 has its last 1 in
    // place: the 0 was not left out).
    std::vector<std::optional<int>> closedUp;
    for (int k = 0; k < steps; ++k)
        if (k == 0 || d.Steps[k].quotient != 0)
            closedUp.push_back(d.Steps[k].quotient);
    closedUp.resize(steps);
    std::vector<std::set<Pattern>> quotientWhy(steps);
    std::vector<bool> right(steps);
    int leftOutFrom = steps;
    for (int k = 0; k < steps; ++k)
        right[k] = child[k] == d.Steps[k].quotient;
    for (int k = 1; k < steps; ++k) {
        if (d.Steps[k].quotient != 0)
            continue;
        bool laterInPlace = true;
        for (int j = k + 1; j < steps; ++j)
            laterInPlace = laterInPlace && right[j];
        const bool leftOut = child[k] ? child[k] == closedUp[k] && !(k + 1 < steps && laterInPlace)
                                      : std::any_of(child.begin(), child.begin() + k, [](const auto &digit) { return digit.has_value(); });
        f.chances.push_back({Pattern::ForgetsQuotientZero, 0, right[k] ? How::Right : leftOut ? How::AsMistake : How::Neither, 0, 0, 0,
                             16 * QuotientPart + k});
        if (leftOut)
            leftOutFrom = std::min(leftOutFrom, k);
    }
    for (int k = leftOutFrom; k < steps; ++k)
        if (!right[k] && child[k] == closedUp[k])
            quotientWhy[k].insert(Pattern::ForgetsQuotientZero);

    // Each step's product, multiplied in the child's head: a mistake of
    // multiplication explains the step when the product it gives leaves the
    // child's remainder (as far as the row's cells hold it) and, under a wrong
    // digit, makes that digit the largest that fits.
    int hold = 1;
    for (int i = 0; i < cells; ++i)
        hold *= 10;
    std::vector<std::set<Pattern>> productWhy(steps);
    for (int k = 0; k < steps; ++k) {
        if (!worked(k))
            continue;
        const LongDivision::Step &step = d.Steps[k];
        const int c = *child[k], partial = step.partial, remainder = rows[k].value, place = 16 * (k + 1);
        const bool rightStep = right[k] && remainder == step.remainder;
        // A mistake that shows: its example is the product as the child took it ("25920 : 36, 36 X 8 = 248").
        auto productShown = [&](Pattern p, int product) {
            productWhy[k].insert(p);
            if (!f.examples.count(p))
                f.examples.emplace(p, d.Statement() + QStringLiteral(", ") + num(d.Divisor) + QStringLiteral(" X ") + num(c) + QStringLiteral(" = ") +
                                          num(product));
        };
        auto explains = [&](auto product) {
            const int own = product(c);
            if (own > partial || remainder != (partial - own) % hold)
                return false;
            if (right[k])
                return own != c * d.Divisor;
            int largest = 0;
            for (int t = 1; t <= 9; ++t)
                if (product(t) <= partial)
                    largest = t;
            return largest == c;
        };
        for (const Mistake &m : ProductMistakes) {
            if (m.pattern == Pattern::TableNeighbour)
                continue;
            auto product = [&](int t) { return productWorked(d.Divisor, t, m.rule); };
            const bool shows = explains(product);
            if (product(c) == c * d.Divisor && !shows)
                continue;
            f.chances.push_back({m.pattern, Ways::Products, shows ? How::AsMistake : rightStep ? How::Right : How::Neither, 0, 0, 0, place});
            if (shows)
                productShown(m.pattern, product(c));
        }
        // A fact of the tables taken for a neighbour: a digit of the divisor times the child's digit.
        if (c < 2)
            continue;
        bool said = false;
        for (int power = 1, rest = d.Divisor; rest > 0; power *= 10, rest /= 10) {
            const int a = rest % 10;
            if (a < 2)
                continue;
            for (const int w : {a * (c - 1), a * (c + 1), (a - 1) * c, (a + 1) * c})
                if (!said && explains([&](int t) { return t * d.Divisor + (t == c ? (w - a * c) * power : 0); })) {
                    said = true;
                    f.chances.push_back({Pattern::TableNeighbour, 0, How::AsMistake, std::min(a, c), std::max(a, c), w, place});
                    productShown(Pattern::TableNeighbour, c * d.Divisor + (w - a * c) * power);
                }
            if (!said)
                f.chances.push_back({Pattern::TableNeighbour, 0, rightStep ? How::Right : How::Neither, std::min(a, c), std::max(a, c), 0, place});
        }
    }

    // A quotient digit too small shows in the child's remainder reaching the
    // divisor; too large, in a product larger than the number it is taken from,
    // which leaves the child a remainder to invent. Their chances: the steps
    // where the trial digit of a divisor of two or more digits is off, by the
    // divisor rounded up to its first digit (too small) or cut to it (too
    // large), and any step where the child shows the mistake.
    int lead = 1;
    for (int v = d.Divisor; v >= 10; v /= 10)
        lead *= 10;
    const int roundedUp = d.Divisor % lead ? (d.Divisor / lead + 1) * lead : d.Divisor, cut = d.Divisor / lead * lead;
    for (int k = 0; k < steps; ++k) {
        const LongDivision::Step &step = d.Steps[k];
        if (!right[k] && quotientWhy[k].empty())
            quotientWhy[k] = productWhy[k];
        const bool own = productWhy[k].empty() && quotientWhy[k].empty() && worked(k);
        // (a remainder too long for the row's cells shows as much of it as they hold)
        const bool small = own && *child[k] < step.quotient &&
                           (rows[k].value >= d.Divisor || rows[k].value == (step.partial - *child[k] * d.Divisor) % hold);
        const bool large = own && *child[k] > step.quotient && rows[k].value != step.remainder;
        const int place = 16 * QuotientPart + k;
        if (small || (lead > 1 && step.partial / roundedUp < step.quotient))
            f.chances.push_back({Pattern::QuotientTooSmall, 0, right[k] ? How::Right : small ? How::AsMistake : How::Neither, 0, 0, 0, place});
        if (large || (lead > 1 && std::min(9, step.partial / cut) > step.quotient))
            f.chances.push_back({Pattern::QuotientTooLarge, 0, right[k] ? How::Right : large ? How::AsMistake : How::Neither, 0, 0, 0, place});
        if (small)
            quotientWhy[k].insert(Pattern::QuotientTooSmall);
        // A digit too small may also be the next fact taken for a larger
        // neighbour (the divisor's first digit times the next digit), which made the child stop.
        if (const int next = small ? *child[k] + 1 : 0; next >= 2 && d.Divisor / lead >= 2) {
            const int a = d.Divisor / lead;
            f.chances.push_back({Pattern::TableNeighbour, 0, How::AsMistake, std::min(a, next), std::max(a, next), 0, place});
            quotientWhy[k].insert(Pattern::TableNeighbour);
        }
        if (large)
            quotientWhy[k].insert(Pattern::QuotientTooLarge);
        if (!right[k]) {
            for (Pattern p : quotientWhy[k])
                if (!f.examples.count(p))
                    f.examples.emplace(p, quotientExample());
            f.wrongDigits.push_back(quotientWhy[k]);
        }
    }

    // The remainders, each under its step: under a right quotient digit, a
    // subtraction, unless a product's mistake explains the remainder whole;
    // under a wrong one, the quotient's mistake when the remainder is the one
    // the child's digit leaves (or one it had to invent).
    for (int k = 0; k < int(rows.size()); ++k) {
        const LongDivision::Step &step = d.Steps[k];
        Part p;
        p.kind = Kind::Subtraction;
        p.n = cells;
        p.x = columnsOf(step.partial);
        p.y = columnsOf(step.product);
        p.child = rows[k].child;
        p.right = rows[k].right;
        p.blank = rows[k].blank;
        auto example = [&] {
            return d.Statement() + QStringLiteral(", ") + num(step.partial) + QStringLiteral(" - ") + num(step.product) + QStringLiteral(" = ") +
                   num(rows[k].value);
        };
        if (right[k]) {
            readPart(f, p, SubtractionMistakes, example, k + 1, {Pattern::DivisionSubtraction, productWhy[k], {}});
            continue;
        }
        std::set<Pattern> why;
        const int own = child[k] ? step.partial - *child[k] * d.Divisor : -1;
        if (!p.blank && (quotientWhy[k].count(Pattern::QuotientTooLarge) || !productWhy[k].empty() || (own >= 0 && own % hold == rows[k].value)))
            why = quotientWhy[k];
        if (!why.empty() && !f.examples.count(*why.begin()))
            for (Pattern pattern : why)
                f.examples.emplace(pattern, example());
        for (int i = 0; i < cells; ++i)
            if (p.child[i] != p.right[i])
                f.wrongDigits.push_back(why);
    }
    return f;
}

// ---------------------------------------------------------------- the long multiplication

Finding Of(const LongMultiplication &m)
{
    using Row = LongMultiplication::Row;
    Finding f;
    auto partOf = [&](Row row) {
        Part p;
        p.n = std::min(m.CellCount(row), MaxColumns);
        std::array<const DigitCell *, MaxColumns> cells{};
        for (int i = 0; i < p.n; ++i) {
            cells[i] = &m.Cell(row, i + LongMultiplication::FirstColumn(row));
            p.right[i] = cells[i]->right;
        }
        p.child = firstDigits(cells.data(), p.n, p.blank);
        return p;
    };
    std::set<Pattern> rowMistakes;
    for (Row row : {Row::First, Row::Second}) {
        if (!m.InUse(row))
            continue;
        Part p = partOf(row);
        p.kind = Kind::Product;
        p.x = columnsOf(m.Multiplicand);
        p.top = int(m.MultiplicandDigits.size());
        p.b = m.RowDigit(row);
        const std::size_t before = f.wrongDigits.size();
        readPart(
            f, p, ProductMistakes,
            [&] { return num(m.Multiplicand) + QStringLiteral(" X ") + num(p.b) + QStringLiteral(" = ") + num(valueOf(p.child, p.n)); }, int(row));
        for (std::size_t i = before; i < f.wrongDigits.size(); ++i)
            rowMistakes.insert(f.wrongDigits[i].begin(), f.wrongDigits[i].end());
    }
    if (!m.InUse(Row::Result))
        return f;
    // The result: the rows as the child wrote them, added up.
    const Part first = partOf(Row::First), second = partOf(Row::Second);
    const int r1 = valueOf(first.child, first.n), r2 = 10 * valueOf(second.child, second.n);
    Part p = partOf(Row::Result);
    p.kind = Kind::Sum;
    p.x = columnsOf(r1);
    p.y = columnsOf(r2);
    readPart(
        f, p, SumMistakes, [&] { return num(r1) + QStringLiteral(" + ") + num(r2) + QStringLiteral(" = ") + num(valueOf(p.child, p.n)); },
        int(Row::Result), {Pattern::AddsProductsWrong, {}, rowMistakes});
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

// The chances of one form of a mistake over a run.
struct Tally {
    int met = 0, asMistake = 0, right = 0;
    int exercises = 0, chances = 0; // exercises it showed in, exercises it could
    int lastShown = -1, lastMet = -1;

    void add(How how, int exercise)
    {
        ++met;
        chances += lastMet != exercise;
        lastMet = exercise;
        right += how == How::Right;
        if (how != How::AsMistake)
            return;
        ++asMistake;
        exercises += lastShown != exercise;
        lastShown = exercise;
    }
    // The way the child worked most of its chances.
    bool consistent() const { return 2 * asMistake > met; }
    // ... and repeated: the child's.
    bool childs() const { return exercises >= 2 && consistent(); }
};

// A form of a mistake: which of its chances belong to it, and how each counts
// there. A fact of the tables is judged three ways: most of all the facts met
// wrong; most facts of one table wrong; the same wrong product said for one
// fact again.
struct Form {
    enum Kind { Way, AllFacts, Table, Fact } kind = Way;
    int key = 0, said = 0;

    static int factOf(const Chance &c) { return 10 * c.factorA + c.factorB; }
    std::optional<How> count(const Chance &c) const
    {
        switch (kind) {
        case Way:
            return c.way == key ? std::optional(c.how) : std::nullopt;
        case AllFacts:
            return c.how;
        case Table:
            return c.factorA == key || c.factorB == key ? std::optional(c.how) : std::nullopt;
        case Fact:
            break;
        }
        if (factOf(c) != key)
            return std::nullopt;
        return c.how == How::AsMistake && c.said != said ? How::Neither : c.how;
    }
};

struct Met {
    int exercise;
    const Chance *chance;
};

Tally tallyOf(const std::vector<Met> &met, const Form &form)
{
    Tally t;
    for (const Met &m : met)
        if (const std::optional<How> how = form.count(*m.chance))
            t.add(*how, m.exercise);
    return t;
}

// The forms of a mistake to count when one of them is the child's (none when
// none is): the consistent ones; of a table's, the widest that is the child's.
std::vector<Form> childsForms(Pattern pattern, const std::vector<Met> &met)
{
    std::vector<Form> forms;
    if (pattern != Pattern::TableNeighbour) {
        std::set<int> ways;
        for (const Met &m : met)
            ways.insert(m.chance->way);
        bool childs = false;
        for (int way : ways)
            if (const Tally t = tallyOf(met, {Form::Way, way}); t.consistent()) {
                forms.push_back({Form::Way, way});
                childs = childs || t.childs();
            }
        return childs ? forms : std::vector<Form>{};
    }
    if (tallyOf(met, {Form::AllFacts}).childs())
        return {{Form::AllFacts}};
    int most = 0;
    for (int table = 2; table <= 9; ++table)
        if (const Tally t = tallyOf(met, {Form::Table, table}); t.childs() && t.met > most) {
            most = t.met;
            forms = {{Form::Table, table}};
        }
    if (!forms.empty())
        return forms;
    // One fact at a time: its chances in the order met.
    std::vector<Met> byFact = met;
    std::stable_sort(byFact.begin(), byFact.end(), [](const Met &x, const Met &y) { return Form::factOf(*x.chance) < Form::factOf(*y.chance); });
    for (auto from = byFact.begin(); from != byFact.end();) {
        const int fact = Form::factOf(*from->chance);
        const auto to = std::find_if(from, byFact.end(), [&](const Met &m) { return Form::factOf(*m.chance) != fact; });
        const std::vector<Met> group(from, to);
        std::set<int> said;
        for (const Met &m : group)
            if (m.chance->how == How::AsMistake)
                said.insert(m.chance->said);
        for (int w : said)
            if (const Tally t = tallyOf(group, {Form::Fact, fact, w}); t.childs() && t.met > most) {
                most = t.met;
                forms = {{Form::Fact, fact, w}};
            }
        from = to;
    }
    return forms;
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
        findings.push_back(Of(w));
    }
    std::array<std::vector<Met>, PatternCount> met; // each mistake's chances, in the order met
    for (int e = 0; e < int(findings.size()); ++e)
        for (const Chance &c : findings[e].chances)
            met[int(c.pattern)].push_back({e, &c});

    // Each mistake with a form that is the child's, counted over its consistent forms.
    std::vector<Summary::Named> candidates;
    for (int p = 0; p < PatternCount; ++p) {
        const std::vector<Form> forms = childsForms(Pattern(p), met[p]);
        if (forms.empty())
            continue;
        Summary::Named n;
        n.pattern = Pattern(p);
        Tally all;
        for (const Met &m : met[p])
            for (const Form &form : forms)
                if (const std::optional<How> how = form.count(*m.chance)) {
                    if (*how == How::AsMistake && all.lastShown != m.exercise && n.example.isEmpty())
                        n.example = findings[m.exercise].examples.count(n.pattern) ? findings[m.exercise].examples.at(n.pattern) : QString();
                    all.add(*how, m.exercise);
                    break;
                }
        n.exercises = all.exercises;
        n.chances = all.chances;
        n.opportunities = all.met;
        n.asMistake = all.asMistake;
        n.right = all.right;
        candidates.push_back(n);
    }

    // One name for one mistake: a mistake whose every showing another of the
    // child's explains as well, and more often or more consistently, is that
    // one (305 − 142 = 243 is the smaller digit taken from the larger, for a
    // child who does so everywhere); a mistake of a place ("Resta mal al
    // dividir") gives way to the mistake of method it shows.
    std::array<std::vector<std::pair<int, int>>, PatternCount> shown;
    for (int e = 0; e < int(findings.size()); ++e)
        for (const Chance &c : findings[e].chances)
            if (c.how == How::AsMistake)
                shown[int(c.pattern)].push_back({e, c.place});
    for (auto &places : shown) {
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());
    }
    auto consistency = [](const Summary::Named &n) { return double(n.asMistake) / n.opportunities; };
    Summary s;
    std::set<Pattern> named;
    for (const Summary::Named &x : candidates) {
        const auto &mine = shown[int(x.pattern)];
        const bool another = std::any_of(candidates.begin(), candidates.end(), [&](const Summary::Named &y) {
            const auto &theirs = shown[int(y.pattern)];
            return y.pattern != x.pattern && !ofPlace(y.pattern) && std::includes(theirs.begin(), theirs.end(), mine.begin(), mine.end()) &&
                   (theirs.size() > mine.size() || ofPlace(x.pattern) || consistency(y) > consistency(x));
        });
        if (another)
            continue;
        s.named.push_back(x);
        named.insert(x.pattern);
    }
    std::stable_sort(s.named.begin(), s.named.end(), [](const auto &x, const auto &y) { return x.exercises > y.exercises; });
    for (const Finding &f : findings)
        s.slips += std::any_of(f.wrongDigits.begin(), f.wrongDigits.end(), [&](const std::set<Pattern> &why) {
            return std::none_of(why.begin(), why.end(), [&](Pattern p) { return named.count(p) > 0; });
        });
    return s;
}

} // namespace Diagnosis
