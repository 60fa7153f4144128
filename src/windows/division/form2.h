// The written-division window.
#pragma once

#include "ui/form.h"

#include <array>

class Form2 : public Form
{
    Q_OBJECT
public:
    Form2();
    void Form_Load() override;
    void Command13_Click(int Index);

    ControlArray<CommandButton> Command1, Command2, Command5, Command6, Command7, Command8, Command10, Command11,
        Command12, Command13;
    CommandButton *Command3, *Command4, *Command9;
    ControlArray<TextBox> Text1, Text2;
    ControlArray<Shape> Shape1;
    Label *Label1;
    Line *Line1, *Line2;
    Vorlando *Vorlando1;
    Timer *Timer1;

    std::array<QString, 2> PercentWords;
    std::array<QString, 2> VerdictWords;

private:
    static FormLayout design();
};
