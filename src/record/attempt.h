// A finished exercise as data: who worked it and when, what it was, what the
// child first wrote in every cell and what each cell held at the end, the
// verdict, and whether it was a race. The exercise windows make one from their
// model when an exercise is finished; the record keeps them, the storage keeps
// them for good, and the formatter draws every line, tally and history from
// them. A model can be made again from an attempt, cell by cell, to be diagnosed.
#pragma once

#include "exercises/worked.h"

#include <QDateTime>
#include <QString>
#include <QUuid>
#include <optional>
#include <variant>
#include <vector>

// The kinds of exercise, as the record tells them apart and the storage keeps
// them (the numbers are stored: never renumber, only add).
enum class ExerciseKind { Addition = 0, Subtraction = 1, Multiplication = 2, Division = 3, WrittenDivision = 4, WrittenMultiplication = 5 };
constexpr int ExerciseKinds = 6;

// What the record calls an exercise of the column window.
ExerciseKind kindOf(Op op);
// And the other way: the column window's operation of a kind (addition for the written ones).
Op opOf(ExerciseKind kind);

struct Attempt {
    // One cell the child writes. Where it stands, by kind:
    //   column exercise:       row 0 the answer boxes, row 1 the carry boxes; column 0 = units;
    //   long division:         row 0 the quotient (column k = its digit k, from the left),
    //                          rows 1..4 the remainder rows, columns as under the dividend;
    //   long multiplication:   rows 0, 1 the partial products, 2 the result; column 0 = units.
    struct Cell {
        int row = 0, column = 0;
        std::optional<int> first; // what it held when first judged (nothing: empty, or never judged)
        std::optional<int> last;  // what it held at the end (nothing: empty)
        bool judged = false;
        bool operator==(const Cell &) const = default;
    };

    QUuid id;         // this attempt's own, unique on every computer
    QUuid exercise;   // the same for every check of one exercise (a check repeated)
    QString child;    // the name as the child typed it
    QDateTime ended;  // when it was finished, in UTC
    ExerciseKind kind = ExerciseKind::Addition;
    // The operands: a + b, a − b, a × b, a ÷ b in the column window; the long
    // division's dividend and divisor; the long multiplication's multiplicand and
    // its two-digit multiplier, of which only the units are used when oneDigit.
    int a = 0, b = 0;
    bool oneDigit = false;
    std::vector<Cell> cells;
    bool right = false;
    bool race = false; // checked while the race was on

    bool operator==(const Attempt &) const = default;

    // An attempt of a finished exercise, with the cells the child wrote; right
    // as the model judged it last. No id, child or time yet: the record gives them.
    static Attempt Of(const Exercise &e, bool race);
    static Attempt Of(const LongDivision &d);
    static Attempt Of(const LongMultiplication &m);

    // The model again, with every cell's first entry and its end; copies of one
    // exercise share their Serial, as the copies the windows handed on did.
    Worked Model() const;
    // The cell at a place, if the attempt has it.
    const Cell *at(int row, int column) const;
};

// The exercises of attempts as models, in order, ready for the diagnosis (the
// checks of one exercise share its Serial).
std::vector<Worked> modelsOf(const std::vector<Attempt> &attempts);

// The exercise id of a model's Serial in this run (the same for every copy).
QUuid exerciseId(int serial);
