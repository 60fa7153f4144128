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
    void Command8_Click(int Index);

    ControlArray<CommandButton> Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9;
    ControlArray<TextBox> Text1, Text2, Text3;
    Line *Line1, *Line2, *Line3, *Line4;
    Vorlando *Vorlando1;

    QString MultiplicationTitle;
    std::array<QString, 2> VerdictTexts;

private:
    static FormLayout design();
};
