#include "windows/multiplication/form3.h"

#include "app/module1.h"
#include "windows/common/commands.h"
#include "windows/common/rules.h"

namespace {

QString num(int v) { return QString::number(v); }

} // namespace

Form3::Form3() : Form(design())
{
    Command1 = array<CommandButton>("Command1");
    Command2 = array<CommandButton>("Command2");
    Command3 = array<CommandButton>("Command3");
    Command4 = array<CommandButton>("Command4");
    Command5 = array<CommandButton>("Command5");
    Command6 = array<CommandButton>("Command6");
    Command7 = array<CommandButton>("Command7");
    Command8 = array<CommandButton>("Command8");
    Command9 = array<CommandButton>("Command9");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Line3 = control<Line>("Line3");
    Line4 = control<Line>("Line4");
    Vorlando1 = control<Vorlando>("Vorlando1");
    onClick(Command3, &Form3::Command3_Click);
    onClick(Command4, &Form3::Command4_Click);
    onClick(Command5, &Form3::Command5_Click);
    onClick(Command6, &Form3::Command6_Click);
    onClick(Command7, &Form3::Command7_Click);
    onClick(Command8, &Form3::Command8_Click);
    onClick(Command9, &Form3::Command9_Click);
}

void Form3::Form_Load()
{
    Random::Randomize();
    MultiplicandLastIndex = 4;
    MultiplierMode = MultiplierSize::TwoDigits;
    DrawMultiplication();
    CoverMainWindow(*this);
    for (CommandButton *b : Command9)
        b->setCaption(QString());
    Language::load("/idioma/", "formulariomulti.txt", texts());
}

// ---------------------------------------------------------------- the grid

const ControlArray<CommandButton> &Form3::Cells(Row row) const
{
    switch (row) {
    case Row::First:
        return Command4;
    case Row::Second:
        return Command5;
    case Row::Result:
        break;
    }
    return Command6;
}

CommandButton *Form3::WorkingCell(Row row, int column) const
{
    return Cells(row)[column - FirstColumn(row)];
}

// ---------------------------------------------------------------- drawing and sizes

void Form3::DrawMultiplication()
{
    int a = 0, b = 0, power = 1;
    for (int i = 0; i <= MultiplicandLastIndex; ++i, power *= 10) {
        Command1[i]->setCaption(num(Random::Digit(9, 1)));
        a += captionValue(Command1[i]->Caption()) * power;
        if (i < 2) {
            Command2[i]->setCaption(num(Random::Digit(8, 2)));
            b += captionValue(Command2[i]->Caption()) * power;
        }
    }
    int p1 = a * captionValue(Command2[0]->Caption());
    int p2 = a * captionValue(Command2[1]->Caption());
    int product = a * b;
    // Row 1 and row 2 have m + 2 cells, the result row m + 3; leading cells hold 0.
    for (int i = 0; i <= MultiplicandLastIndex + 1; ++i, p1 /= 10, p2 /= 10) {
        RightDigits[int(Row::First)][i] = p1 % 10;
        RightDigits[int(Row::Second)][i + 1] = p2 % 10;
    }
    for (int k = 0; k <= MultiplicandLastIndex + 2; ++k, product /= 10)
        RightDigits[int(Row::Result)][k] = product % 10;
    Multiplicand = a;
    Multiplier = b;
}

void Form3::ClearWorking()
{
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (CommandButton *cell : Cells(row)) {
            unjudge(cell);
            cell->setCaption(QString());
        }
}

void Form3::ShowColumns()
{
    const int m = MultiplicandLastIndex;
    Command1[m]->show();
    for (int i = 0; i <= m; ++i) {
        Command4[i + 1]->show();
        Command5[i + 1]->show();
        Command6[i + 2]->show();
    }
    Line1->setX1(Command4[m + 1]->Left());
    Line4->setX1(Command6[m + 2]->Left());
}

void Form3::ShrinkToTwoDigits()
{
    for (int i = 2; i <= Command1.UBound(); ++i)
        Command1[i]->hide();
    for (int i = 3; i <= Command4.UBound(); ++i) {
        Command4[i]->hide();
        Command5[i]->hide();
    }
    for (int i = 3; i <= Command6.UBound(); ++i)
        Command6[i]->hide();
    Command6[3]->show();
    Line1->setX1(Command4[2]->Left());
    Line4->setX1(Command6[3]->Left());
}

void Form3::UseOneDigitMultiplier()
{
    for (CommandButton *cell : Command5)
        cell->hide();
    for (CommandButton *cell : Command6)
        cell->hide();
    Command2[1]->hide();
    Command7[1]->hide();
    Command7[2]->hide();
}

void Form3::UseTwoDigitMultiplier()
{
    ShowColumns();
    for (CommandButton *b : {Command2[1], Command5[0], Command6[0], Command6[1], Command7[1], Command7[2]})
        b->show();
}

// Both size buttons start a new exercise.
void Form3::Command3_Click(int Index)
{
    for (CommandButton *check : Command7)
        check->setEnabled(true);
    if (Index == 0) {
        if (MultiplicandLastIndex == 4) {
            MultiplicandLastIndex = 1;
            ShrinkToTwoDigits();
        } else {
            ++MultiplicandLastIndex;
            ShowColumns();
        }
    } else if (MultiplierMode == MultiplierSize::TwoDigits) {
        UseOneDigitMultiplier();
        Command3[0]->setEnabled(false);
        Line4->hide();
        MultiplierMode = MultiplierSize::OneDigit;
    } else {
        UseTwoDigitMultiplier();
        Command3[0]->setEnabled(true);
        Line4->show();
        MultiplierMode = MultiplierSize::TwoDigits;
    }
    ClearWorking();
    DrawMultiplication();
    Vorlando1->setFile(QString());
    Sound::play("/sonidos/operacion.wav");
    // A carry box stands over every multiplicand digit but the units.
    for (int j = 1; j <= Command9.UBound(); ++j)
        Command9[j]->setVisible(Command1[j + 1]->Visible());
}

// ---------------------------------------------------------------- writing digits

void Form3::WriteDigit(Row row, int Index)
{
    Sound::play("/sonidos/pulsa.wav");
    digitUp(Cells(row)[Index]);
    Vorlando1->setFile(QString());
}

void Form3::Command4_Click(int Index) { WriteDigit(Row::First, Index); }

void Form3::Command5_Click(int Index) { WriteDigit(Row::Second, Index); }

void Form3::Command6_Click(int Index) { WriteDigit(Row::Result, Index); }

// A carry box is the child's own note: silent, never judged.
void Form3::Command9_Click(int Index) { digitUp(Command9[Index]); }

// ---------------------------------------------------------------- checking

// Colours every cell of the row in use, blue right and red wrong; true if one is wrong.
bool Form3::CheckRow(Row row)
{
    const int first = FirstColumn(row);
    bool wrong = false;
    for (int k = first; k - first <= Cells(row).UBound(); ++k) {
        CommandButton *cell = WorkingCell(row, k);
        if (!cell->Visible())
            break;
        const bool right = captionValue(cell->Caption()) == RightDigits[int(row)][k];
        judge(cell, right);
        wrong = wrong || !right;
    }
    return wrong;
}

void Form3::RecordExercise(int multiplier, bool wrong)
{
    const QString result = wrong ? QStringLiteral(" ? ") : num(Multiplicand * multiplier);
    addResultsLine(ExerciseKind::WrittenMultiplication, !wrong,
                   MultiplicationTitle + num(Multiplicand) + QStringLiteral(" X ") + num(multiplier) + QStringLiteral(" = ") +
                       result + verdictTail(VerdictTexts[wrong ? 1 : 0]));
}

void Form3::Command7_Click(int Index)
{
    bool wrong = false;
    if (Index == 0) {
        wrong = CheckRow(Row::First);
        if (Command7[1]->isHidden()) { // one-digit multiplier: row 1 is the result
            RecordExercise(captionValue(Command2[0]->Caption()), wrong);
            Command7[0]->setEnabled(wrong);
        }
    } else if (Index == 1) {
        wrong = CheckRow(Row::Second);
    } else {
        for (Row row : {Row::Result, Row::Second, Row::First})
            wrong = CheckRow(row) || wrong;
        RecordExercise(Multiplier, wrong);
        Command7[2]->setEnabled(wrong);
    }

    repaint(); // the colours are on screen before the sound starts
    if (wrong) {
        Vorlando1->setFile(AppFolder::resource("/gifs/fallo.gif"));
        Sound::play("/sonidos/fallo.wav");
    } else {
        Sound::play("/sonidos/acierto.wav");
        Vorlando1->setFile(AppFolder::resource("/gifs/acierto.gif"));
    }
    for (CommandButton *carry : Command9)
        carry->setCaption(QString());
}

void Form3::Command8_Click(int Index) { SecondaryWindowCommand(*this, Index); }
