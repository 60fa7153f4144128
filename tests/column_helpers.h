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

// The draws of a new addition whose rows read top and bottom, highest digit
// first: additionDraws("854", "163").
QVector<double> additionDraws(const QString &top, const QString &bottom);
// The draws of a new multiplication whose first row reads top (the second row is
// the times table, drawn after these).
QVector<double> productDraws(const QString &top);

// The draws of a new division by divisor with this quotient, with three digits chosen.
QVector<double> divisionDraws(int divisor, int quotient);

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
