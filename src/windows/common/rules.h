// The small rules the three exercise windows share: how a digit cell of a model
// looks on its button, and how a light shows a verdict.
#pragma once

#include "exercises/digitcell.h"
#include "ui/commandbutton.h"

#include <QString>

class Shape;

// Shows a model's cell on its button: its digit (or `empty`), and its verdict by
// colour and mark: right in `rightColour`, wrong red, unjudged white.
void showCell(CommandButton *button, const DigitCell &cell, const QString &empty = QString(), vb::Colour rightColour = vb::Blue);
// Lights a light green with a ✓ for a right digit, red with a ✗ for a wrong one.
void light(Shape *lamp, bool right);
