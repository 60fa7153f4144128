// An exercise of any of the three exercise windows as the child left it, with
// every cell's first entry; and the serial its copies share.
#pragma once

#include "exercises/exercise.h"
#include "exercises/longdivision.h"
#include "exercises/longmultiplication.h"

#include <variant>

using Worked = std::variant<std::monostate, Exercise, LongDivision, LongMultiplication>;

// The exercise's serial (0: none).
inline int serialOf(const Worked &w)
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
