#include "exercises/longdivision.h"

#include "app/random.h"
#include "exercises/numbers.h"

#include <algorithm>

LongDivision LongDivision::Draw(int level)
{
    using Random::Digit;
    LongDivision d;
    d.Level = level;
    d.DividendDigits.assign(level + 4, 0);
    d.DivisorDigits.assign(level + 1, 0);
    d.DividendDigits[0] = Digit(9, 1);
    d.DivisorDigits[0] = Digit(8, 2);
    for (int i = 1; i < int(d.DividendDigits.size()); ++i)
        d.DividendDigits[i] = Digit(10);
    for (int i = 1; i < int(d.DivisorDigits.size()); ++i)
        d.DivisorDigits[i] = Digit(10);
    d.WorkOut();
    return d;
}

LongDivision LongDivision::Of(int dividend, int divisor)
{
    LongDivision d;
    d.DivisorDigits = digitsOf(divisor);
    d.Level = int(d.DivisorDigits.size()) - 1;
    d.DividendDigits = digitsOf(dividend, d.Level + 4);
    d.WorkOut();
    return d;
}

void LongDivision::WorkOut()
{
    Dividend = numberOf(DividendDigits);
    Divisor = std::max(1, numberOf(DivisorDigits));
    const int n = int(DividendDigits.size());
    const int g = numberOf({DividendDigits.begin(), DividendDigits.begin() + Level + 1});
    FirstGroupLong = g < Divisor;
    FirstGroupDigits = Level + (FirstGroupLong ? 2 : 1);
    FirstGroup = FirstGroupLong ? numberOf({DividendDigits.begin(), DividendDigits.begin() + FirstGroupDigits}) : g;

    Steps.clear();
    for (int partial = FirstGroup, next = FirstGroupDigits;; ++next) {
        Step s{.partial = partial, .quotient = partial / Divisor};
        s.product = s.quotient * Divisor;
        s.remainder = partial - s.product;
        s.broughtDown = next < n ? DividendDigits[next] : -1;
        Steps.push_back(s);
        if (s.broughtDown < 0)
            break;
        partial = 10 * s.remainder + s.broughtDown;
    }
    // The right digit of every cell: the quotient's, and each step's remainder
    // under its columns, with leading zeros.
    for (int k = 0; k < QuotientDigits; ++k)
        quotient_[k].right = k < int(Steps.size()) ? Steps[k].quotient : 0;
    for (int row = 1; row <= std::min(Rows, int(Steps.size())); ++row) {
        const std::vector<int> digits = digitsOf(Steps[row - 1].remainder, FirstGroupDigits);
        for (int j = 0; j < FirstGroupDigits; ++j)
            remainder_[row][row - 1 + j].right = digits[digits.size() - FirstGroupDigits + j];
    }
}

std::optional<int> LongDivision::NextArrow() const
{
    if (!started_ || finished_ || bringDowns_ >= BringDownsNeeded())
        return std::nullopt;
    return FirstGroupDigits - 1 + bringDowns_;
}

int LongDivision::PercentRight() const { return rightCount_ * 100 / std::max(1, rightCount_ + wrongCount_); }
int LongDivision::PercentWrong() const { return wrongCount_ * 100 / std::max(1, rightCount_ + wrongCount_); }

void LongDivision::Start()
{
    started_ = true;
    quotient_[0].inUse = true;
    for (int j = 0; j < FirstGroupDigits; ++j)
        remainder_[1][j].inUse = true;
}

bool LongDivision::EnterQuotient(int k, DigitKey key)
{
    if (quotient_[k].judged)
        return false;
    quotient_[k].enter(key);
    if (k + 1 < std::min(QuotientDigits, int(Steps.size())))
        quotient_[k + 1].inUse = true;
    if (currentQuotient_ != k)
        quotientMoved_ = true;
    currentQuotient_ = k;
    return true;
}

bool LongDivision::EnterRemainder(int row, int column, DigitKey key)
{
    DigitCell &cell = remainder_[row][column];
    if (cell.judged)
        return false;
    cell.enter(key);
    return true;
}

std::vector<LongDivision::Judged> LongDivision::Tick()
{
    std::vector<Judged> out;
    if (currentQuotient_ > 0 && quotientMoved_)
        JudgeQuotient(currentQuotient_ - 1, out);
    quotientMoved_ = false;
    return out;
}

std::vector<LongDivision::Judged> LongDivision::BringDown()
{
    std::vector<Judged> out;
    if (!NextArrow())
        return out;
    const int row = ++bringDowns_;
    const int column = FirstGroupDigits + row - 1;
    brought_[row][column] = true;
    remainder_[row][column].inUse = true;
    remainder_[row][column].current = DividendDigits[column];
    for (int j = 0; j < FirstGroupDigits; ++j)
        remainder_[row + 1][row + j].inUse = true;
    JudgeRow(row, out);
    return out;
}

std::vector<LongDivision::Judged> LongDivision::Finish()
{
    std::vector<Judged> out;
    if (!FinReady())
        return out;
    JudgeRow(LastRow(), out);
    for (int k = 0; k < int(Steps.size()) && k < QuotientDigits; ++k) {
        quotient_[k].inUse = true;
        JudgeQuotient(k, out);
    }
    finished_ = true;
    return out;
}

// Once: a right digit stays (an empty one shows its digit); a wrong one is
// replaced by the right one. A cell judged before is passed over.
void LongDivision::JudgeCell(int row, int column, DigitCell &cell, std::vector<Judged> &out)
{
    if (cell.judged)
        return;
    const bool right = cell.judge(row > 0);
    cell.current = cell.right;
    ++(right ? rightCount_ : wrongCount_);
    judgements_.push_back(right);
    out.push_back({row, column, right});
}

// From the units leftwards; an empty cell counts as 0.
void LongDivision::JudgeRow(int row, std::vector<Judged> &out)
{
    for (int j = FirstGroupDigits - 1; j >= 0; --j)
        JudgeCell(row, row - 1 + j, remainder_[row][row - 1 + j], out);
}

// A quotient digit must be written.
void LongDivision::JudgeQuotient(int k, std::vector<Judged> &out) { JudgeCell(0, k, quotient_[k], out); }

QString LongDivision::Statement() const { return num(Dividend) + QStringLiteral(" : ") + num(Divisor); }
