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

    // Handlers, one per control and event.
    void Command13_Click(int Index);

    // Controls, and the role each plays. Columns are the dividend's digit
    // positions, 0 (leftmost) to 5; all cells of one column stand one above the other.
    ControlArray<CommandButton> Command1;  // dividend digits; digit j stands in column j
    ControlArray<CommandButton> Command2;  // divisor digits, left to right
    CommandButton *Command3;               // start ("Empezar")
    CommandButton *Command4;               // level ("NIVEL"): 1, 2 or 3 divisor digits
    ControlArray<CommandButton> Command5;  // first remainder row; cell j stands in column j
    ControlArray<CommandButton> Command6;  // second remainder row; cell j stands in column j + 1
    ControlArray<CommandButton> Command7;  // third remainder row; cell j stands in column j + 2
    ControlArray<CommandButton> Command8;  // fourth remainder row; cell j stands in column j + 3
    CommandButton *Command9;               // finish ("Fin")
    ControlArray<CommandButton> Command10; // score: 0 % right, 1 % wrong, 2 divisions right, 3 divisions wrong
    ControlArray<CommandButton> Command11; // quotient digits, left to right
    ControlArray<CommandButton> Command12; // bring-down arrows; arrow j stands above column j + 1
    ControlArray<CommandButton> Command13; // window commands: 0 back, 1 results, 2 background
    ControlArray<TextBox> Text1;           // never shown: the expected quotient digits, "-" past its end
    ControlArray<Shape> Shape1;            // lights, left to right: green a right digit, red a wrong one
    Label *Label1;                         // the division as text, "1234 : 7"
    Line *Line1, *Line2;                   // the division bracket
    Vorlando *Vorlando1;                   // yes or no animation after each check
    Timer *Timer1;                         // checks the quotient digit left behind, every 500 ms

    std::array<QString, 2> PercentWords;
    std::array<QString, 2> VerdictWords;

private:
    static FormLayout design();
};
