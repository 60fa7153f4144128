// What to practise: which well-known written-method mistakes explain the wrong
// digits of an exercise, read from what the child first wrote in every cell,
// and which of them a child keeps making over a run. No widgets.
//
// Each mistake is a faulty way of working the method (forgetting a carry,
// taking the smaller digit from the larger, ...); it is worked through on the
// same exercise and explains a wrong digit when it writes the same digit there.
// A wrong digit no mistake explains is a slip.
#pragma once

#include "record/attempt.h"

#include <QString>
#include <array>
#include <map>
#include <set>
#include <vector>

namespace Diagnosis {

enum class Pattern {
    ForgetsCarry,           // a column that receives a carry (or a borrow) written without it
    SmallerFromLarger,      // a subtraction column with the smaller digit on top: bottom − top
    ZeroMinusNumber,        // 0 − n written as n
    CarryBeforeMultiplying, // ((a + carry) × b) mod 10
    TableNeighbour,         // a neighbour in the tables, a × (b ± 1) or (a ± 1) × b; a quotient one off
    QuotientTooSmall,       // a long division's quotient digit below the right one
    QuotientTooLarge,       // ... above it
    ForgetsQuotientZero,    // a 0 of the quotient left out: the next step's digit written there
    DivisionSubtraction,    // a step with the right quotient digit and a wrong remainder
    AddsProductsWrong,      // right rows, wrong result
};
constexpr int PatternCount = 10;

// One exercise: each wrong digit with the mistakes that explain it (none: a slip),
// and for each mistake, where it showed, as the child wrote it ("52 - 18 = 46").
struct Finding {
    std::vector<std::set<Pattern>> wrongDigits;
    std::map<Pattern, QString> examples;
    bool wrong() const { return !wrongDigits.empty(); }
};

Finding Of(const Exercise &e);
Finding Of(const LongDivision &d);
Finding Of(const LongMultiplication &m);
Finding Of(const Worked &w);

// A run: the mistakes that explain wrong digits in at least two exercises, the
// most frequent first, each with the number of exercises it shows in and the
// first of them as an example; and how many exercises have a wrong digit that
// none of those explains. An exercise checked more than once counts once.
struct Summary {
    struct Named {
        Pattern pattern;
        int count = 0;
        QString example;
    };
    std::vector<Named> named;
    int slips = 0;
};
Summary OfRun(const std::vector<Worked> &exercises);

} // namespace Diagnosis
