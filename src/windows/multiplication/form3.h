// The written-multiplication window.
#pragma once

#include "app/language.h"
#include "exercises/longmultiplication.h"
#include "windows/common/exercisewindow.h"

#include <array>

class Form3 : public ExerciseWindow
{
    Q_OBJECT
public:
    Form3();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command3_Click(int Index);
    void Command4_Click(int Index);
    void Command5_Click(int Index);
    void Command6_Click(int Index);
    void Command7_Click(int Index);
    void Command8_Click(int Index);
    void Command9_Click(int Index);
    void Command4_KeyPress(int Index, DigitKey key);
    void Command5_KeyPress(int Index, DigitKey key);
    void Command6_KeyPress(int Index, DigitKey key);
    void Command9_KeyPress(int Index, DigitKey key);
    void Command4_Enter(int Index);
    void Command5_Enter(int Index);
    void Command6_Enter(int Index);

    // The working grid: column k (0 = units, up to 6) has its cells at this Left.
    static constexpr int ColumnStep = 720;
    static constexpr int ColumnLeft(int k) { return 5640 - ColumnStep * k; }

    // Shows this multiplication as a draw would: its digits, its rows and columns.
    void ShowMultiplication(const LongMultiplication &m);

    using Row = LongMultiplication::Row;
    using MultiplierSize = LongMultiplication::MultiplierSize;
    // The cell of a working row that stands in column k (row 2 starts one column left of units).
    CommandButton *WorkingCell(Row row, int column) const;
    // The cells of a working row, index 0 first, and the column of its cell 0.
    const ControlArray<CommandButton> &Cells(Row row) const;
    static int FirstColumn(Row row) { return LongMultiplication::FirstColumn(row); }

    // Controls, and the role each plays.
    ControlArray<CommandButton> Command1; // multiplicand digits; cell i stands in column i (read only)
    ControlArray<CommandButton> Command2; // multiplier digits; cell i stands in column i (read only)
    ControlArray<CommandButton> Command3; // new exercise: 0 next multiplicand size, 1 one or two multiplier digits
    ControlArray<CommandButton> Command4; // row 1, multiplicand × units digit; cell i stands in column i
    ControlArray<CommandButton> Command5; // row 2, multiplicand × tens digit; cell i stands in column i + 1
    ControlArray<CommandButton> Command6; // result row; cell i stands in column i
    ControlArray<CommandButton> Command7; // check buttons of row 1, row 2 and the result row
    ControlArray<CommandButton> Command8; // window commands: 0 back, 1 results, 2 background
    ControlArray<CommandButton> Command9; // carry boxes; box j stands above multiplicand column j + 1
    Line *Line1;                          // rule under the multiplier; its left end follows row 1
    Line *Line2, *Line3;                  // the multiplication sign
    Line *Line4;                          // rule above the result row; its left end follows the result row
    Vorlando *Vorlando1;                  // right or wrong animation after a check

    // State: the multiplication on screen, and the carry boxes, the child's own notes.
    LongMultiplication Current;
    std::array<DigitCell, 4> Carries;
    QString MultiplicationTitle;
    std::array<QString, 2> VerdictTexts;

    // What a screen reader calls the window's parts; lines 7 on of the language file.
    struct Words {
        QString first = "Primer número", second = "Segundo número", carry = "Me llevo";
        std::array<QString, 3> rows{"Fila 1", "Fila 2", "Resultado"};
        std::array<QString, 3> checks{"Comprobar la fila 1", "Comprobar la fila 2", "Comprobar el resultado"};
        std::array<QString, 2> sizes{"Otra multiplicación, con otro número de cifras arriba",
                                     "Otra multiplicación, con una o dos cifras abajo"};
        std::array<QString, 7> places{"unidades",           "decenas",           "centenas",          "unidades de millar",
                                      "decenas de millar", "centenas de millar", "unidades de millón"};
        QString animation = "Señal de la comprobación", times = "Signo por", rule = "Raya";
        QString right = "bien", wrong = "mal", window = "Multiplicación larga";
    } Words;

private:
    static FormLayout design();
    std::vector<Language::Line> texts();
    void ShowRows();
    void WriteDigit(Row row, int Index, DigitKey key);
    void CheckOnEnter(Row row);
    void NameControls();
};
