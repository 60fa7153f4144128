// One long division worked in the written method, without widgets: the
// division, every step worked out when it is drawn, the cells the child writes
// (what each held when first judged, what it holds now, its verdict), which
// step comes next, the count of right and wrong digits, and the results line.
// The division window shows it and hands it every click and key.
#pragma once

#include "exercises/digitcell.h"
#include "exercises/numbers.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class LongDivision
{
public:
    // The grid of the window: dividend columns 0 (leftmost) to 5, remainder rows 1 to 4, four quotient digits.
    static constexpr int Columns = 6, Rows = 4, QuotientDigits = 4;

    // A division drawn from the program's random numbers, in the order the
    // window has always drawn them, at a level: 0, 1 or 2 = divisor digits − 1.
    // The dividend has three digits more than the divisor.
    static LongDivision Draw(int level);
    // A division given whole; the divisor's digits fix the level.
    static LongDivision Of(int dividend, int divisor);

    int Serial = newSerial(); // the same in every copy of this exercise
    int Level = 0;
    std::vector<int> DividendDigits, DivisorDigits; // left to right
    int Dividend = 0, Divisor = 1;

    // Worked out when the division is made.
    int FirstGroup = 0;          // the leading dividend digits that give the first quotient digit
    int FirstGroupDigits = 0;    // how many they are; every remainder row has this many cells
    bool FirstGroupLong = false; // the first group has one digit more than the divisor
    struct Step {
        int partial = 0;   // the number divided in this step
        int quotient = 0;  // its quotient digit
        int product = 0;   // quotient digit × divisor
        int remainder = 0; // partial − product
        int broughtDown = -1; // the dividend digit brought down after it; -1 after the last step
    };
    std::vector<Step> Steps; // one per quotient digit
    int Quotient() const { return Dividend / Divisor; }
    int Remainder() const { return Dividend % Divisor; }

    // The cells the child writes. Remainder row r (1..4) is written under
    // dividend columns r − 1 … r + FirstGroupDigits − 2; the step that closes it
    // brings a digit down beside it, into column r + FirstGroupDigits − 1.
    DigitCell &QuotientCell(int k) { return quotient_[k]; }
    const DigitCell &QuotientCell(int k) const { return quotient_[k]; }
    DigitCell &RemainderCell(int row, int column) { return remainder_[row][column]; }
    const DigitCell &RemainderCell(int row, int column) const { return remainder_[row][column]; }
    // Either: row 0 the quotient (column k its digit k), rows 1..4 the remainders.
    const DigitCell &Cell(int row, int column) const { return row == 0 ? quotient_[column] : remainder_[row][column]; }
    // Whether a remainder cell holds a digit brought down (the program's, not the child's).
    bool BroughtDown(int row, int column) const { return brought_[row][column]; }

    // Progress.
    bool Started() const { return started_; }
    bool Finished() const { return finished_; }
    int BringDowns() const { return bringDowns_; }
    int BringDownsNeeded() const { return int(Steps.size()) - 1; }
    // The arrow (0..4) that brings the next digit down: it stands above that
    // digit's column minus one. None before the start and after the last.
    std::optional<int> NextArrow() const;
    // Fin is there once the last digit has been brought down, until it is pressed.
    bool FinReady() const { return started_ && !finished_ && bringDowns_ == BringDownsNeeded(); }
    // The remainder row the last step closes.
    int LastRow() const { return BringDownsNeeded() + 1; }

    // One cell judged, in the order judged: a quotient digit (row 0, column k) or a remainder digit.
    struct Judged {
        int row = 0, column = 0;
        bool right = false;
    };
    // Every digit judged so far, in order (the window's lights show the first sixteen).
    const std::vector<bool> &Judgements() const { return judgements_; }
    int RightCount() const { return rightCount_; }
    int WrongCount() const { return wrongCount_; }
    // Whole percentages of right and wrong digits ("88", "11").
    int PercentRight() const;
    int PercentWrong() const;
    bool Faultless() const { return wrongCount_ == 0; }

    // Empezar: the first quotient cell and the first remainder row are there.
    void Start();
    // Every digit is judged once, whatever the order the child works in: a cell
    // once judged keeps its digit and its verdict, and no later step judges it again.

    // A key or a click on a quotient cell: the next one appears as far as the
    // quotient reaches. False, and nothing changes, on a cell already judged.
    bool EnterQuotient(int k, DigitKey key);
    bool EnterRemainder(int row, int column, DigitKey key);
    // Every half second: the quotient digit the child has just left, if the child moved on.
    std::vector<Judged> Tick();
    // An arrow: the next digit comes down beside the remainder just written, that
    // row is judged and the next row opens. Nothing once the last digit is down.
    std::vector<Judged> BringDown();
    // Fin: the last row, then every quotient digit not judged yet. Nothing
    // before the last digit is down, nor a second time.
    std::vector<Judged> Finish();

    QString Statement() const; // "1234 : 7"

private:
    void WorkOut();
    void JudgeCell(int row, int column, DigitCell &cell, std::vector<Judged> &out);
    void JudgeRow(int row, std::vector<Judged> &out);
    void JudgeQuotient(int k, std::vector<Judged> &out);

    std::array<DigitCell, QuotientDigits> quotient_{};
    std::array<std::array<DigitCell, Columns>, Rows + 1> remainder_{}; // row 0 unused
    std::array<std::array<bool, Columns>, Rows + 1> brought_{};
    std::vector<bool> judgements_;
    int rightCount_ = 0, wrongCount_ = 0;
    int bringDowns_ = 0;
    int currentQuotient_ = 0;    // the quotient cell written last
    bool quotientMoved_ = false; // and it differs from the one before
    bool started_ = false, finished_ = false;
};
