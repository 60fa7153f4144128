#include "exercises/numbers.h"

#include <atomic>

int numberOf(const std::vector<int> &digits)
{
    int v = 0;
    for (int d : digits)
        v = 10 * v + d;
    return v;
}

std::vector<int> digitsOf(int v, int count)
{
    std::vector<int> digits;
    do {
        digits.insert(digits.begin(), v % 10);
        v /= 10;
    } while (v > 0 || int(digits.size()) < count);
    return digits;
}

int newSerial()
{
    static std::atomic<int> last = 0; // models are made again on the class window's second thread too
    return ++last;
}
