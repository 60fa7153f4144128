// Exercises worked as children work them, for the benchmarks: right most of
// the time, now and then a slip, and some of the mistakes the diagnosis knows
// (the smaller digit taken from the larger, a quotient digit one too small, a
// product row added wrong). Drawn from the program's random numbers.
#pragma once

#include "record/attempt.h"

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

// The i-th exercise of a run: a column exercise, a long division or a long
// multiplication in turn, each kind with its own mistakes.
Worked SampleColumn(int i);
Worked SampleDivision(int i);
Worked SampleMultiplication(int i);
Worked SampleExercise(int i);

// A long division worked step by step to its end, each quotient digit as
// `quotient` says from its step and its right digit, every remainder right.
LongDivision WorkedDivision(LongDivision d, const std::function<int(int step, int right)> &quotient);

// A child's school year: `perDay` attempts on each of `days` school days
// (Monday to Friday) from `first`, three minutes apart from nine o'clock.
std::vector<Attempt> SampleYear(const QString &child, const QDate &first, int days, int perDay);
