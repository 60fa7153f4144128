// Driving the column window in tests: scripted exercises and typed answers.
#pragma once

#include "testkit.h"
#include "app/module1.h"
#include "windows/column/form1.h"

#include <QVector>

// Loads the main window with the addition its load draws; shows it.
Form1 *loadMainWindow(const QString &player = QStringLiteral("Ana"));

// The eight draws every new exercise begins with, chosen so that the rows end
// with these digits (units first) given which labels are visible.
QVector<double> commonDraws(int digits, bool secondRowFull, const QVector<int> &top, const QVector<int> &bottom);

// Sets the digit count while the window is on addition (draws with zeros).
void chooseDigits(Form1 *f, int digits);

// A new one-digit addition a + b.
void oneDigitAddition(Form1 *f, int a, int b);

// Types an answer into the boxes, units first; "" leaves a box empty.
void typeAnswer(Form1 *f, const QStringList &boxes);
// Types a whole number into as many boxes as it has digits.
void typeNumber(Form1 *f, int value);

// The visible digits of a row, highest first ("854").
QString rowText(const ControlArray<Label> &row);
int visibleBoxes(Form1 *f);
QString lastLine();
