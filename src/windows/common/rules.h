// The small rules the three exercise windows share.
#pragma once

class CommandButton;
class QString;

// A digit cell's caption read as a number: empty or "-" reads as 0.
int captionValue(const QString &caption);

// The digit-up step of every digit cell: empty or "-" → 1, …, 8 → 9, 9 → 0.
void digitUp(CommandButton *cell);
// The digit-down step: 0, empty or "-" → 9, otherwise one less.
void digitDown(CommandButton *cell);

// Appends one finished exercise to the results list: the shared counter grows
// by one and the line is written as "N. " followed by the text. The results
// window is loaded (not shown) if it is not loaded yet.
void addResultsLine(const QString &text);
