#include "exercises/longmultiplication.h"

#include "app/random.h"
#include "exercises/numbers.h"

#include <algorithm>

LongMultiplication LongMultiplication::Draw(int lastIndex, MultiplierSize mode)
{
    LongMultiplication m;
    m.MultiplicandLastIndex = lastIndex;
    m.Mode = mode;
    for (int i = 0; i <= lastIndex; ++i) {
        m.MultiplicandDigits.push_back(Random::Digit(9, 1));
        if (i < 2)
            m.MultiplierDigits.push_back(Random::Digit(8, 2));
    }
    m.WorkOut();
    return m;
}

LongMultiplication LongMultiplication::Of(int a, int b, MultiplierSize mode)
{
    LongMultiplication m;
    m.Mode = mode;
    m.MultiplicandDigits = digitsOf(a, 2);
    std::reverse(m.MultiplicandDigits.begin(), m.MultiplicandDigits.end());
    m.MultiplicandLastIndex = int(m.MultiplicandDigits.size()) - 1;
    m.MultiplierDigits = {b % 10, b / 10 % 10};
    m.WorkOut();
    return m;
}

void LongMultiplication::WorkOut()
{
    Multiplicand = numberOf({MultiplicandDigits.rbegin(), MultiplicandDigits.rend()});
    Multiplier = 10 * MultiplierDigits[1] + MultiplierDigits[0];
    // Each product row: multiplicand × one multiplier digit, written from its
    // first column, with the carry each column passes to the next.
    for (Row row : {Row::First, Row::Second}) {
        const int d = RowDigit(row), first = FirstColumn(row);
        int carry = 0;
        for (int i = 0; i < CellCount(row); ++i) {
            carries_[int(row)][first + i] = carry;
            const int column = (i <= MultiplicandLastIndex ? MultiplicandDigits[i] * d : 0) + carry;
            cells_[int(row)][first + i].right = column % 10;
            carry = column / 10;
        }
    }
    // The result: the two rows added, with the carries of the sum.
    int carry = 0;
    for (int k = 0; k < CellCount(Row::Result); ++k) {
        carries_[int(Row::Result)][k] = carry;
        const int column = cells_[0][k].right + (k >= 1 ? cells_[1][k].right : 0) + carry;
        cells_[int(Row::Result)][k].right = column % 10;
        carry = column / 10;
    }
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (int i = 0; i < CellCount(row); ++i)
            cells_[int(row)][FirstColumn(row) + i].inUse = InUse(row);
}

int LongMultiplication::CellCount(Row row) const { return MultiplicandLastIndex + (row == Row::Result ? 3 : 2); }

bool LongMultiplication::Check(Row row)
{
    bool wrong = false;
    if (row != Row::Result)
        wrong = CheckRow(row);
    else
        for (Row r : {Row::Result, Row::Second, Row::First})
            wrong = CheckRow(r) || wrong;
    if (Final(row))
        concluded_ = entries();
    return wrong;
}

Entries LongMultiplication::entries() const
{
    Entries e;
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (int k = FirstColumn(row); k < FirstColumn(row) + CellCount(row); ++k)
            e.push_back(Cell(row, k).current);
    return e;
}

bool LongMultiplication::CheckRow(Row row)
{
    const int first = FirstColumn(row), last = first + CellCount(row) - 1;
    int leading = first; // the highest column whose right digit is not 0
    for (int k = first; k <= last; ++k)
        if (Cell(row, k).right != 0)
            leading = k;
    bool wrong = false;
    for (int k = first; k <= last; ++k) {
        DigitCell &cell = Cell(row, k);
        const bool right = cell.judge();
        if (right && !cell.current && k < leading)
            cell.current = 0;
        wrong = wrong || !right;
    }
    checked_[int(row)] = true;
    wrong_[int(row)] = wrong;
    return wrong;
}

bool LongMultiplication::Right() const
{
    for (Row row : {Row::First, Row::Second, Row::Result})
        if (InUse(row) && (!checked_[int(row)] || wrong_[int(row)]))
            return false;
    return true;
}

QString LongMultiplication::Statement() const { return num(Multiplicand) + QStringLiteral(" X ") + num(UsedMultiplier()); }
