// One long multiplication worked in the written method, without widgets: the
// multiplicand (two to five digits) and the two-digit multiplier, of which one
// or both digits are used; the right digit of every cell of the two partial
// products and of the result, and the carries behind them; what the child wrote
// in each cell (when first judged and now) and its verdict; which rows have been
// checked; and the results line. The multiplication window shows it.
#pragma once

#include "exercises/digitcell.h"
#include "exercises/numbers.h"

#include <QString>
#include <array>
#include <vector>

class LongMultiplication
{
public:
    // The three working rows, numbered as their check buttons.
    enum class Row { First = 0, Second = 1, Result = 2 };
    // How many multiplier digits are in use.
    enum class MultiplierSize { TwoDigits = 1, OneDigit = 2 };
    // Places 0 (units) to 6.
    static constexpr int Columns = 7;

    // A multiplication drawn from the program's random numbers in the order the
    // window has always drawn them: every digit of the multiplicand 1..9, both
    // of the multiplier 2..9. `lastIndex` is the multiplicand's digits − 1 (1..4).
    static LongMultiplication Draw(int lastIndex, MultiplierSize mode);
    // a × b given whole; b has two digits, of which `mode` may use only the units.
    static LongMultiplication Of(int a, int b, MultiplierSize mode = MultiplierSize::TwoDigits);

    int Serial = newSerial(); // the same in every copy of this exercise
    int MultiplicandLastIndex = 4;
    MultiplierSize Mode = MultiplierSize::TwoDigits;
    std::vector<int> MultiplicandDigits, MultiplierDigits; // units first
    int Multiplicand = 0;
    int Multiplier = 0; // both digits, also when only the units digit is used
    bool OneDigit() const { return Mode == MultiplierSize::OneDigit; }
    // The multiplier the exercise uses.
    int UsedMultiplier() const { return OneDigit() ? Multiplier % 10 : Multiplier; }

    // Row 2 starts one column left of the units.
    static int FirstColumn(Row row) { return row == Row::Second ? 1 : 0; }
    // Cells of a row, counted from its first column: m + 2 in each product, m + 3 in the result.
    int CellCount(Row row) const;
    bool InUse(Row row) const { return row == Row::First || !OneDigit(); }
    // The cell of a row that stands in column k.
    DigitCell &Cell(Row row, int column) { return cells_[int(row)][column]; }
    const DigitCell &Cell(Row row, int column) const { return cells_[int(row)][column]; }
    // The carry a product row writes over column k (the tens of the column to its right).
    int Carry(Row row, int column) const { return carries_[int(row)][column]; }
    // The multiplier digit a product row multiplies by.
    int RowDigit(Row row) const { return MultiplierDigits[row == Row::Second ? 1 : 0]; }

    void Enter(Row row, int column, DigitKey key) { Cell(row, column).enter(key); }
    // Judges every cell of the row (the result: of every row); an empty cell
    // inside the number, judged right, shows its 0; an empty leading one stays
    // empty. True if one is wrong.
    bool Check(Row row);
    bool Checked(Row row) const { return checked_[int(row)]; }
    // Whether checking this row finishes the exercise: the result, or the only row.
    bool Final(Row row) const { return row == Row::Result || (row == Row::First && OneDigit()); }
    // Whether every cell holds what the last final check judged: checked again, it counts nothing new.
    bool AsLastFinalCheck() const { return !concluded_.empty() && concluded_ == entries(); }
    // Whether every row in use was right at the last check.
    bool Right() const;

    // "23 X 45", or "23 X 5" with one multiplier digit.
    QString Statement() const;

private:
    void WorkOut();
    bool CheckRow(Row row);
    Entries entries() const;
    Entries concluded_; // every cell as the last final check left it
    std::array<std::array<DigitCell, Columns>, 3> cells_{};
    std::array<std::array<int, Columns>, 3> carries_{};
    std::array<bool, 3> checked_{}, wrong_{};
};
