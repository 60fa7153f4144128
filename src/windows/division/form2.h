// The written-division window.
#pragma once

#include "app/language.h"
#include "exercises/longdivision.h"
#include "windows/common/exercisewindow.h"

#include <array>
#include <deque>
#include <functional>

class Form2 : public ExerciseWindow
{
    Q_OBJECT
public:
    Form2();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command3_Click();
    void Command4_Click();
    void Command5_Click(int Index);
    void Command6_Click(int Index);
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    void Command5_KeyPress(int Index, DigitKey key);
    void Command6_KeyPress(int Index, DigitKey key);
    void Command7_KeyPress(int Index, DigitKey key);
    void Command8_KeyPress(int Index, DigitKey key);
    void Command9_Click();
    void Command11_Click(int Index);
    void Command11_KeyPress(int Index, DigitKey key);
    void Command5_Enter(int Index);
    void Command6_Enter(int Index);
    void Command7_Enter(int Index);
    void Command8_Enter(int Index);
    void Command11_Enter(int Index);
    void Command12_Click(int Index);
    void Command13_Click(int Index);
    void Timer1_Timer();

    // Shows this division, not started, as a level change would draw it: the
    // level its divisor needs, a clean working area; the next start works it.
    void ShowDivision(const LongDivision &division);

    // The cell of remainder row 1..4 that stands in dividend column 0..5.
    CommandButton *RemainderCell(int row, int column) const;

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
    ControlArray<Shape> Shape1;            // lights, left to right: green a right digit, red a wrong one
    Label *Label1;                         // the division as text, "1234 : 7"
    Line *Line1, *Line2;                   // the division bracket
    Vorlando *Vorlando1;                   // yes or no animation after each check
    Timer *Timer1;                         // checks the quotient digit left behind, every 500 ms

    // State: the division on screen, and the window's own tally.
    LongDivision Division;
    int DivisionsRight = 0, DivisionsWrong = 0;
    std::array<QString, 2> PercentWords;
    std::array<QString, 2> VerdictWords;

    // What a screen reader calls the window's parts; lines 11 on of the language file.
    struct Words {
        QString dividend = "Dividendo", divisor = "Divisor", digit = "cifra", quotient = "Cociente", remainder = "Resto";
        QString bringDown = "Bajar la cifra", light = "Luz";
        std::array<QString, 4> scores{"Cifras bien: %1", "Cifras mal: %1", "Divisiones bien: %1", "Divisiones mal: %1"};
        QString animation = "Señal del paso", bracket = "Signo de dividir";
        QString right = "bien", wrong = "mal", window = "División larga";
    } Words;

protected:
    void dispatch(const std::function<void()> &handler) override;
    bool QueryClose() override;

private:
    static FormLayout design();
    std::vector<Language::Line> texts();
    const ControlArray<CommandButton> &RemainderRow(int row) const;
    CommandButton *Cell(int row, int column) const;
    void ShowLevel();
    void ShowCells(const std::vector<LongDivision::Judged> &judged = {});
    void ShowDigit(int row, int column);
    void ShowProgress();
    void Present(const std::vector<LongDivision::Judged> &judged);
    void WriteRemainderDigit(int row, int Index, DigitKey key);
    void WriteQuotientDigit(int Index, DigitKey key);
    void NextStep();
    void NextOnEnter(int row);
    void SayStep(const QString &what, bool wrong);
    void NameControls();
    void FlashCell(CommandButton *cell);
    void ShowStepScore(bool wrong);
    void ShowPercentages();

    static constexpr int FlashChanges = 3; // colour changes in the flash's second
    bool Busy = false;                      // a handler is running (a flash included)
    bool Flashing = false;                  // a flash is running
    std::deque<std::function<void()>> Pending; // what came meanwhile, in order
};
