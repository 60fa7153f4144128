// The small rules the three exercise windows share.
#pragma once

#include "ui/commandbutton.h"

#include <QString>

class Shape;

// A digit cell's caption read as a number: empty or "-" reads as 0.
int captionValue(const QString &caption);

// The digit-up step of every digit cell: empty or "-" → 1, …, 8 → 9, 9 → 0.
void digitUp(CommandButton *cell);
// The digit-down step: 0, empty or "-" → 9, otherwise one less.
void digitDown(CommandButton *cell);

// Writes what a key asks into a digit cell: the digit, nothing (an empty cell
// shows `empty`), or the digit-up or digit-down step.
void enterKey(CommandButton *cell, DigitKey key, const QString &empty = QString());

// Judges a digit cell: right turns it blue (or the window's own colour for a
// right digit), wrong turns it red; its verdict goes with the colour.
void judge(CommandButton *cell, bool right, vb::Colour rightColour = vb::Blue);
// Back to an unjudged white cell.
void unjudge(CommandButton *cell);
// Lights a light green with a ✓ for a right digit, red with a ✗ for a wrong one.
void light(Shape *lamp, bool right);

// The kinds of exercise the record of the run tells apart.
enum class ExerciseKind { Addition, Subtraction, Multiplication, Division, WrittenDivision, WrittenMultiplication };

// Records one finished exercise: the shared counter grows by one and the
// results window gains the line "N. " + text (it is loaded, not shown, if it
// is not loaded yet). What kind it was and whether it was right are kept with it.
void addResultsLine(ExerciseKind kind, bool right, const QString &text);
// The end every results line has: " ** " + the verdict's word + " **".
QString verdictTail(const QString &word);
