// One exercise of the column window, without widgets: the two rows of digits,
// the operands, the right answer, the judging of an answer and the text of its
// results line, and what the child wrote in the answer and carry boxes. The
// window shows it and asks it.
#pragma once

#include "exercises/digitcell.h"
#include "exercises/numbers.h"

#include <QString>
#include <array>
#include <optional>

// The operations, numbered as their buttons Command1(0..3).
enum class Op { Division = 0, Addition = 1, Subtraction = 2, Multiplication = 3 };

struct Exercise {
    int Serial = newSerial(); // the same in every copy of this exercise
    Op Operation = Op::Addition;
    // The digits of the first and the second row (index 0 = units) and which of
    // them show. A division shows only the second row: its divisor in the units,
    // right of the bracket, and the dividend in the tens and hundreds.
    std::array<int, 3> Top{}, Bottom{};
    std::array<bool, 3> TopShown{}, BottomShown{};
    int OperandA = 0, OperandB = 0; // a sum, a subtraction or a multiplication
    int Dividend = 0, Divisor = 1;  // a division
    int ExpectedResult = 0;         // the right answer: the result, or the quotient
    int AnswerDigits = 1;           // answer boxes in use, from the units

    // The multiplier of a multiplication drawn at random ("2-9").
    static constexpr int AnyTable = 10;

    // A new exercise from the program's random numbers, drawn in the order the
    // window has always drawn them: operands of `digits` digits (1..3) and, for a
    // multiplication, the multiplier `table` (2..9, or AnyTable).
    static Exercise Draw(Op op, int digits, int table);
    // An exercise given whole: a + b, a − b, a × b (b of one digit), a ÷ b.
    static Exercise Of(Op op, int a, int b);

    struct Judgement {
        bool right = false;
        std::array<bool, 4> digitRight{}; // per answer box in use, units first
        QString entered;                  // the answer as its results line writes it
    };
    // The answer boxes (units first) and the carry boxes over the tens (1) and
    // the hundreds (2), as the child fills them.
    std::array<DigitCell, 4> Answer{};
    std::array<DigitCell, 3> Carry{};
    // Judges the answer boxes in use (an empty box reads 0); the first check
    // keeps the child's first answer in each box, and the carries beside it.
    Judgement Judge();
    // Whether the answer is the one the last check judged: checked again, it counts nothing new.
    bool AsLastCheck() const { return !checked_.empty() && checked_ == answer(); }
    // The answer as the child first checked it (nothing before the first check).
    std::optional<int> FirstAnswer() const;

    // The exercise as the results line begins it: "Suma: 25 + 17", "División: 12 / 4".
    QString Statement(const QString &operationName) const;
    // The answer as the results line writes it: the right result when right,
    // otherwise what the boxes hold (an empty box as 0); a division's one box as it is.
    QString Entered(bool right) const;

private:
    void SetAnswerDigits();
    int typed() const;
    Entries answer() const;
    Entries checked_; // the answer the last check judged
};
