// The program's random numbers.
#pragma once

#include <functional>

namespace Random {

// A uniform random number in [0, 1).
double Rnd();
// Int(Rnd × n) + k: a whole number from k to k + n − 1.
int Digit(int n, int k = 0);
// Seeds the generator from the clock (every window that draws does this at load).
void Randomize();
// Replaces the source (tests); an empty function restores the generator.
void setSource(std::function<double()> source);

} // namespace Random
