// The column-arithmetic window, the main window of the program.
#pragma once

#include "app/language.h"
#include "windows/common/exercisewindow.h"
#include "exercises/exercise.h"

#include <array>

class Form1 : public ExerciseWindow
{
    Q_OBJECT
public:
    Form1();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click(int Index);
    void Command3_KeyPress(int Index, DigitKey key);
    void Command3_Enter(int Index);
    void Command4_Click(int Index);
    void Command5_Click();
    void Command6_Click();
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    void Command9_Click(int Index);
    void Command10_Click(int Index);
    void Command10_KeyPress(int Index, DigitKey key);
    void Image1_Click(int Index);
    void Label1_MouseMove(int Index);
    void Label2_MouseMove(int Index);
    void Timer1_Timer();
    void Vorlando2_GifEnd();

    // Shows this exercise as the one to work, as a new draw would.
    void ShowExercise(const Exercise &e);

    // Controls, and the role each plays.
    ControlArray<CommandButton> Command1;  // operation buttons: 0 ÷, 1 +, 2 −, 3 ×
    CommandButton *Command2;               // digit count of the operands, 1..3
    ControlArray<CommandButton> Command3;  // answer digits, index 0 = units
    ControlArray<CommandButton> Command4;  // times tables: 0..7 the tables 2..9, 8 any table ("2-9")
    CommandButton *Command5;               // check button; its caption carries the verdict
    CommandButton *Command6;               // opens the multiplication window ("X **")
    ControlArray<CommandButton> Command7;  // race: 0 switch on/off, 1..3 the three speeds
    ControlArray<CommandButton> Command8;  // window commands: 0 leave, 1 results, 2 background
    ControlArray<CommandButton> Command9;  // 1 opens the division window ("÷**")
    ControlArray<CommandButton> Command10; // carry boxes 1..2, above the tens and hundreds
    ControlArray<Label> Label1;            // first operand digits, index 0 = units
    ControlArray<Label> Label2;            // second operand digits (the divisor and dividend in division)
    ControlArray<Image> Image1;            // count-down arrows under the answer digits
    ControlArray<Image> Image2;            // race switch faces: 0 on, 1 off (never shown)
    PictureBox *Picture1;                  // panel that covers the settings column ("SI" variant)
    Line *Line1;                           // rule under the operands
    Line *Line2, *Line3;                   // plus sign
    Line *Line4, *Line5;                   // times sign
    Line *Line6, *Line7;                   // division bracket
    Vorlando *Vorlando1;                   // the race runner
    Vorlando *Vorlando2;                   // success animation
    Timer *Timer1;                         // moves the runner
    FileList *File1;                       // the background pictures, in name order

    // The "2-9" button of Command4: a table drawn at random.
    static constexpr int AnyTable = 8;

    // State.
    Exercise Current;      // the exercise on display
    Op Operation = Op::Addition;
    int OperandDigits = 3; // digits of each operand, as Command2 shows
    int TimesTable = Exercise::AnyTable; // 2..9, or any table
    bool RaceOn = false;   // the runner is out (running or stopped at the finish)
    int RunnerStep = 10;
    int RunnerLeft = 0;
    bool ParalistosOn = false;
    std::array<QString, 2> VerdictTexts;
    std::array<QString, 4> OperationNames; // by Op
    QString CheckCaption;
    QString ExitQuestion;
    std::array<QString, 2> LeaveAnswers{"Sí", "No"}; // the buttons of the leave question

    // The judgement of the last check.
    bool LastCheckRight = false;

    // What a screen reader calls the window's parts; lines 12 on of the language file.
    struct Words {
        QString result = "Resultado", carry = "Me llevo", countDown = "Uno menos";
        QString first = "Primer número", second = "Segundo número", dividend = "Dividendo", divisor = "Divisor";
        std::array<QString, 4> places{"unidades", "decenas", "centenas", "unidades de millar"};
        QString digits = "Cifras de cada número: %1", table = "Tabla del %1", anyTable = "Cualquier tabla";
        QString longMultiplication = "Multiplicación larga", longDivision = "División larga";
        QString race = "Carrera: encender o apagar";
        std::array<QString, 3> speeds{"Velocidad 1: bebé", "Velocidad 2: dinosaurio", "Velocidad 3: corredor"};
        QString runner = "Corredor", star = "Estrella de acierto";
        QString right = "bien", wrong = "mal";
        QString rule = "Raya", plus = "Signo más", times = "Signo por", bracket = "Signo de dividir";
        QString cover = "Fondo", window = "Cuentas";
    } Words;

protected:
    bool QueryClose() override;

private:
    static FormLayout design();
    std::vector<Language::Line> texts();
    void DrawExercise();
    void PlaceCarryBoxes(Op op);
    void NewExercise();
    void CheckAnswer(bool raceFinish = false);
    void LockAnswerEntry();
    void UnlockAnswerEntry();
    void RestartRace();
    void CoverSettings();
    void ShowPanelCorner();
    void WriteAnswerDigit(int Index, DigitKey key);
    void ClearCarries();
    void NameControls();
    void NameOperandDigits();
};
