// What a digit cell knows of the child and of a check, without any widget.
#pragma once

// What a check said of a digit cell (or of a light).
enum class Verdict { None, Right, Wrong };

// A key a digit cell answers: a digit written, the cell emptied (Backspace,
// Delete), or one step up (↑, +) or down (↓, −).
struct DigitKey {
    enum Kind { Digit, Empty, Up, Down };
    Kind kind = Up;
    int digit = 0;
};
