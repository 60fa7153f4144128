// Numbers as the results lines write them, and as digits.
#pragma once

#include <QString>
#include <vector>

// A number as plain decimal text: no blank, no separator.
inline QString num(int v) { return QString::number(v); }

// The number whose digits these are, the highest first.
int numberOf(const std::vector<int> &digits);
// The digits of a number, the highest first; at least `count` of them, with leading zeros.
std::vector<int> digitsOf(int v, int count = 1);

// The end every results line has: " ** " + the verdict's word + " **".
inline QString verdictTail(const QString &word) { return QStringLiteral(" ** ") + word + QStringLiteral(" **"); }

// A new number for each exercise made, so that copies of one exercise (a check
// repeated) are known as one.
int newSerial();
