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
    onKeyPress(Command4, &Form3::Command4_KeyPress);
    onKeyPress(Command5, &Form3::Command5_KeyPress);
    onKeyPress(Command6, &Form3::Command6_KeyPress);
    onKeyPress(Command9, &Form3::Command9_KeyPress);
    onEscape([this] { Command8_Click(0); });
    for (const auto *row : {&Command4, &Command5, &Command6, &Command9})
        linkRow(*row, true);
    // Tab follows the method: each row from its units, then its check; the
    // carries after the first row; then the new-exercise buttons and the commands.
    std::vector<QWidget *> order;
    for (auto group : {all(Command4), all(Command9), std::vector<QWidget *>{Command7[0]}, all(Command5),
                       std::vector<QWidget *>{Command7[1]}, all(Command6), std::vector<QWidget *>{Command7[2]}, all(Command3),
                       all(Command8)})
        order.insert(order.end(), group.begin(), group.end());
    setFocusOrder(order);
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
    NameControls();
    Command4[0]->setFocus();
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
    for (int i = 0; i <= MultiplicandLastIndex; ++i) {
        Command1[i]->setCaption(num(Random::Digit(9, 1)));
        if (i < 2)
            Command2[i]->setCaption(num(Random::Digit(8, 2)));
    }
    ReadMultiplication();
}

void Form3::ShowMultiplication(int a, int b)
{
    for (int i = 0; i <= MultiplicandLastIndex; ++i, a /= 10)
        Command1[i]->setCaption(num(a % 10));
    for (int i = 0; i < 2; ++i, b /= 10)
        Command2[i]->setCaption(num(b % 10));
    ReadMultiplication();
}

// The multiplication is what its digits say; the right digit of every cell is stored now.
void Form3::ReadMultiplication()
{
    int a = 0, b = 0, power = 1;
    for (int i = 0; i <= MultiplicandLastIndex; ++i, power *= 10) {
        a += captionValue(Command1[i]->Caption()) * power;
        if (i < 2)
            b += captionValue(Command2[i]->Caption()) * power;
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
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (CommandButton *cell : Cells(row))
            cell->setSpokenDescription(Statement());
}

// The multiplication as it stands: "23 X 45", or "23 X 5" with one multiplier digit.
QString Form3::Statement() const
{
    return num(Multiplicand) + QStringLiteral(" X ") + num(MultiplierMode == MultiplierSize::OneDigit ? Multiplier % 10 : Multiplier);
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
    Command4[0]->setFocus();
    announce(Statement());
    // A carry box stands over every multiplicand digit but the units.
    for (int j = 1; j <= Command9.UBound(); ++j)
        Command9[j]->setVisible(Command1[j + 1]->Visible());
}

// ---------------------------------------------------------------- writing digits

// A click or a key on a cell of a working row.
void Form3::WriteDigit(Row row, int Index, DigitKey key)
{
    Sound::play("/sonidos/pulsa.wav");
    enterKey(Cells(row)[Index], key);
    Vorlando1->setFile(QString());
    // A digit written, on to the next one leftwards, as the method goes; after the last, the row's check.
    if (key.kind == DigitKey::Digit)
        focusFirst({Index < Cells(row).UBound() ? Cells(row)[Index + 1] : nullptr, Command7[int(row)]});
}

void Form3::Command4_Click(int Index) { WriteDigit(Row::First, Index, {DigitKey::Up}); }
void Form3::Command5_Click(int Index) { WriteDigit(Row::Second, Index, {DigitKey::Up}); }
void Form3::Command6_Click(int Index) { WriteDigit(Row::Result, Index, {DigitKey::Up}); }
void Form3::Command4_KeyPress(int Index, DigitKey key) { WriteDigit(Row::First, Index, key); }
void Form3::Command5_KeyPress(int Index, DigitKey key) { WriteDigit(Row::Second, Index, key); }
void Form3::Command6_KeyPress(int Index, DigitKey key) { WriteDigit(Row::Result, Index, key); }

// A carry box is the child's own note: silent, never judged.
void Form3::Command9_Click(int Index) { digitUp(Command9[Index]); }
void Form3::Command9_KeyPress(int Index, DigitKey key) { enterKey(Command9[Index], key); }

// ---------------------------------------------------------------- checking

// Colours every cell of the row in use, blue right and red wrong; true if one is
// wrong. An empty cell inside the number, judged right, shows its 0; an empty
// leading one stays empty.
bool Form3::CheckRow(Row row)
{
    const int first = FirstColumn(row);
    int leading = first; // the highest column whose right digit is not 0
    for (int k = first; k - first <= Cells(row).UBound() && WorkingCell(row, k)->Visible(); ++k)
        if (RightDigits[int(row)][k] != 0)
            leading = k;
    bool wrong = false;
    for (int k = first; k - first <= Cells(row).UBound(); ++k) {
        CommandButton *cell = WorkingCell(row, k);
        if (!cell->Visible())
            break;
        const bool right = captionValue(cell->Caption()) == RightDigits[int(row)][k];
        judge(cell, right);
        if (right && cell->Caption().isEmpty() && k < leading)
            cell->setCaption(QStringLiteral("0"));
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

    // Said aloud: the row checked, or the verdict on the whole; then on to what comes next.
    const bool final = Index == 2 || Command7[1]->isHidden();
    const QString &verdict = VerdictTexts[wrong ? 1 : 0];
    announce(final && !verdict.isEmpty() ? verdict : Words.rows[Index] + QStringLiteral(": ") + (wrong ? Words.wrong : Words.right));
    if (final)
        focusFirst({Command7[Index], Command3[0], Command3[1]});
    else
        focusFirst({Cells(Row(Index + 1))[0], Command7[Index]});
}

// ---------------------------------------------------------------- names for a screen reader

void Form3::NameControls()
{
    setAccessibleName(Words.window);
    setVerdictWords(Words.right, Words.wrong);
    const QString comma = QStringLiteral(", ");
    for (int i = 0; i <= Command1.UBound(); ++i)
        Command1[i]->setSpokenName(Words.first + comma + Words.places[i] + QStringLiteral(": %1"));
    for (int i = 0; i <= Command2.UBound(); ++i)
        Command2[i]->setSpokenName(Words.second + comma + Words.places[i] + QStringLiteral(": %1"));
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (int i = 0; i <= Cells(row).UBound(); ++i)
            Cells(row)[i]->setSpokenName(Words.rows[int(row)] + comma + Words.places[i + FirstColumn(row)]);
    for (int j = 0; j <= Command9.UBound(); ++j)
        Command9[j]->setSpokenName(Words.carry + comma + Words.places[j + 1]);
    for (int k = 0; k <= Command7.UBound(); ++k)
        Command7[k]->setSpokenName(Words.checks[k]);
    for (int k = 0; k <= Command3.UBound(); ++k)
        Command3[k]->setSpokenName(Words.sizes[k]);
    Vorlando1->setAccessibleName(Words.animation);
    for (Line *l : {Line2, Line3})
        l->setAccessibleName(Words.times);
    for (Line *l : {Line1, Line4})
        l->setAccessibleName(Words.rule);
}

void Form3::Command8_Click(int Index) { SecondaryWindowCommand(*this, Index); }
