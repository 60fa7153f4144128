// The written-multiplication window.
#pragma once

#include "ui/form.h"

#include <array>

class Form3 : public Form
{
    Q_OBJECT
public:
    Form3();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command8_Click(int Index);

    // The working grid: column k (0 = units, up to 6) has its cells at this Left.
    static constexpr int ColumnStep = 720;
    static constexpr int ColumnLeft(int k) { return 5640 - ColumnStep * k; }

    // Controls, and the role each plays.
    ControlArray<CommandButton> Command1; // multiplicand digits; cell i stands in column i (read only)
    ControlArray<CommandButton> Command2; // multiplier digits; cell i stands in column i (read only)
    ControlArray<CommandButton> Command3; // new exercise: 0 next multiplicand size, 1 one or two multiplier digits
    ControlArray<CommandButton> Command4; // row 1, multiplicand × units digit; cell i stands in column i
    ControlArray<CommandButton> Command5; // row 2, multiplicand × tens digit; cell i stands in column i + 1
    ControlArray<CommandButton> Command6; // result row; cell i stands in column i
    ControlArray<CommandButton> Command7; // check buttons of row 1, row 2 and the result row
    ControlArray<CommandButton> Command8; // window commands: 0 back, 1 results, 2 background
    ControlArray<CommandButton> Command9; // carry boxes; box j stands above multiplicand column j + 1
    Line *Line1;                          // rule under the multiplier
    Line *Line2, *Line3;                  // the multiplication sign
    Line *Line4;                          // rule above the result row
    Vorlando *Vorlando1;                  // right or wrong animation after a check

    QString MultiplicationTitle;
    std::array<QString, 2> VerdictTexts;

private:
    static FormLayout design();
};
