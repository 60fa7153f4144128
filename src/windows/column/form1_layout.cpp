// The column-arithmetic window as laid out at design time. Row order is stacking
// order: the first row lies on top.
#include "windows/column/form1.h"

FormLayout Form1::design()
{
    const FontStyle sans{"MS Sans Serif", 8.25, false};
    const FontStyle arial72{"Arial", 72, false};
    const FontStyle operation{"Arial", 48, true};
    const FontStyle arial18{"Arial", 18, true};
    const ControlLayout tableButton{.name = "Command4", .font = sans};
    auto times = [&](int index, const char *caption, Rect rect) {
        ControlLayout s = tableButton;
        s.index = index, s.caption = caption, s.rect = rect;
        return s;
    };
    return {
        .rect = {15, 15, 9675, 7365},
        .font = {"Arial", 48, false},
        .controls = table({
            {{.name = "Picture1", .kind = Kind::PictureBox, .rect = {0, 0, 1815, 5655}}},
            elements({.name = "Command10", .colour = 0xFFFFC0, .font = arial18, .use = CommandButton::Use::Digit},
                     {{.rect = {4920, 240, 375, 420}}, {.rect = {3480, 240, 375, 420}}}, 1),
            {{.name = "Command9", .index = 1, .caption = "÷**", .rect = {120, 3120, 705, 675}, .font = arial18, .visible = false},
             {.name = "Command1", .index = 0, .caption = "÷", .rect = {120, 960, 735, 735}, .colour = vb::Green, .font = operation,
              .accessibleName = "División"},
             {.name = "Command1", .index = 1, .caption = "+", .rect = {960, 120, 735, 735}, .font = operation, .accessibleName = "Suma"},
             {.name = "Command1", .index = 2, .rect = {120, 120, 735, 735}, .colour = vb::Green,
              .font = {"Arial", 27.75, true}, .picture = ":/pictures/minus.png", .accessibleName = "Resta"},
             {.name = "Command1", .index = 3, .caption = "X", .rect = {960, 960, 735, 735}, .font = {"Arial", 36, true},
              .accessibleName = "Multiplicación"},
             {.name = "Vorlando2", .kind = Kind::Vorlando, .rect = {7560, 2880, 1455, 1455}},
             {.name = "Command8", .index = 0, .caption = "SALIDA", .rect = {7320, 360, 2175, 615}, .colour = vb::Green,
              .font = {"Arial", 15.75, true}},
             {.name = "Command8", .index = 1, .caption = "RESULTADOS", .rect = {7320, 1080, 2175, 615}, .colour = 0xFF00FF,
              .font = {"Arial", 12, true}},
             {.name = "Command8", .index = 2, .caption = "FONDOS", .rect = {7320, 1800, 2175, 615}, .colour = 0x00FFFF,
              .font = {"Arial", 15.75, true}},
             {.name = "File1", .kind = Kind::FileList},
             timer("Timer1", 200),
             {.name = "Vorlando1", .kind = Kind::Vorlando, .rect = {120, 5760, 1215, 1095}}},
            elements({.name = "Command7", .font = sans},
                     {{.rect = {960, 1800, 735, 735}},
                      {.rect = {960, 3120, 735, 735}, .picture = ":/pictures/baby.png"},
                      {.rect = {960, 3960, 735, 735}, .picture = ":/pictures/dino.png"},
                      {.rect = {960, 4800, 735, 735}, .picture = ":/pictures/runner.png"}}),
            {{.name = "Command6", .caption = "X **", .rect = {120, 5160, 735, 375}, .colour = 0xFF00FF, .font = {"Arial", 12, true}},
             times(0, "2", {120, 3120, 375, 375}), times(1, "3", {480, 3120, 375, 375}),
             times(2, "4", {120, 3480, 375, 375}), times(3, "5", {480, 3480, 375, 375}),
             times(4, "6", {120, 3840, 375, 375}), times(5, "7", {480, 3840, 375, 375}),
             times(6, "8", {120, 4200, 375, 375}), times(7, "9", {480, 4200, 375, 375}),
             times(8, "2-9", {120, 4680, 735, 375}),
             {.name = "Command5", .caption = "Comprueba", .rect = {7320, 3480, 2175, 1335}, .colour = vb::White,
              .font = {"Arial", 14.25, true}},
             {.name = "Command2", .caption = "3", .rect = {120, 1800, 735, 735}, .colour = 0xFFFF00, .font = {"Arial", 36, true}}},
            cellRow({.name = "Command3", .caption = "1", .font = {"Arial", 72, true}, .use = CommandButton::Use::Digit},
                    {5880, 3840, 975, 1350}, -1320, 4),
            {line("Line7", {5760, 3600}, {6960, 3600}, 5), line("Line6", {5760, 2160}, {5760, 3600}, 5)},
            elements({.name = "Image2", .kind = Kind::Image, .visible = false},
                     {{.rect = {2040, 120, 960, 960}, .picture = ":/pictures/clock.png"}, {.rect = {2040, 120, 960, 960}, .picture = ":/pictures/clock_off.png"}}),
            elements({.name = "Image1", .kind = Kind::Image, .picture = ":/pictures/arrow_down.png"},
                     {{.rect = {6120, 5280, 600, 600}}, {.rect = {4800, 5280, 600, 600}}, {.rect = {3480, 5280, 600, 600}},
                      {.rect = {2160, 5280, 600, 600}}}),
            {line("Line5", {1920, 3120}, {2640, 2400}, 5), line("Line4", {1920, 2400}, {2640, 3120}, 5),
             line("Line3", {1800, 2760}, {2760, 2760}, 5), line("Line2", {2280, 2280}, {2280, 3240}, 5),
             line("Line1", {1920, 3600}, {6720, 3600}, 5)},
            elements({.name = "Label2", .kind = Kind::Label, .caption = "1", .font = arial72},
                     {{.rect = {6000, 1920, 855, 1455}}, {.rect = {4680, 1920, 855, 1455}}, {.rect = {3240, 1920, 855, 1455}}}),
            elements({.name = "Label1", .kind = Kind::Label, .caption = "1", .font = arial72},
                     {{.rect = {6000, 600, 975, 1455}}, {.rect = {4680, 600, 975, 1455}}, {.rect = {3240, 600, 975, 1455}}}),
        }),
    };
}

// formulario1y2.txt, line by line.
std::vector<Language::Line> Form1::texts()
{
    using Language::caption, Language::into;
    return {
        {1, caption(Command8[0])}, // leave
        {2, caption(Command8[1])}, // results
        {3, caption(Command8[2])}, // backgrounds
        {4, into(CheckCaption)},
        {4, caption(Command5)},
        {5, into(VerdictTexts[0])}, // right
        {6, into(VerdictTexts[1])}, // wrong
        {7, into(OperationNames[int(Op::Addition)])},
        {8, into(OperationNames[int(Op::Subtraction)])},
        {9, into(OperationNames[int(Op::Multiplication)])},
        {10, into(OperationNames[int(Op::Division)])},
        {11, into(ExitQuestion)},
        // What a screen reader says.
        {12, into(Words.result)}, {13, into(Words.carry)}, {14, into(Words.countDown)},
        {15, into(Words.first)}, {16, into(Words.second)}, {17, into(Words.dividend)}, {18, into(Words.divisor)},
        {19, into(Words.places[0])}, {20, into(Words.places[1])}, {21, into(Words.places[2])}, {22, into(Words.places[3])},
        {23, into(Words.digits)}, {24, into(Words.table)}, {25, into(Words.anyTable)},
        {26, into(Words.longMultiplication)}, {27, into(Words.longDivision)},
        {28, into(Words.race)}, {29, into(Words.speeds[0])}, {30, into(Words.speeds[1])}, {31, into(Words.speeds[2])},
        {32, into(Words.runner)}, {33, into(Words.star)}, {34, into(Words.right)}, {35, into(Words.wrong)},
        {36, into(Words.rule)}, {37, into(Words.plus)}, {38, into(Words.times)}, {39, into(Words.bracket)},
        {40, into(Words.cover)}, {41, into(Words.window)},
        {42, into(LeaveAnswers[0])}, {43, into(LeaveAnswers[1])},
    };
}
