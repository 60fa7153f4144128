// One digit cell of an exercise as its model keeps it: the right digit, what
// the child has written, what the child had written when the cell was first
// judged, and the verdict of its last check.
#pragma once

#include "ui/digit.h"

#include <QString>
#include <optional>
#include <vector>

struct DigitCell {
    bool inUse = false;             // shown on the window
    int right = 0;                  // the right digit
    std::optional<int> current;     // what the cell holds now; nothing: empty
    std::optional<int> first;       // what it held when first judged (the child's own answer)
    bool judged = false;            // judged at least once: `first` is the child's
    Verdict verdict = Verdict::None;

    // An empty cell counts as 0.
    int value() const { return current.value_or(0); }
    // What a key asks: the digit, nothing, or one step up (9 → 0, empty → 1) or down (0 and empty → 9).
    void enter(DigitKey key);
    // Judges what the cell holds against its right digit, an empty cell as 0
    // or, where it must be written, as wrong; the first judgement keeps what the
    // child wrote. True if right.
    bool judge(bool emptyIsZero = true);
    // Back to an empty, unjudged cell with the same right digit.
    void clear();
    // The cell's caption: its digit, or `empty`.
    QString caption(const QString &empty = QString()) const;
};

// What some cells hold, in order: a check compares it with what the last check
// judged, so that work checked again unchanged is not counted again.
using Entries = std::vector<std::optional<int>>;
