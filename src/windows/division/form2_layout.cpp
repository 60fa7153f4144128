// The written-division window as laid out at design time. Row order is stacking
// order: the first row lies on top.
#include "windows/division/form2.h"

namespace {

// The dividend's columns, 0 (leftmost) to 5, are 600 twips apart.
constexpr int ColumnStep = 600;
constexpr int column(int j) { return 1560 + ColumnStep * j; }

} // namespace

FormLayout Form2::design()
{
    const FontStyle big{"Arial", 27.75, true};
    const FontStyle arial18{"Arial", 18, true};
    const FontStyle score{"Arial", 14.25, true};
    const ControlLayout cell{.caption = "-", .colour = vb::White, .font = big, .visible = false, .use = CommandButton::Use::Digit};
    // Remainder row r (1..4): cell j stands in column j + r − 1.
    auto remainderRow = [&](const char *name, int r, int cells) {
        ControlLayout s = cell;
        s.name = name;
        return cellRow(s, {column(r - 1), 1920 + 720 * (r - 1), 615, 735}, ColumnStep, cells);
    };
    ControlLayout quotient = cell;
    quotient.name = "Command11";
    const auto quotientRow = cellRow(quotient, {5880, 1920, 615, 735}, ColumnStep, 4);
    // A row of digit buttons with their design captions, left to right.
    auto digits = [&](const char *name, std::vector<const char *> captions, int left, vb::Colour colour) {
        std::vector<ControlLayout> rows;
        for (int i = 0; i < int(captions.size()); ++i)
            rows.push_back({.name = name, .index = i, .caption = captions[i], .rect = {left + ColumnStep * i, 720, 615, 735},
                            .colour = colour, .font = big, .use = CommandButton::Use::Display});
        return rows;
    };
    return {
        .rect = {120, 15, 9360, 7275},
        .backColour = 0x80FFFF,
        .controls = table({
            {{.name = "Command13", .index = 0, .caption = "SALIR", .rect = {120, 6360, 2655, 735}, .colour = vb::Green, .font = arial18},
             {.name = "Command13", .index = 1, .caption = "RESULTADOS", .rect = {2880, 6360, 3735, 735}, .colour = 0xFF00FF,
              .font = arial18},
             {.name = "Command13", .index = 2, .caption = "FONDOS", .rect = {6720, 6360, 2535, 735}, .colour = 0x00FFFF,
              .font = arial18}},
            {{.name = "Vorlando1", .kind = Kind::Vorlando, .rect = {600, 720, 975, 975}}},
            elements({.name = "Command10", .font = score, .use = CommandButton::Use::Display},
                     {{.rect = {5760, 3600, 3375, 615}, .colour = vb::Green}, {.rect = {5760, 4320, 3375, 615}, .colour = vb::Red},
                      {.rect = {5760, 5040, 1695, 615}, .colour = vb::Green}, {.rect = {7560, 5040, 1575, 615}, .colour = vb::Red}}),
            {{.name = "Command9", .caption = "Fin", .rect = {3600, 4920, 1335, 735}, .colour = 0xFF8080, .font = arial18},
             timer("Timer1", 500)},
            cellRow({.name = "Command12", .colour = 0xFFC0C0, .visible = false, .picture = ":/pictures/bring_down.png"},
                    {column(1) + 120, 240, 375, 375}, ColumnStep, 5),
            quotientRow,
            remainderRow("Command8", 4, 3),
            remainderRow("Command7", 3, 4),
            remainderRow("Command6", 2, 5),
            remainderRow("Command5", 1, 6),
            {{.name = "Command4", .caption = "NIVEL", .rect = {7920, 720, 1215, 735}, .colour = 0xFFC0FF, .font = {"Arial", 12, true}},
             {.name = "Command3", .caption = "Empezar", .rect = {5760, 2880, 3375, 615}, .colour = 0x80FFFF, .font = arial18}},
            digits("Command1", {"1", "1", "3", "8", "4", "7"}, column(0), vb::Green),
            digits("Command2", {"6", "9", "4"}, 5880, 0xFF00FF),
            // The division in words, as large as the widest ("999999 : 999") lets it be.
            {{.name = "Label1", .kind = Kind::Label, .caption = "Label1", .rect = {5760, 120, 1935, 495}, .font = {"Arial", 15, true}}},
            cellRow({.name = "Shape1", .kind = Kind::Shape, .visible = false}, {1200, 5760, 495, 495}, 480, 16),
            {line("Line2", {5640, 1680}, {8880, 1680}, 3), line("Line1", {5640, 720}, {5640, 2520}, 3)},
        }),
    };
}

// formulariodivision.txt, line by line.
std::vector<Language::Line> Form2::texts()
{
    using Language::caption, Language::into;
    return {
        {1, caption(Command13[0])}, // back
        {2, caption(Command13[1])}, // results
        {3, caption(Command13[2])}, // backgrounds
        {4, caption(Command4)},     // level
        {5, caption(Command3)},     // start
        {6, caption(Command9)},     // finish
        {7, into(PercentWords[0])}, // after the percentage right
        {8, into(PercentWords[1])}, // after the percentage wrong
        {9, into(VerdictWords[0])}, // a division without a mistake
        {10, into(VerdictWords[1])}, // a division with a mistake
        // What a screen reader says.
        {11, into(Words.dividend)}, {12, into(Words.divisor)}, {13, into(Words.digit)}, {14, into(Words.quotient)},
        {15, into(Words.remainder)}, {16, into(Words.bringDown)}, {17, into(Words.light)},
        {18, into(Words.scores[0])}, {19, into(Words.scores[1])}, {20, into(Words.scores[2])}, {21, into(Words.scores[3])},
        {22, into(Words.animation)}, {23, into(Words.bracket)}, {24, into(Words.right)}, {25, into(Words.wrong)},
        {26, into(Words.window)},
    };
}
