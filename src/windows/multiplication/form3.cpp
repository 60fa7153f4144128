#include "windows/multiplication/form3.h"

#include "app/random.h"
#include "app/sound.h"
#include "exercises/numbers.h"
#include "windows/common/commands.h"
#include "windows/common/rules.h"

Form3::Form3() : ExerciseWindow(design())
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
    onEnter(Command4, &Form3::Command4_Enter);
    onEnter(Command5, &Form3::Command5_Enter);
    onEnter(Command6, &Form3::Command6_Enter);
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
    Current = LongMultiplication::Draw(4, MultiplierSize::TwoDigits);
    CoverMainWindow(*this);
    Language::load("/idioma/", "formulariomulti.txt", texts());
    NameControls();
    ShowMultiplication(Current);
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

// ---------------------------------------------------------------- showing the multiplication

void Form3::ShowMultiplication(const LongMultiplication &m)
{
    Current = m;
    const int last = m.MultiplicandLastIndex;
    for (auto [i, digit] : Command1.items()) {
        digit->setVisible(i <= last);
        if (i <= last)
            digit->setCaption(num(m.MultiplicandDigits[i]));
    }
    for (auto [i, digit] : Command2.items())
        digit->setCaption(num(m.MultiplierDigits[i]));
    Command2[1]->setVisible(!m.OneDigit());
    for (int k : {1, 2})
        Command7[k]->setVisible(!m.OneDigit());
    Line4->setVisible(!m.OneDigit());
    Command3[0]->setEnabled(!m.OneDigit());
    Line1->setX1(Command4[m.CellCount(Row::First) - 1]->Left());
    Line4->setX1(Command6[m.CellCount(Row::Result) - 1]->Left());
    // A carry box stands over every multiplicand digit but the units.
    for (auto [j, carry] : Command9.items()) {
        carry->setVisible(j + 1 <= last);
        carry->setCaption(Carries[j].caption());
    }
    ShowRows();
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (CommandButton *cell : Cells(row))
            cell->setSpokenDescription(m.Statement());
}

// Every cell of the three rows, as the model has it.
void Form3::ShowRows()
{
    for (Row row : {Row::First, Row::Second, Row::Result})
        for (auto [i, cell] : Cells(row).items()) {
            const DigitCell &model = Current.Cell(row, i + FirstColumn(row));
            cell->setVisible(model.inUse);
            showCell(cell, model);
        }
}

// Both size buttons start a new exercise.
void Form3::Command3_Click(int Index)
{
    for (CommandButton *check : Command7)
        check->setEnabled(true);
    int last = Current.MultiplicandLastIndex;
    MultiplierSize mode = Current.Mode;
    if (Index == 0)
        last = last == 4 ? 1 : last + 1;
    else
        mode = mode == MultiplierSize::TwoDigits ? MultiplierSize::OneDigit : MultiplierSize::TwoDigits;
    ShowMultiplication(LongMultiplication::Draw(last, mode));
    Vorlando1->setFile(QString());
    Sound::play("/sonidos/operacion.wav");
    Command4[0]->setFocus();
    announce(Current.Statement());
}

// ---------------------------------------------------------------- writing digits

// A click or a key on a cell of a working row.
void Form3::WriteDigit(Row row, int Index, DigitKey key)
{
    Sound::play("/sonidos/pulsa.wav");
    Current.Enter(row, Index + FirstColumn(row), key);
    showCell(Cells(row)[Index], Current.Cell(row, Index + FirstColumn(row)));
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

// Enter on a cell of a row presses that row's check.
void Form3::CheckOnEnter(Row row)
{
    CommandButton *check = Command7[int(row)];
    if (check->isVisible() && check->isEnabled())
        check->click();
}

void Form3::Command4_Enter(int) { CheckOnEnter(Row::First); }
void Form3::Command5_Enter(int) { CheckOnEnter(Row::Second); }
void Form3::Command6_Enter(int) { CheckOnEnter(Row::Result); }

// A carry box is the child's own note: silent, never judged.
void Form3::Command9_Click(int Index) { Command9_KeyPress(Index, {DigitKey::Up}); }
void Form3::Command9_KeyPress(int Index, DigitKey key)
{
    Carries[Index].enter(key);
    Command9[Index]->setCaption(Carries[Index].caption());
}

// ---------------------------------------------------------------- checking

void Form3::Command7_Click(int Index)
{
    const Row checked = Row(Index);
    const bool final = Current.Final(checked);
    // A final check of work the last one judged, unchanged, counts once.
    const bool again = final && Current.AsLastFinalCheck();
    const bool wrong = Current.Check(checked);
    if (final)
        Command7[Index]->setEnabled(wrong); // a right final check is done; a wrong one may be repeated
    ShowRows();
    for (auto [j, carry] : Command9.items()) {
        Carries[j].clear();
        carry->setCaption(QString());
    }
    const QString &verdict = VerdictTexts[wrong ? 1 : 0];
    std::optional<Attempt> done;
    if (final)
        done = Attempt::Of(Current);
    // Said aloud: the row checked, or the verdict on the whole; then on to what comes next.
    Conclude({.right = !wrong,
              .animation = Vorlando1,
              .gif = wrong ? "/gifs/fallo.gif" : "/gifs/acierto.gif",
              .said = final && !verdict.isEmpty() ? verdict : Words.rows[Index] + QStringLiteral(": ") + (wrong ? Words.wrong : Words.right),
              .again = again,
              .done = done});
    if (final)
        focusFirst({Command7[Index], Command3[0], Command3[1]});
    else
        focusFirst({Cells(Row(Index + 1))[0], Command7[Index]});
}

// ---------------------------------------------------------------- names for a screen reader

void Form3::NameControls()
{
    setAccessibleName(Words.window);
    setWindowTitle(Words.window);
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
