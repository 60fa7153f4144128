// The column-arithmetic window, the main window of the program.
#pragma once

#include "ui/form.h"

#include <array>

class Form1 : public Form
{
    Q_OBJECT
public:
    Form1();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click(int Index);
    void Command4_Click(int Index);
    void Command5_Click();
    void Command6_Click();
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    void Command9_Click(int Index);
    void Command10_Click(int Index);
    void Image1_Click(int Index);
    void Label1_MouseMove(int Index);
    void Label2_MouseMove(int Index);
    void Timer1_Timer();
    void Vorlando2_GifEnd();

    // Controls.
    PictureBox *Picture1;
    ControlArray<CommandButton> Command1, Command3, Command4, Command7, Command8, Command9, Command10;
    CommandButton *Command2, *Command5, *Command6;
    ControlArray<Label> Label1, Label2;
    ControlArray<Image> Image1, Image2;
    Line *Line1, *Line2, *Line3, *Line4, *Line5, *Line6, *Line7;
    Vorlando *Vorlando1, *Vorlando2;
    Timer *Timer1;
    FileList *File1;

    // State.
    int Operation = 1; // 0 division, 1 addition, 2 subtraction, 3 multiplication
    int TimesTable = 10;
    int OperandA = 0, OperandB = 0, ExpectedResult = 0;
    int Dividend = 0;
    int RunnerStep = 10;
    int RunnerLeft = 0;
    bool ParalistosOn = false;
    std::array<QString, 2> VerdictTexts;
    std::array<QString, 4> OperationNames;
    QString CheckCaption;
    QString ExitQuestion;
    int EnteredValue = 0;
    QString HistoryTitle, OperatorText;

    // The judgement of the last check.
    bool LastCheckRight = false;

protected:
    bool QueryClose() override;

private:
    static FormLayout design();
    void ShowOperandDigits();
    void DrawExercise();
    void CheckAnswer();
    void LockAnswerEntry();
    void UnlockAnswerEntry();
    void RestartRace();
    void CoverSettings();
    void ShowPanelCorner();
    int DigitCount() const;
};

// A caption read as a number: an empty caption counts as 0.
int captionValue(const QString &caption);
