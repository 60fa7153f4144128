#include "windows/division/form2.h"

#include "app/appfolder.h"
#include "app/clock.h"
#include "app/random.h"
#include "app/sound.h"
#include "exercises/numbers.h"
#include "windows/common/commands.h"
#include "windows/common/rules.h"

#include <cmath>

namespace {

constexpr vb::Colour LightCyan = 0xFFFF80; // a digit brought down or judged right
const QString Empty = QStringLiteral("-");  // what an empty cell shows

} // namespace

Form2::Form2() : ExerciseWindow(design())
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
    onEnter(Command5, &Form2::Command5_Enter);
    onEnter(Command6, &Form2::Command6_Enter);
    onEnter(Command7, &Form2::Command7_Enter);
    onEnter(Command8, &Form2::Command8_Enter);
    onEnter(Command11, &Form2::Command11_Enter);
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
    DivisionsRight = DivisionsWrong = 0;
    Division = LongDivision::Draw(0);
    Language::load("/idioma/", "formulariodivision.txt", texts());
    NameControls();
    ShowDivision(Division);
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

// A cell of the model on screen: row 0 the quotient, rows 1..4 the remainders.
CommandButton *Form2::Cell(int row, int column) const { return row == 0 ? Command11[column] : RemainderCell(row, column); }

// ---------------------------------------------------------------- showing the division

void Form2::ShowDivision(const LongDivision &division)
{
    Division = division;
    ShowLevel();
    for (int i = 0; i < int(Division.DividendDigits.size()); ++i)
        Command1[i]->setCaption(num(Division.DividendDigits[i]));
    for (int i = 0; i < int(Division.DivisorDigits.size()); ++i)
        Command2[i]->setCaption(num(Division.DivisorDigits[i]));
    Label1->setCaption(Division.Statement());
    for (const auto *cells : {&Command5, &Command6, &Command7, &Command8, &Command11})
        for (CommandButton *cell : *cells)
            cell->setSpokenDescription(Label1->Caption());
    ShowCells();
    ShowProgress();
}

// The digits the level shows: the divisor's, and three more in the dividend.
void Form2::ShowLevel()
{
    for (int i = 1; i <= Command2.UBound(); ++i)
        Command2[i]->setVisible(i < int(Division.DivisorDigits.size()));
    for (int i = 4; i <= Command1.UBound(); ++i)
        Command1[i]->setVisible(i < int(Division.DividendDigits.size()));
}

// Every cell in use and the lights, as the model has them; the cells just
// judged keep their look until Present shows them one by one.
void Form2::ShowCells(const std::vector<LongDivision::Judged> &judged)
{
    auto pending = [&](int row, int column) {
        return std::any_of(judged.begin(), judged.end(), [&](const auto &j) { return j.row == row && j.column == column; });
    };
    for (int row = 0; row <= LongDivision::Rows; ++row) {
        const int first = row == 0 ? 0 : row - 1;
        const int count = row == 0 ? Command11.count() : RemainderRow(row).count();
        for (int column = first; column < first + count; ++column) {
            Cell(row, column)->setVisible(Division.Cell(row, column).inUse);
            if (!pending(row, column))
                ShowDigit(row, column);
        }
    }
    const int lit = int(Division.Judgements().size() - judged.size());
    for (int i = 0; i <= Shape1.UBound(); ++i) {
        if (i < lit)
            light(Shape1[i], Division.Judgements()[i]);
        else
            Shape1[i]->hide();
    }
}

// One cell of the model on its button; a digit brought down stays light cyan.
void Form2::ShowDigit(int row, int column)
{
    CommandButton *cell = Cell(row, column);
    showCell(cell, Division.Cell(row, column), Empty, LightCyan);
    if (row > 0 && Division.BroughtDown(row, column))
        cell->setBackColor(LightCyan);
}

// The arrows brought down stay, disabled; the next one waits; Fin once the last digit is down.
void Form2::ShowProgress()
{
    const int first = Division.FirstGroupDigits - 1;
    const int last = first + Division.BringDownsNeeded() - 1;
    for (auto [a, arrow] : Command12.items()) {
        arrow->setVisible(Division.Started() && a >= first && a <= std::min(last, first + Division.BringDowns()));
        arrow->setEnabled(a >= first + Division.BringDowns());
    }
    Command9->setVisible(Division.FinReady());
}

// The cells just judged, one after the other: a wrong one flashes first; each lights the next light.
void Form2::Present(const std::vector<LongDivision::Judged> &judged)
{
    ShowCells(judged);
    int next = int(Division.Judgements().size() - judged.size());
    for (const LongDivision::Judged &j : judged) {
        if (!j.right)
            FlashCell(Cell(j.row, j.column));
        ShowDigit(j.row, j.column);
        if (next <= Shape1.UBound())
            light(Shape1[next], j.right);
        ++next;
    }
}

// ---------------------------------------------------------------- level and starting

void Form2::Command4_Click() { ShowDivision(LongDivision::Draw(Division.Level == 2 ? 0 : Division.Level + 1)); }

void Form2::Command3_Click()
{
    Command3->setEnabled(false);
    Command4->setEnabled(false);
    // A division already worked gives way to a new one of the same level.
    if (Division.Started())
        ShowDivision(LongDivision::Draw(Division.Level));
    Division.Start();
    ShowCells();
    ShowProgress();
    Command11[0]->setFocus();
    announce(Label1->Caption());

    // Tab follows the method: a quotient digit, the remainder it leaves (from its
    // units), the arrow that brings the next digit down; then Fin and the commands.
    std::vector<QWidget *> order;
    for (int row = 1; row <= 4; ++row) {
        order.push_back(Command11[row - 1]);
        for (int j = RemainderRow(row).UBound(); j >= 0; --j)
            order.push_back(RemainderRow(row)[j]);
        if (Division.FirstGroupDigits + row - 2 <= Command12.UBound())
            order.push_back(Command12[Division.FirstGroupDigits + row - 2]);
    }
    order.insert(order.end(), {Command9, Command3, Command4});
    order.insert(order.end(), Command13.begin(), Command13.end());
    setFocusOrder(order);
}

// ---------------------------------------------------------------- writing digits

// A click or a key on a remainder cell of row 1..4; a digit judged stays as it is.
void Form2::WriteRemainderDigit(int row, int Index, DigitKey key)
{
    const int column = Index + row - 1;
    if (!Division.EnterRemainder(row, column, key))
        return;
    Sound::play("/sonidos/pulsa.wav");
    ShowDigit(row, column);
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

// Enter on a remainder cell does what comes next: its row's arrow brings the
// next digit down, or, on the last row, Fin; on a quotient cell, Fin.
void Form2::NextOnEnter(int row)
{
    const std::optional<int> arrow = Division.NextArrow();
    if (arrow && row == Division.BringDowns() + 1)
        Command12[*arrow]->click();
    else if (Command9->isVisible() && (row == 0 || row == Division.LastRow()))
        Command9->click();
}

void Form2::Command5_Enter(int) { NextOnEnter(1); }
void Form2::Command6_Enter(int) { NextOnEnter(2); }
void Form2::Command7_Enter(int) { NextOnEnter(3); }
void Form2::Command8_Enter(int) { NextOnEnter(4); }
void Form2::Command11_Enter(int) { NextOnEnter(0); }

// The next step of the division: the digit to bring down, or Fin.
void Form2::NextStep()
{
    const std::optional<int> arrow = Division.NextArrow();
    focusFirst({arrow ? Command12[*arrow] : nullptr, Command9});
}

// A click or a key on a quotient cell; a digit judged stays as it is.
void Form2::WriteQuotientDigit(int Index, DigitKey key)
{
    if (!Division.EnterQuotient(Index, key))
        return;
    ShowDigit(0, Index);
    // The next quotient cell appears only as far as the quotient reaches.
    if (Index < Command11.UBound())
        Command11[Index + 1]->setVisible(Division.QuotientCell(Index + 1).inUse);
    Sound::play("/sonidos/pulsa.wav");
    // A quotient digit written, on to the remainder it leaves, from its units.
    if (key.kind == DigitKey::Digit) {
        const int row = Index + 1, units = Division.FirstGroupDigits + Index - 1;
        if (row <= LongDivision::Rows && Division.RemainderCell(row, units).inUse)
            RemainderCell(row, units)->setFocus();
        else
            NextStep();
    }
}

void Form2::Command11_Click(int Index) { WriteQuotientDigit(Index, {DigitKey::Up}); }

void Form2::Command11_KeyPress(int Index, DigitKey key) { WriteQuotientDigit(Index, key); }

// The arrow brings the next dividend digit down beside the remainder just written,
// and that remainder is judged.
void Form2::Command12_Click(int)
{
    if (!Division.NextArrow())
        return;
    const std::vector<LongDivision::Judged> judged = Division.BringDown();
    Present(judged);
    const bool wrong = std::any_of(judged.begin(), judged.end(), [](const auto &j) { return !j.right; });
    SayStep(Words.remainder + QLatin1Char(' ') + num(Division.BringDowns()), wrong);
    ShowProgress();
    ShowStepScore(wrong);
    // On to the next quotient digit.
    focusFirst({Command11[qMin(Division.BringDowns(), Command11.UBound())], Command9});
}

void Form2::Timer1_Timer()
{
    const std::vector<LongDivision::Judged> judged = Division.Tick();
    if (judged.empty())
        return;
    Present(judged);
    ShowStepScore(!judged.front().right);
    SayStep(Command11[judged.front().column]->spokenName(), !judged.front().right);
}

// ---------------------------------------------------------------- checking

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
    Command10[0]->setCaption(num(Division.PercentRight()) + QStringLiteral(" % ") + PercentWords[0]);
    Command10[1]->setCaption(num(Division.PercentWrong()) + QStringLiteral(" % ") + PercentWords[1]);
}

void Form2::ShowStepScore(bool wrong)
{
    ShowPercentages();
    Vorlando1->setFile(AppFolder::resource(wrong ? "/gifs/no.gif" : "/gifs/si.gif"));
}

// ---------------------------------------------------------------- finishing

void Form2::Command9_Click()
{
    if (!Division.FinReady())
        return;
    const std::vector<LongDivision::Judged> judged = Division.Finish();
    Present(judged);
    ShowProgress();
    Command3->setEnabled(true);
    Command4->setEnabled(true);
    Command3->setFocus();
    ShowPercentages();

    // Said aloud, in the order checked: the last row, each quotient digit, then the division.
    for (auto j = judged.begin(); j != judged.end();) {
        auto end = std::find_if(j, judged.end(), [&](const auto &k) { return k.row != j->row || k.row == 0; });
        if (j->row == 0)
            end = j + 1;
        const bool wrong = std::any_of(j, end, [](const auto &k) { return !k.right; });
        SayStep(j->row == 0 ? Command11[j->column]->spokenName() : Words.remainder + QLatin1Char(' ') + num(j->row), wrong);
        j = end;
    }
    const bool faultless = Division.Faultless();
    const QString &verdict = VerdictWords[faultless ? 0 : 1];
    if (faultless)
        Command10[2]->setCaption(num(++DivisionsRight) + QLatin1Char(' ') + VerdictWords[0]);
    else
        Command10[3]->setCaption(num(++DivisionsWrong) + QLatin1Char(' ') + VerdictWords[1]);
    Conclude({.right = faultless,
              .animation = Vorlando1,
              .gif = faultless ? "/gifs/si.gif" : "/gifs/no.gif",
              .said = verdictSaid(verdict, faultless) + QLatin1Char(' ') + Command10[0]->Caption(),
              .done = Attempt::Of(Division)});
}

// Says whether the step just checked was right.
void Form2::SayStep(const QString &what, bool wrong) { announce(what + QStringLiteral(": ") + (wrong ? Words.wrong : Words.right)); }

// ---------------------------------------------------------------- names for a screen reader

void Form2::NameControls()
{
    setAccessibleName(Words.window);
    setWindowTitle(Words.window);
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
