#include "app/clock.h"

namespace Clock {

namespace {
int &length()
{
    static int ms = 0;
    return ms;
}
} // namespace

int second() { return length() > 0 ? length() : 1000; }

void setSecond(int ms) { length() = ms; }

} // namespace Clock
