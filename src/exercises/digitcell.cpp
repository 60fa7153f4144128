#include "exercises/digitcell.h"

void DigitCell::enter(DigitKey key)
{
    switch (key.kind) {
    case DigitKey::Digit:
        current = key.digit;
        break;
    case DigitKey::Empty:
        current.reset();
        break;
    case DigitKey::Up:
        current = value() != 9 ? value() + 1 : 0;
        break;
    case DigitKey::Down:
        current = value() != 0 ? value() - 1 : 9;
        break;
    }
}

bool DigitCell::judge(bool emptyIsZero)
{
    if (!judged)
        first = current;
    judged = true;
    const bool ok = (current || emptyIsZero) && value() == right;
    verdict = ok ? Verdict::Right : Verdict::Wrong;
    return ok;
}

void DigitCell::clear()
{
    current.reset();
    first.reset();
    judged = false;
    verdict = Verdict::None;
}

QString DigitCell::caption(const QString &empty) const { return current ? QString::number(*current) : empty; }
