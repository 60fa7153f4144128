#include "windows/column/form1.h"

#include "app/module1.h"
#include "app/appfolder.h"
#include "app/sound.h"
#include "app/language.h"
#include "app/random.h"
#include "windows/common/commands.h"
#include "exercises/numbers.h"
#include "windows/common/rules.h"
#include "windows/division/form2.h"
#include "windows/forms.h"
#include "windows/multiplication/form3.h"
#include "windows/results/form5.h"

namespace {

void setDigit(Label *l, int v) { l->setCaption(num(v)); }

} // namespace

Form1::Form1() : ExerciseWindow(design())
{
    Command1 = array<CommandButton>("Command1");
    Command2 = control<CommandButton>("Command2");
    Command3 = array<CommandButton>("Command3");
    Command4 = array<CommandButton>("Command4");
    Command5 = control<CommandButton>("Command5");
    Command6 = control<CommandButton>("Command6");
    Command7 = array<CommandButton>("Command7");
    Command8 = array<CommandButton>("Command8");
    Command9 = array<CommandButton>("Command9");
    Command10 = array<CommandButton>("Command10");
    Label1 = array<Label>("Label1");
    Label2 = array<Label>("Label2");
    Image1 = array<Image>("Image1");
    Image2 = array<Image>("Image2");
    Picture1 = control<PictureBox>("Picture1");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Line3 = control<Line>("Line3");
    Line4 = control<Line>("Line4");
    Line5 = control<Line>("Line5");
    Line6 = control<Line>("Line6");
    Line7 = control<Line>("Line7");
    Vorlando1 = control<Vorlando>("Vorlando1");
    Vorlando2 = control<Vorlando>("Vorlando2");
    Timer1 = control<Timer>("Timer1");
    File1 = control<FileList>("File1");

    onClick(Command1, &Form1::Command1_Click);
    onClick(Command2, &Form1::Command2_Click);
    onClick(Command3, &Form1::Command3_Click);
    onKeyPress(Command3, &Form1::Command3_KeyPress);
    onEnter(Command3, &Form1::Command3_Enter);
    onKeyPress(Command10, &Form1::Command10_KeyPress);
    onClick(Command4, &Form1::Command4_Click);
    onClick(Command5, &Form1::Command5_Click);
    onClick(Command6, &Form1::Command6_Click);
    onClick(Command7, &Form1::Command7_Click);
    onClick(Command8, &Form1::Command8_Click);
    onClick(Command9, &Form1::Command9_Click);
    onClick(Command10, &Form1::Command10_Click);
    onClick(Image1, &Form1::Image1_Click);
    onMouseMove(Label1, &Form1::Label1_MouseMove);
    onMouseMove(Label2, &Form1::Label2_MouseMove);
    onTick(Timer1, &Form1::Timer1_Timer);
    onGifEnd(Vorlando2, &Form1::Vorlando2_GifEnd);

    // Tab follows the method: the answer from the units, each carry before its
    // column, the check; then the count-down arrows, the choices and the commands.
    linkRow(Command3, true);
    linkRow(Command10, true);
    std::vector<QWidget *> order{Command3[0], Command10[1], Command3[1], Command10[2], Command3[2], Command3[3], Command5};
    for (auto group : {all(Image1), std::vector<QWidget *>{Command1[2], Command1[1], Command1[0], Command1[3], Command2},
                       all(Command4), std::vector<QWidget *>{Command9[1], Command6}, all(Command7), all(Command8)})
        order.insert(order.end(), group.begin(), group.end());
    setFocusOrder(order);
}

void Form1::Form_Load()
{
    CenterOnScreen();
    TimesTable = Exercise::AnyTable;
    for (int i = Command4.LBound(); i < AnyTable; ++i)
        Command4[i]->setBackColor(vb::Green);
    Random::Randomize();

    Language::load("/", "paralistos.txt", {{1, Language::into(ExitQuestion)}});
    ParalistosOn = ExitQuestion == QLatin1String("SI");
    Language::load("/idioma/", "formulario1y2.txt", texts());
    NameControls();

    Picture1->hide();
    File1->setPath(AppFolder::resource("/Fondos/"));
    Module1::BackgroundIndex = 1;
    BackgroundStep(*this, *File1);
    if (ParalistosOn)
        ShowPanelCorner();
    Command4[AnyTable]->setBackColor(vb::Blue);
    Command3[0]->setFocus();
    RunnerStep = 10;
    Vorlando1->hide();
    Vorlando1->setFile(AppFolder::resource("/gifs/1.gif"));
    Command7[0]->setPicture(Image2[1]->Picture());
    for (int i = 1; i <= Command7.UBound(); ++i)
        Command7[i]->hide();
    Command9[1]->hide();
    Timer1->setEnabled(false);
    for (CommandButton *b : Command4)
        b->hide();
    Command6->hide();
    Operation = Op::Addition;
    Line2->show();
    Line3->show();
    for (Line *l : {Line4, Line5, Line6, Line7})
        l->hide();
    Vorlando2->hide();
    DrawExercise();
    Command9[1]->setBackColor(vb::Green);
    Command1[1]->setBackColor(vb::Blue);
    Command1[2]->setBackColor(vb::Green);
    Command1[3]->setBackColor(vb::Green);
    PlaceCarryBoxes(Op::Addition);
    forms().form5()->Show(false); // beside this window, which keeps the keyboard
}

// ---------------------------------------------------------------- choosing and drawing

void Form1::DrawExercise() { ShowExercise(Exercise::Draw(Operation, OperandDigits, TimesTable)); }

void Form1::ShowExercise(const Exercise &e)
{
    // The carry boxes are the child's notes: they stay until an operation is chosen or an answer is right.
    const auto carries = Current.Carry;
    Current = e;
    for (int k = 1; k <= 2; ++k)
        Current.Carry[k].current = carries[k].current;
    for (int i = 0; i < 3; ++i) {
        setDigit(Label1[i], e.Top[i]);
        Label1[i]->setVisible(e.TopShown[i]);
        setDigit(Label2[i], e.Bottom[i]);
        Label2[i]->setVisible(e.BottomShown[i]);
    }
    // As many answer boxes as the answer has digits, each with its count-down arrow.
    for (int i = 1; i <= Command3.UBound(); ++i) {
        Command3[i]->setVisible(i < e.AnswerDigits);
        Image1[i]->setVisible(i < e.AnswerDigits);
    }
    for (auto [i, b] : Command3.items()) {
        showCell(b, Current.Answer[i]);
        b->setSpokenDescription(e.Statement(OperationNames[int(e.Operation)]));
    }
    // A carry box stands over every digit of the first row but the units.
    for (int i = 1; i <= 2; ++i)
        Command10[i]->setVisible(e.TopShown[i]);
    NameOperandDigits();
}

// The carry boxes stand over the first row's tens and hundreds; in a
// subtraction, at the foot of the second row's. A division has none.
void Form1::PlaceCarryBoxes(Op op)
{
    const int boxHeight = Command10[1]->Height();
    for (int k = 2; k >= 1; --k) {
        if (op == Op::Addition || op == Op::Multiplication) {
            Command10[k]->setTop(Label1[k]->Top() - boxHeight);
            Command10[k]->setLeft(Label1[k]->Left() + 200);
        } else if (op == Op::Subtraction) {
            Command10[k]->setTop(Label2[k]->Top() + Label2[k]->Height() - boxHeight - 200);
            Command10[k]->setLeft(Label2[k]->Left() + Label2[k]->Width() - 50);
        }
    }
}

void Form1::Command1_Click(int Index)
{
    if (Index < Command1.LBound() || Index > Command1.UBound())
        return;
    ClearCarries();
    Command9[1]->setBackColor(vb::Green);
    for (auto [i, b] : Command1.items())
        b->setBackColor(i == Index ? vb::Blue : vb::Green);

    PlaceCarryBoxes(static_cast<Op>(Index));
    Line1->setVisible(Index != 0);
    Line2->setVisible(Index == 1);
    Line3->setVisible(Index == 1 || Index == 2);
    Line4->setVisible(Index == 3);
    Line5->setVisible(Index == 3);
    Line6->setVisible(Index == 0);
    Line7->setVisible(Index == 0);
    const Op chosen = static_cast<Op>(Index);
    for (CommandButton *b : Command4)
        b->setVisible(chosen == Op::Multiplication);
    Command6->setVisible(chosen == Op::Multiplication);
    Command9[1]->setVisible(chosen == Op::Division);

    Operation = chosen;
    NewExercise();
    Sound::play("/sonidos/operacion.wav");
}

void Form1::Command2_Click()
{
    if (Operation == Op::Division)
        return;
    OperandDigits = OperandDigits == 3 ? 1 : OperandDigits + 1;
    Command2->setCaption(num(OperandDigits));
    NewExercise();
    Sound::play("/sonidos/num.wav");
}

void Form1::Command4_Click(int Index)
{
    if (Index < Command4.LBound() || Index > Command4.UBound())
        return;
    TimesTable = Index + 2;
    for (auto [i, b] : Command4.items())
        b->setBackColor(i == Index ? vb::Blue : vb::Green);
    NewExercise();
}

// Every trigger of a new exercise (operation, digit count, times table) comes here.
void Form1::NewExercise()
{
    CoverSettings();
    DrawExercise();
    RestartRace();
    Command5->setEnabled(true);
    UnlockAnswerEntry();
    Command3[0]->setFocus();
    announce(Current.Statement(OperationNames[int(Current.Operation)]));
}

// ---------------------------------------------------------------- answer entry

// A click or a key on an answer box: the digit changes, and the box clicks.
void Form1::WriteAnswerDigit(int Index, DigitKey key)
{
    Current.Answer[Index].enter(key);
    showCell(Command3[Index], Current.Answer[Index]);
    Sound::play(key.kind == DigitKey::Down ? "/sonidos/pulsa-.wav" : "/sonidos/pulsa.wav");
}

void Form1::Command3_Click(int Index) { WriteAnswerDigit(Index, {DigitKey::Up}); }

void Form1::Command3_KeyPress(int Index, DigitKey key)
{
    if (key.kind == DigitKey::Down)
        return Image1_Click(Index); // the count-down arrow's step
    WriteAnswerDigit(Index, key);
    // A digit written, on to the next one leftwards, as the method goes; after the last, the check.
    if (key.kind == DigitKey::Digit)
        focusFirst({Index < Command3.UBound() ? Command3[Index + 1] : nullptr, Command5});
}

// Enter on an answer box presses the check.
void Form1::Command3_Enter(int)
{
    if (Command5->isVisible() && Command5->isEnabled())
        Command5->click();
}

void Form1::Image1_Click(int Index) { WriteAnswerDigit(Index, {DigitKey::Down}); }

// A carry box is the child's own note: it changes silently.
void Form1::Command10_Click(int Index) { Command10_KeyPress(Index, {DigitKey::Up}); }

void Form1::Command10_KeyPress(int Index, DigitKey key)
{
    Current.Carry[Index].enter(key);
    Command10[Index]->setCaption(Current.Carry[Index].caption());
}

void Form1::ClearCarries()
{
    for (int k = 1; k <= 2; ++k) {
        Current.Carry[k].current.reset();
        Command10[k]->setCaption(QString());
    }
}

void Form1::Command5_Click()
{
    CheckAnswer();
    if (!LastCheckRight)
        return; // the child may correct the digits and check again
    if (RaceOn) {
        RunnerLeft = Command6->Left();
        Timer1->setEnabled(false);
    }
    Command5->setEnabled(false);
    LockAnswerEntry();
}

void Form1::Command6_Click()
{
    Timer1->setEnabled(false);
    forms().form3()->Show();
}

void Form1::Command9_Click(int Index)
{
    if (Index == 1) {
        Command9[1]->setBackColor(vb::Blue);
        for (int i = 1; i <= Command1.UBound(); ++i)
            Command1[i]->setBackColor(vb::Green);
        forms().form2()->Show();
    }
    Sound::play("/sonidos/operacion.wav");
}

void Form1::Label1_MouseMove(int Index) { Label1[Index]->setForeColor(vb::paletteColour(Random::Digit(16))); }

void Form1::Label2_MouseMove(int Index) { Label2[Index]->setForeColor(vb::paletteColour(Random::Digit(16))); }

void Form1::Vorlando2_GifEnd() { Vorlando2->hide(); }

// ---------------------------------------------------------------- checking

void Form1::CheckAnswer(bool raceFinish)
{
    // An answer checked again unchanged (twice, or by a click and the race's finish) counts once.
    const bool again = Current.AsLastCheck();
    const Exercise::Judgement j = Current.Judge();
    for (int i = 0; i < Current.AnswerDigits; ++i)
        showCell(Command3[i], Current.Answer[i]);
    const QString &verdict = VerdictTexts[j.right ? 0 : 1];
    Command5->setCaption(verdict);
    LastCheckRight = j.right;

    if (j.right) {
        if (ParalistosOn)
            Picture1->hide();
        ClearCarries();
    }
    Conclude({.right = j.right,
              .animation = j.right ? Vorlando2 : nullptr,
              .gif = "/gifs/acierto2.gif",
              // the race's own check of a wrong answer says the right one too
              .said = verdictSaid(verdict, j.right) + (raceFinish && !j.right ? QStringLiteral(": ") + num(Current.ExpectedResult) : QString()),
              .again = again,
              .done = Attempt::Of(Current, RaceOn || raceFinish)});
}

void Form1::LockAnswerEntry()
{
    // The focus goes to the operation button: pressed again, it draws the next exercise.
    Command1[int(Operation)]->setFocus();
    for (CommandButton *b : Command3)
        b->setEnabled(false);
    for (Image *i : Image1)
        i->setEnabled(false);
}

void Form1::UnlockAnswerEntry()
{
    for (CommandButton *b : Command3)
        b->setEnabled(true);
    for (Image *i : Image1)
        i->setEnabled(true);
    Command5->setCaption(CheckCaption);
}

// ---------------------------------------------------------------- race

void Form1::RestartRace()
{
    if (RaceOn) {
        RunnerLeft = Command6->Left();
        Timer1->setEnabled(true);
    }
}

void Form1::Command7_Click(int Index)
{
    Sound::play("/sonidos/corre.wav");
    if (Index == 0) {
        const bool on = !RaceOn;
        RaceOn = on;
        Command7[0]->setPicture(Image2[on ? 0 : 1]->Picture());
        for (int i = 1; i <= Command7.UBound(); ++i)
            Command7[i]->setVisible(on);
        Vorlando1->setVisible(on);
        Timer1->setEnabled(on);
    } else if (Index >= 1 && Index <= 3) {
        static constexpr int intervals[] = {0, 200, 100, 50};
        Vorlando1->hide();
        Vorlando1->setFile(AppFolder::resource(QStringLiteral("/gifs/%1.gif").arg(Index)));
        update();
        Vorlando1->show();
        Timer1->setInterval(intervals[Index]);
    }
}

void Form1::Timer1_Timer()
{
    RunnerLeft += RunnerStep;
    Vorlando1->Move(RunnerLeft);
    if (Command5->Left() < RunnerLeft) {
        CheckAnswer(true);
        Command5->setEnabled(false);
        if (!LastCheckRight)
            Command5->setCaption(num(Current.ExpectedResult)); // the right answer, on the button
        Timer1->setEnabled(false);
        LockAnswerEntry();
    }
}

// ---------------------------------------------------------------- window commands

void Form1::Command8_Click(int Index)
{
    switch (Index) {
    case 0:
        if (AskToLeave(this, ExitQuestion, LeaveAnswers))
            Module1::EndProgram();
        break;
    case 1:
        Sound::play("/sonidos/historial.wav");
        forms().form5()->Show();
        break;
    case 2:
        Sound::play("/sonidos/fondo.wav");
        BackgroundStep(*this, *File1);
        if (ParalistosOn)
            ShowPanelCorner();
        break;
    default:
        break;
    }
}

bool Form1::QueryClose()
{
    // The close box of the main window asks the same question as the leave button.
    if (AskToLeave(this, ExitQuestion, LeaveAnswers)) {
        Module1::EndProgram();
        return true;
    }
    return false;
}

void Form1::CoverSettings()
{
    if (ParalistosOn)
        Picture1->show();
}

void Form1::ShowPanelCorner()
{
    Picture1->PaintPicture(Picture(), QRect(0, 0, Picture1->width(), Picture1->height()));
}

// ---------------------------------------------------------------- names for a screen reader

void Form1::NameControls()
{
    setAccessibleName(Words.window);
    setVerdictWords(Words.right, Words.wrong);
    for (int i = 0; i <= Command3.UBound(); ++i) {
        Command3[i]->setSpokenName(Words.result + QStringLiteral(", ") + Words.places[i]);
        Image1[i]->setAccessibleName(Words.countDown + QStringLiteral(", ") + Words.places[i]);
    }
    for (int k = 1; k <= 2; ++k)
        Command10[k]->setSpokenName(Words.carry + QStringLiteral(", ") + Words.places[k]);
    for (int op = 0; op <= 3; ++op)
        if (!OperationNames[op].isEmpty())
            Command1[op]->setSpokenName(OperationNames[op]);
    Command2->setSpokenName(Words.digits);
    for (int i = Command4.LBound(); i < AnyTable; ++i)
        Command4[i]->setSpokenName(Words.table);
    Command4[AnyTable]->setSpokenName(Words.anyTable);
    Command6->setSpokenName(Words.longMultiplication);
    Command9[1]->setSpokenName(Words.longDivision);
    Command7[0]->setSpokenName(Words.race);
    for (int i = 1; i <= 3; ++i)
        Command7[i]->setSpokenName(Words.speeds[i - 1]);
    Vorlando1->setAccessibleName(Words.runner);
    Vorlando2->setAccessibleName(Words.star);
    Line1->setAccessibleName(Words.rule);
    for (Line *l : {Line2, Line3})
        l->setAccessibleName(Words.plus);
    for (Line *l : {Line4, Line5})
        l->setAccessibleName(Words.times);
    for (Line *l : {Line6, Line7})
        l->setAccessibleName(Words.bracket);
    Picture1->setAccessibleName(Words.cover);
}

// The digits of the exercise, each by its row and place; a division's row holds
// the divisor and the dividend.
void Form1::NameOperandDigits()
{
    const bool division = Current.Operation == Op::Division;
    for (int i = 0; i < 3; ++i) {
        Label1[i]->setSpokenName(Words.first + QStringLiteral(", ") + Words.places[i] + QStringLiteral(": %1"));
        Label2[i]->setSpokenName(!division ? Words.second + QStringLiteral(", ") + Words.places[i] + QStringLiteral(": %1")
                                 : i == 0  ? Words.divisor + QStringLiteral(": %1")
                                           : Words.dividend + QStringLiteral(", ") + Words.places[i - 1] + QStringLiteral(": %1"));
    }
}
