#include "windows/common/rules.h"

#include "ui/controls.h"

void showCell(CommandButton *button, const DigitCell &cell, const QString &empty, vb::Colour rightColour)
{
    button->setCaption(cell.caption(empty));
    button->setBackColor(cell.verdict == Verdict::Right ? rightColour : cell.verdict == Verdict::Wrong ? vb::Red : vb::White);
    button->setVerdict(cell.verdict);
}

void light(Shape *lamp, bool right)
{
    lamp->setFillColor(right ? vb::Green : vb::Red);
    lamp->setVerdict(right ? Verdict::Right : Verdict::Wrong);
    lamp->show();
}
