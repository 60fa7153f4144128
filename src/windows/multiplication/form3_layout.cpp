// The written-multiplication window as laid out at design time. Row order is
// stacking order: the first row lies on top.
#include "windows/multiplication/form3.h"

FormLayout Form3::design()
{
    const FontStyle arial24{"Arial", 24, true};
    const FontStyle arial18{"Arial", 18, true};
    const ControlLayout cell{.colour = vb::White, .font = arial24, .use = CommandButton::Use::Digit};
    // Cells i = 0, 1, … of a row whose cell 0 stands in column `first`, at this top.
    auto row = [&](const char *name, int first, int top, int count, const char *caption = "",
                   CommandButton::Use use = CommandButton::Use::Digit) {
        ControlLayout s = cell;
        s.name = name;
        s.caption = caption;
        s.use = use;
        return cellRow(s, {ColumnLeft(first), top, 735, 735}, -ColumnStep, count);
    };
    return {
        .rect = {15, -90, 9345, 7200},
        .controls = table({
            // Carry digits over half the box's height.
            cellRow({.name = "Command9", .caption = "0", .colour = 0xFFFFC0, .font = {"Arial", 14, true}, .use = CommandButton::Use::Digit},
                    {ColumnLeft(1) + 120, 0, 375, 375}, -ColumnStep, 4),
            {{.name = "Command8", .index = 0, .caption = "SALIR", .rect = {120, 6240, 2535, 855}, .colour = vb::Green, .font = arial18},
             {.name = "Command8", .index = 1, .caption = "RESULTADOS", .rect = {2760, 6240, 3615, 855}, .colour = 0xFF00FF,
              .font = arial18},
             {.name = "Command8", .index = 2, .caption = "FONDOS", .rect = {6480, 6240, 2655, 855}, .colour = 0x00FFFF,
              .font = arial18},
             {.name = "Vorlando1", .kind = Kind::Vorlando, .rect = {480, 600, 1695, 1575}}},
            row("Command6", 0, 4800, 7),
            row("Command5", 1, 3600, 6),
            row("Command4", 0, 2640, 6),
            elements({.name = "Command7", .colour = vb::White, .picture = ":/pictures/bird.png"},
                     {{.rect = {7320, 2640, 1215, 735}}, {.rect = {7320, 3600, 1215, 735}}, {.rect = {7320, 4800, 1215, 735}}}),
            elements({.name = "Command3", .colour = vb::White, .font = {"MS Sans Serif", 18, true},
                      .picture = ":/pictures/arrow_left.png"},
                     {{.rect = {7800, 480, 735, 735}}, {.rect = {7800, 1440, 735, 735}}}),
            row("Command2", 0, 1440, 2, "5", CommandButton::Use::Display),
            row("Command1", 0, 480, 5, "2", CommandButton::Use::Display),
            {line("Line4", {960, 4560}, {6600, 4560}, 5), line("Line3", {4080, 2160}, {4680, 1560}, 5),
             line("Line2", {4080, 1560}, {4680, 2160}, 5), line("Line1", {1920, 2400}, {6600, 2400}, 5)},
        }),
    };
}

// formulariomulti.txt, line by line.
std::vector<Language::Line> Form3::texts()
{
    using Language::caption, Language::into;
    return {
        {1, caption(Command8[0])}, // back
        {2, caption(Command8[1])}, // results
        {3, caption(Command8[2])}, // backgrounds
        {4, into(MultiplicationTitle)},
        {5, into(VerdictTexts[0])}, // right
        {6, into(VerdictTexts[1])}, // wrong
        // What a screen reader says.
        {7, into(Words.first)}, {8, into(Words.second)}, {9, into(Words.carry)},
        {10, into(Words.rows[0])}, {11, into(Words.rows[1])}, {12, into(Words.rows[2])},
        {13, into(Words.checks[0])}, {14, into(Words.checks[1])}, {15, into(Words.checks[2])},
        {16, into(Words.sizes[0])}, {17, into(Words.sizes[1])},
        {18, into(Words.places[0])}, {19, into(Words.places[1])}, {20, into(Words.places[2])}, {21, into(Words.places[3])},
        {22, into(Words.places[4])}, {23, into(Words.places[5])}, {24, into(Words.places[6])},
        {25, into(Words.animation)}, {26, into(Words.times)}, {27, into(Words.rule)},
        {28, into(Words.right)}, {29, into(Words.wrong)}, {30, into(Words.window)},
    };
}
