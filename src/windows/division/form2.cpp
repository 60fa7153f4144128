#include "windows/division/form2.h"

#include "app/module1.h"
#include "windows/common/commands.h"
#include "windows/common/rules.h"

#include <cmath>

namespace {

constexpr vb::Colour LightCyan = 0xFFFF80; // a digit brought down or judged right
const QString Empty = QStringLiteral("-");  // what an empty cell shows

QString num(int v) { return QString::number(v); }

} // namespace

Form2::Form2() : Form(design())
{
    Command1 = array<CommandButton>("Command1");
    Command2 = array<CommandButton>("Command2");
    Command3 = control<CommandButton>("Command3");
    Command4 = control<CommandButton>("Command4");
    Command5 = array<CommandButton>("Command5");
    Command6 = array<CommandButton>("Command6");
    Command7 = array<CommandButton>("Command7");
    Command8 = array<CommandButton>("Command8");
    Command9 = control<CommandButton>("Command9");
    Command10 = array<CommandButton>("Command10");
    Command11 = array<CommandButton>("Command11");
    Command12 = array<CommandButton>("Command12");
    Command13 = array<CommandButton>("Command13");
    Text1 = array<TextBox>("Text1");
    Shape1 = array<Shape>("Shape1");
    Label1 = control<Label>("Label1");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Vorlando1 = control<Vorlando>("Vorlando1");
    Timer1 = control<Timer>("Timer1");
    onClick(Command3, &Form2::Command3_Click);
    onClick(Command4, &Form2::Command4_Click);
    onClick(Command5, &Form2::Command5_Click);
    onClick(Command6, &Form2::Command6_Click);
    onClick(Command7, &Form2::Command7_Click);
    onClick(Command8, &Form2::Command8_Click);
    onClick(Command9, &Form2::Command9_Click);
    onClick(Command11, &Form2::Command11_Click);
    onClick(Command12, &Form2::Command12_Click);
    onClick(Command13, &Form2::Command13_Click);
    onKeyPress(Command5, &Form2::Command5_KeyPress);
    onKeyPress(Command6, &Form2::Command6_KeyPress);
    onKeyPress(Command7, &Form2::Command7_KeyPress);
    onKeyPress(Command8, &Form2::Command8_KeyPress);
    onKeyPress(Command11, &Form2::Command11_KeyPress);
    onTick(Timer1, &Form2::Timer1_Timer);
    onEscape([this] { Command13_Click(0); });
    for (int row = 1; row <= 4; ++row)
        linkRow(RemainderRow(row), false);
    linkRow(Command11, false);
}

void Form2::Form_Load()
{
    CoverMainWindow(*this);
    Random::Randomize();
    LightIndex = WrongCount = RightCount = DivisionsRight = DivisionsWrong = 0;
    FirstGroupLong = false;
    DividendLastIndex = 3;
    DivisorLastIndex = 0;
    for (CommandButton *b : {Command9, Command2[1], Command2[2], Command1[4], Command1[5]})
        b->hide();
    DrawDivision();
    Level = 0;
    Language::load("/idioma/", "formulariodivision.txt", texts());
    NameControls();
    // The division on screen is the one the first start works.
    ExerciseReady = true;
    Command3->setFocus();
    Timer1->setEnabled(true);
}

// ---------------------------------------------------------------- one handler at a time

// A flash holds its handler for a second while the window goes on drawing. What
// the child does meanwhile (a click, the close box) and the timer's ticks wait,
// in order, and run when the handler has finished.
void Form2::dispatch(const std::function<void()> &handler)
{
    if (Busy) {
        Pending.push_back(handler);
        return;
    }
    Busy = true;
    handler();
    while (!Pending.empty()) {
        const auto next = Pending.front();
        Pending.pop_front();
        next();
    }
    Busy = false;
}

// The close box during a flash closes the window when the flash is over.
bool Form2::QueryClose()
{
    if (!Flashing)
        return true;
    Pending.push_back([this] { close(); });
    return false;
}

// ---------------------------------------------------------------- the grid

const ControlArray<CommandButton> &Form2::RemainderRow(int row) const
{
    switch (row) {
    case 1:
        return Command5;
    case 2:
        return Command6;
    case 3:
        return Command7;
    default:
        return Command8;
    }
}

CommandButton *Form2::RemainderCell(int row, int column) const { return RemainderRow(row)[column - (row - 1)]; }

// ---------------------------------------------------------------- level, drawing and starting

void Form2::Command4_Click()
{
    // The digits the new level shows are in place before the draw, so every one is fresh.
    SetLevel(Level == 2 ? 0 : Level + 1);
    ResetDivision();
    ExerciseReady = true;
}

void Form2::SetLevel(int level)
{
    Level = level;
    DivisorLastIndex = Level;
    DividendLastIndex = DivisorLastIndex + 3;
    for (int i = 1; i <= Command2.UBound(); ++i)
        Command2[i]->setVisible(i <= DivisorLastIndex);
    for (int i = 4; i <= Command1.UBound(); ++i)
        Command1[i]->setVisible(i <= DividendLastIndex);
}

void Form2::DrawDivision()
{
    using Random::Digit;
    Command1[0]->setCaption(num(Digit(9, 1)));
    Command2[0]->setCaption(num(Digit(8, 2)));
    for (int i = 1; i <= DividendLastIndex; ++i)
        Command1[i]->setCaption(num(Digit(10)));
    for (int i = 1; i <= DivisorLastIndex; ++i)
        Command2[i]->setCaption(num(Digit(10)));
    ReadDivision();
}

// The division is what its digits say.
void Form2::ReadDivision()
{
    Dividend = 0;
    Divisor = 0;
    for (int i = 0; i <= Level + 3; ++i)
        Dividend = 10 * Dividend + captionValue(Command1[i]->Caption());
    for (int i = 0; i <= Level; ++i)
        Divisor = 10 * Divisor + captionValue(Command2[i]->Caption());
    Label1->setCaption(num(Dividend) + QStringLiteral(" : ") + num(Divisor));
    for (const auto *cells : {&Command5, &Command6, &Command7, &Command8, &Command11})
        for (CommandButton *cell : *cells)
            cell->setSpokenDescription(Label1->Caption());
    LightIndex = 0;
}

void Form2::ShowDivision(const QString &dividend, const QString &divisor)
{
    SetLevel(int(divisor.size()) - 1);
    ClearWorking();
    for (int i = 0; i <= DividendLastIndex; ++i)
        Command1[i]->setCaption(dividend.mid(i, 1));
    for (int i = 0; i <= DivisorLastIndex; ++i)
        Command2[i]->setCaption(divisor.mid(i, 1));
    ReadDivision();
    ExerciseReady = true;
}

void Form2::ResetDivision()
{
    ClearWorking();
    DrawDivision();
}

void Form2::ClearWorking()
{
    for (const auto *cells : {&Command5, &Command6, &Command7, &Command8, &Command11})
        for (CommandButton *cell : *cells) {
            cell->setCaption(Empty);
            cell->hide();
            unjudge(cell);
        }
    for (TextBox *t : Text1)
        t->setTextValue(Empty);
    for (CommandButton *arrow : Command12) {
        arrow->hide();
        arrow->setEnabled(true);
    }
    BringDownCount = CurrentQuotientIndex = WrongCount = RightCount = 0;
    QuotientChecked.fill(false);
    for (Shape *light : Shape1)
        light->hide();
}

void Form2::Command3_Click()
{
    Command3->setEnabled(false);
    Command4->setEnabled(false);
    if (!ExerciseReady)
        ResetDivision();
    Command11[0]->show();
    Command11[0]->setFocus();
    announce(Label1->Caption());

    // The expected quotient and remainders, fixed now for the checks to compare with.
    const QString quotient = num(Dividend / Divisor);
    for (int k = 0; k < quotient.size() && k <= Text1.UBound(); ++k)
        Text1[k]->setTextValue(quotient.mid(k, 1));

    const QString digits = num(Dividend);
    const int g = Dividend / 1000; // the first DivisorLastIndex + 1 digits
    FirstGroupLong = g < Divisor;
    FirstGroupDigits = DivisorLastIndex + (FirstGroupLong ? 2 : 1);
    FirstGroup = FirstGroupLong ? Dividend / 100 : g;

    // Row r + 1's remainder extends row r's by the digit brought down.
    Remainder[1] = FirstGroup % Divisor;
    for (int r = 1; r < 4 && FirstGroupDigits + r - 1 < digits.size(); ++r)
        Remainder[r + 1] = (Remainder[r] * 10 + digits.at(FirstGroupDigits + r - 1).digitValue()) % Divisor;

    for (int j = 0; j < FirstGroupDigits; ++j)
        RemainderCell(1, j)->show();
    Command12[FirstGroupDigits - 1]->show();
    ExerciseReady = false;

    // Tab follows the method: a quotient digit, the remainder it leaves (from its
    // units), the arrow that brings the next digit down; then Fin and the commands.
    std::vector<QWidget *> order;
    for (int row = 1; row <= 4; ++row) {
        order.push_back(Command11[row - 1]);
        for (int j = RemainderRow(row).UBound(); j >= 0; --j)
            order.push_back(RemainderRow(row)[j]);
        if (FirstGroupDigits + row - 2 <= Command12.UBound())
            order.push_back(Command12[FirstGroupDigits + row - 2]);
    }
    order.insert(order.end(), {Command9, Command3, Command4});
    order.insert(order.end(), Command13.begin(), Command13.end());
    setFocusOrder(order);
}

// ---------------------------------------------------------------- writing digits

// A click or a key on a remainder cell of row 1..4.
void Form2::WriteRemainderDigit(int row, int Index, DigitKey key)
{
    Sound::play("/sonidos/pulsa.wav");
    enterKey(RemainderRow(row)[Index], key, Empty);
    // A digit written, on to the one left of it, as a remainder is written from its
    // units; after its first digit, the next step.
    if (key.kind == DigitKey::Digit) {
        if (Index > 0)
            RemainderRow(row)[Index - 1]->setFocus();
        else
            NextStep();
    }
}

void Form2::Command5_Click(int Index) { WriteRemainderDigit(1, Index, {DigitKey::Up}); }
void Form2::Command6_Click(int Index) { WriteRemainderDigit(2, Index, {DigitKey::Up}); }
void Form2::Command7_Click(int Index) { WriteRemainderDigit(3, Index, {DigitKey::Up}); }
void Form2::Command8_Click(int Index) { WriteRemainderDigit(4, Index, {DigitKey::Up}); }
void Form2::Command5_KeyPress(int Index, DigitKey key) { WriteRemainderDigit(1, Index, key); }
void Form2::Command6_KeyPress(int Index, DigitKey key) { WriteRemainderDigit(2, Index, key); }
void Form2::Command7_KeyPress(int Index, DigitKey key) { WriteRemainderDigit(3, Index, key); }
void Form2::Command8_KeyPress(int Index, DigitKey key) { WriteRemainderDigit(4, Index, key); }

// The next step of the division: the digit to bring down, or Fin.
void Form2::NextStep()
{
    CommandButton *arrow = nullptr;
    for (CommandButton *a : Command12)
        if (a->Visible() && a->isEnabled())
            arrow = a;
    focusFirst({arrow, Command9});
}

// A click or a key on a quotient cell.
void Form2::WriteQuotientDigit(int Index, DigitKey key)
{
    enterKey(Command11[Index], key, Empty);
    // The next quotient cell appears only as far as the quotient reaches.
    if (Index < Text1.UBound() && Text1[Index + 1]->Text() != Empty)
        Command11[Index + 1]->show();
    if (CurrentQuotientIndex != Index)
        QuotientIndexMoved = true;
    CurrentQuotientIndex = Index;
    Sound::play("/sonidos/pulsa.wav");
    // A quotient digit written, on to the remainder it leaves, from its units.
    if (key.kind == DigitKey::Digit) {
        if (Index + 1 <= 4 && RemainderRow(Index + 1)[FirstGroupDigits - 1]->Visible())
            RemainderRow(Index + 1)[FirstGroupDigits - 1]->setFocus();
        else
            NextStep();
    }
}

void Form2::Command11_Click(int Index) { WriteQuotientDigit(Index, {DigitKey::Up}); }

void Form2::Command11_KeyPress(int Index, DigitKey key) { WriteQuotientDigit(Index, key); }

// Arrow Index brings dividend digit Index + 1 down beside the remainder just written.
void Form2::Command12_Click(int Index)
{
    ++BringDownCount;
    StepWrong = false;
    const int row = BringDownCount;
    if (row <= 3) {
        CommandButton *brought = RemainderCell(row, Index + 1);
        brought->show();
        brought->setBackColor(LightCyan);
        brought->setCaption(Command1[Index + 1]->Caption());
        for (int j = 0; j < FirstGroupDigits; ++j)
            RemainderCell(row + 1, row + j)->show();
        const int wrongBefore = WrongCount;
        CheckRemainderRow(row, Remainder[row]);
        SayStep(Words.remainder + QLatin1Char(' ') + num(row), wrongBefore);
    }
    if (Index + 1 <= DivisorLastIndex + 2)
        Command12[Index + 1]->show();
    if (Index == DivisorLastIndex + 2)
        Command9->show();
    Command12[Index]->setEnabled(false);
    ShowStepScore();
    // On to the next quotient digit.
    focusFirst({Command11[qMin(BringDownCount, Command11.UBound())], Command9});
}

void Form2::Timer1_Timer()
{
    if (CurrentQuotientIndex > 0 && QuotientIndexMoved) {
        StepWrong = false;
        const int wrongBefore = WrongCount;
        CheckQuotientDigit(CurrentQuotientIndex - 1);
        ShowStepScore();
        SayStep(Command11[CurrentQuotientIndex - 1]->spokenName(), wrongBefore);
    }
    QuotientIndexMoved = false;
}

// ---------------------------------------------------------------- checking

// Units digit first; an empty cell counts as 0 and is filled in when right.
void Form2::CheckRemainderRow(int row, int R)
{
    for (int j = FirstGroupDigits - 1; j >= 0; --j, R /= 10) {
        CommandButton *cell = RemainderCell(row, row - 1 + j);
        const int e = R % 10;
        Judge(cell, captionValue(cell->Caption()) == e, num(e));
    }
}

void Form2::CheckQuotientDigit(int k)
{
    QuotientChecked[k] = true;
    Judge(Command11[k], Command11[k]->Caption() == Text1[k]->Text(), Text1[k]->Text());
}

// A right digit turns light cyan; a wrong one flashes, turns red and shows the
// right digit. Either switches on the next light, while there is one.
void Form2::Judge(CommandButton *cell, bool right, const QString &rightDigit)
{
    if (right) {
        judge(cell, true, LightCyan);
        if (cell->Caption() == Empty)
            cell->setCaption(rightDigit);
        ++RightCount;
    } else {
        FlashCell(cell);
        judge(cell, false);
        cell->setCaption(rightDigit);
        ++WrongCount;
        StepWrong = true;
    }
    if (LightIndex <= Shape1.UBound())
        light(Shape1[LightIndex++], right);
}

// One second of colours 10 to 15 of the palette, changing at most three times,
// gently enough for a child who is troubled by flicker. The window goes on
// drawing; the child's clicks and keys wait until the second is over (see dispatch).
void Form2::FlashCell(CommandButton *cell)
{
    Flashing = true;
    int changes = 0;
    Hold(Clock::second(), Clock::second() / FlashChanges, [cell, &changes] {
        if (changes++ >= FlashChanges)
            return;
        cell->setBackColor(vb::paletteColour(static_cast<int>(std::nearbyint(Random::Rnd() * 5 + 10))));
        cell->repaint();
    });
    Flashing = false;
}

void Form2::ShowPercentages()
{
    const int total = qMax(1, RightCount + WrongCount);
    Command10[0]->setCaption(num(RightCount * 100 / total) + QStringLiteral(" % ") + PercentWords[0]);
    Command10[1]->setCaption(num(WrongCount * 100 / total) + QStringLiteral(" % ") + PercentWords[1]);
}

void Form2::ShowStepScore()
{
    ShowPercentages();
    Vorlando1->setFile(AppFolder::resource(StepWrong ? "/gifs/no.gif" : "/gifs/si.gif"));
}

// ---------------------------------------------------------------- finishing

void Form2::Command9_Click()
{
    if (FirstGroupLong)
        CheckRemainderRow(3, Remainder[3]);
    else
        CheckRemainderRow(4, Remainder[4]);
    CheckQuotientDigit(CurrentQuotientIndex);
    // Every quotient digit that no check has seen is checked now, left to right:
    // an unwritten one is wrong.
    for (int k = 0; k <= Text1.UBound() && Text1[k]->Text() != Empty; ++k)
        if (!QuotientChecked[k]) {
            Command11[k]->show();
            CheckQuotientDigit(k);
        }
    Command9->hide();
    Command3->setEnabled(true);
    Command4->setEnabled(true);
    Command3->setFocus();
    ShowPercentages();

    const bool faultless = WrongCount == 0;
    const QString &verdict = VerdictWords[faultless ? 0 : 1];
    Sound::play(faultless ? "/sonidos/acierto.wav" : "/sonidos/fallo.wav");
    Vorlando1->setFile(AppFolder::resource(faultless ? "/gifs/si.gif" : "/gifs/no.gif"));
    if (faultless)
        Command10[2]->setCaption(num(++DivisionsRight) + QLatin1Char(' ') + VerdictWords[0]);
    else
        Command10[3]->setCaption(num(++DivisionsWrong) + QLatin1Char(' ') + VerdictWords[1]);
    addResultsLine(ExerciseKind::WrittenDivision, faultless,
                   QStringLiteral("DIVISIÓN ") + num(Dividend) + QStringLiteral(" : ") + num(Divisor) + QStringLiteral(" = ") +
                       num(Dividend / Divisor) + QStringLiteral(" + RESTO - ") + num(Dividend % Divisor) +
                       verdictTail(verdict));
    announce(verdictSaid(verdict, faultless) + QLatin1Char(' ') + Command10[0]->Caption());
}

// Says whether the step just checked was right.
void Form2::SayStep(const QString &what, int wrongBefore)
{
    announce(what + QStringLiteral(": ") + (WrongCount > wrongBefore ? Words.wrong : Words.right));
}

// ---------------------------------------------------------------- names for a screen reader

void Form2::NameControls()
{
    setAccessibleName(Words.window);
    setVerdictWords(Words.right, Words.wrong);
    // "Dividendo, cifra 2": a number's digit, counted from the left.
    auto digit = [this](const QString &number, int j) { return number + QStringLiteral(", ") + Words.digit + QLatin1Char(' ') + num(j + 1); };
    for (int j = 0; j <= Command1.UBound(); ++j)
        Command1[j]->setSpokenName(digit(Words.dividend, j) + QStringLiteral(": %1"));
    for (int j = 0; j <= Command2.UBound(); ++j)
        Command2[j]->setSpokenName(digit(Words.divisor, j) + QStringLiteral(": %1"));
    for (int row = 1; row <= 4; ++row)
        for (int j = 0; j <= RemainderRow(row).UBound(); ++j)
            RemainderRow(row)[j]->setSpokenName(digit(Words.remainder + QLatin1Char(' ') + num(row), j));
    for (int k = 0; k <= Command11.UBound(); ++k)
        Command11[k]->setSpokenName(digit(Words.quotient, k));
    for (int j = 0; j <= Command12.UBound(); ++j)
        Command12[j]->setSpokenName(Words.bringDown + QLatin1Char(' ') + num(j + 2));
    for (int i = 0; i <= Shape1.UBound(); ++i)
        Shape1[i]->setAccessibleName(Words.light + QLatin1Char(' ') + num(i + 1));
    for (int i = 0; i <= Command10.UBound(); ++i)
        Command10[i]->setSpokenName(Words.scores[i]);
    Vorlando1->setAccessibleName(Words.animation);
    Line1->setAccessibleName(Words.bracket);
    Line2->setAccessibleName(Words.bracket);
}

void Form2::Command13_Click(int Index) { SecondaryWindowCommand(*this, Index); }
