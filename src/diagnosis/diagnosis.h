// What to practise: which well-known written-method mistakes explain the wrong
// digits of an exercise, read from what the child first wrote in every cell,
// and which of them a child keeps making over a run. No widgets.
//
// Each mistake is a faulty way of working the method (forgetting a carry,
// taking the smaller digit from the larger, ...). Its chances are the places
// where it would write another digit than the right one: a subtraction column
// with the smaller digit on top, a 0 on top, a column that receives a carry, a
// product with a carry, a quotient step, a fact of the tables. At each chance
// the child worked it that way, worked it right, or neither. The work is read
// column by column along the child's own path (a carry the child's digits
// show was not taken is not taken further on), so a mistake never explains a
// digit that the child's other digits contradict. A wrong digit no mistake
// explains is a slip.
//
// A run names a mistake when it is the child's: it showed in two exercises or
// more, and the child worked most of its chances that way (a mistake with
// several forms, such as a carry forgotten in sums or in products, is judged
// form by form; a neighbour in the tables by the same wrong fact again, or by
// most facts of one table, or of all, worked wrong). A mistake whose every
// showing another of the child's explains as well gets that one's name.
#pragma once

#include "exercises/worked.h"

#include <QString>
#include <map>
#include <set>
#include <vector>

namespace Diagnosis {

enum class Pattern {
    ForgetsCarry,           // a column that receives a carry (or a borrow) written without it
    SmallerFromLarger,      // a subtraction column with the smaller digit on top: bottom − top
    ZeroMinusNumber,        // 0 − n written as n (also a 0 left by a borrow)
    CarryBeforeMultiplying, // ((a + carry) × b) mod 10
    TableNeighbour,         // a neighbour in the tables, a × (b ± 1) or (a ± 1) × b; a quotient one off
    QuotientTooSmall,       // a long division's quotient digit below the right one, the remainder reaching the divisor
    QuotientTooLarge,       // ... above it, its product larger than the number it is taken from: the remainder invented
    ForgetsQuotientZero,    // a 0 of the quotient left out, inside (the next digit written there) or at the end
    DivisionSubtraction,    // a step's remainder written by a subtraction mistake
    AddsProductsWrong,      // the partial products added by an addition mistake
    ZeroMinusNumberIsZero,  // 0 − n written as 0
    MultipliesByCarry,      // after a carry, the next digit multiplied by the carry instead of the multiplier
    WritesTensCarriesUnits, // of a two-digit product the tens written and the units carried
};
constexpr int PatternCount = 13;

// A mistake of a place rather than a way of working: it gives way to the
// mistake of method that wrote the same digits.
constexpr bool ofPlace(Pattern p) { return p == Pattern::DivisionSubtraction || p == Pattern::AddsProductsWrong; }

// How the child worked one chance of a mistake.
enum class How { AsMistake, Right, Neither };

// One chance of a mistake in an exercise. `way` tells apart the forms of one
// mistake, each judged on its own (a carry forgotten in sums, in subtractions,
// in products; a 0 on top, a 0 that has lent, a 1 a borrow has made 0). A fact
// of the tables met gives its two factors (the smaller first) and, worked
// wrong, the product the child took for it.
struct Chance {
    Pattern pattern = Pattern::ForgetsCarry;
    int way = 0;
    How how = How::Neither;
    int factorA = 0, factorB = 0, said = 0;
    int place = 0; // where in the exercise: the number written (16 ×) and its column
};

// One exercise: each wrong digit with the mistakes that explain it best (none:
// a slip); for each mistake, where it showed, as the child wrote it ("52 - 18 =
// 46"); and every chance of a mistake the child met.
struct Finding {
    std::vector<std::set<Pattern>> wrongDigits;
    std::map<Pattern, QString> examples;
    std::vector<Chance> chances;
    bool wrong() const { return !wrongDigits.empty(); }
};

Finding Of(const Exercise &e);
Finding Of(const LongDivision &d);
Finding Of(const LongMultiplication &m);
Finding Of(const Worked &w);

// A run: the mistakes that are the child's, the most frequent first; and how
// many exercises have a wrong digit that none of them explains.
struct Summary {
    struct Named {
        Pattern pattern = Pattern::ForgetsCarry;
        int exercises = 0;     // exercises it showed in
        int chances = 0;       // exercises where it could show
        int opportunities = 0; // its chances (places) the child met
        int asMistake = 0;     // of them, worked that way
        int right = 0;         // of them, worked right
        QString example;       // the first exercise it showed in, as the child wrote it
    };
    std::vector<Named> named;
    int slips = 0;
};
// The exercises of a run, in order; copies of one exercise (the same Serial)
// count once, as first listed.
Summary OfRun(const std::vector<Worked> &exercises);

} // namespace Diagnosis
