// The length of the program's second.
#pragma once

namespace Clock {

// How many milliseconds one second of the program lasts (tests shorten it);
// measured on the monotonic clock, so midnight does not matter.
int second();
// Sets the length of a second; 0 restores the real one.
void setSecond(int ms);

} // namespace Clock
