#include "windows/division/form2.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/common/commands.h"
#include "windows/forms.h"

FormLayout Form2::design()
{
    const FontStyle big{"Arial", 27.75, true};
    const FontStyle arial18{"Arial", 18, true};
    FormLayout f;
    f.left = 120, f.top = 15, f.width = 9360, f.height = 7275;
    f.backColour = 0x80FFFF;
    f.controls = table({
        {{"Command13", 0, Kind::Button, "SALIR", 120, 6360, 2655, 735, vb::Green, arial18},
         {"Command13", 1, Kind::Button, "RESULTADOS", 2880, 6360, 3735, 735, 0xFF00FF, arial18},
         {"Command13", 2, Kind::Button, "FONDOS", 6720, 6360, 2535, 735, 0x00FFFF, arial18},
         {"Vorlando1", -1, Kind::Vorlando, "", 600, 720, 975, 975},
         {"Command10", 0, Kind::Button, "", 5760, 3600, 3375, 615, vb::Green, {"Arial", 14.25, true}},
         {"Command10", 1, Kind::Button, "", 5760, 4320, 3375, 615, vb::Red, {"Arial", 14.25, true}},
         {"Command10", 2, Kind::Button, "", 5760, 5040, 1695, 615, vb::Green, {"Arial", 14.25, true}},
         {"Command10", 3, Kind::Button, "", 7560, 5040, 1575, 615, vb::Red, {"Arial", 14.25, true}},
         {"Command9", -1, Kind::Button, "Fin", 3600, 4920, 1335, 735, 0xFF8080, arial18},
         {"Timer1", -1, Kind::Timer, "", 500}},
        elements({"Command12", 0, Kind::Button, "v", 0, 0, 0, 0, 0xFFC0C0, {}, true},
                 {{2280, 240, 375, 375}, {2880, 240, 375, 375}, {3480, 240, 375, 375}, {4080, 240, 375, 375},
                  {4680, 240, 375, 375}}),
        elements({"Command11", 0, Kind::Button, "-", 0, 0, 0, 0, vb::White, big, true},
                 {{5880, 1920, 615, 735}, {6480, 1920, 615, 735}, {7080, 1920, 615, 735}, {7680, 1920, 615, 735}}),
        elements({"Command8", 0, Kind::Button, "-", 0, 0, 0, 0, vb::White, big, true},
                 {{3360, 4080, 615, 735}, {3960, 4080, 615, 735}, {4560, 4080, 615, 735}}),
        elements({"Command7", 0, Kind::Button, "-", 0, 0, 0, 0, vb::White, big, true},
                 {{2760, 3360, 615, 735}, {3360, 3360, 615, 735}, {3960, 3360, 615, 735}, {4560, 3360, 615, 735}}),
        elements({"Command6", 0, Kind::Button, "-", 0, 0, 0, 0, vb::White, big, true},
                 {{2160, 2640, 615, 735}, {2760, 2640, 615, 735}, {3360, 2640, 615, 735}, {3960, 2640, 615, 735},
                  {4560, 2640, 615, 735}}),
        elements({"Command5", 0, Kind::Button, "-", 0, 0, 0, 0, vb::White, big, true},
                 {{1560, 1920, 615, 735}, {2160, 1920, 615, 735}, {2760, 1920, 615, 735}, {3360, 1920, 615, 735},
                  {3960, 1920, 615, 735}, {4560, 1920, 615, 735}}),
        elements({"Text2", 0, Kind::TextBox, "-", 0, 0, 0, 0, {}, {"MS Sans Serif", 18, true}, true},
                 {{240, 4440, 975, 735}, {960, 4680, 975, 735}, {3960, 5160, 975, 735}, {5040, 5160, 975, 735},
                  {6120, 5160, 975, 735}, {7080, 5160, 975, 735}}),
        {{"Command4", -1, Kind::Button, "NIVEL", 7920, 720, 1215, 735, 0xFFC0FF, {"Arial", 12, true}},
         {"Command3", -1, Kind::Button, "Empezar", 5760, 2880, 3375, 615, 0x80FFFF, arial18},
         {"Command1", 0, Kind::Button, "1", 1560, 720, 615, 735, vb::Green, big},
         {"Command1", 1, Kind::Button, "1", 2160, 720, 615, 735, vb::Green, big},
         {"Command1", 2, Kind::Button, "3", 2760, 720, 615, 735, vb::Green, big},
         {"Command1", 3, Kind::Button, "8", 3360, 720, 615, 735, vb::Green, big},
         {"Command1", 4, Kind::Button, "4", 3960, 720, 615, 735, vb::Green, big},
         {"Command1", 5, Kind::Button, "7", 4560, 720, 615, 735, vb::Green, big}},
        elements({"Text1", 0, Kind::TextBox, "-", 0, 0, 0, 0, {}, {"MS Sans Serif", 13.5, true}, true},
                 {{4440, 5160, 615, 735}, {5280, 5160, 615, 735}, {6120, 5160, 615, 735}, {6960, 5160, 615, 735}}),
        {{"Command2", 0, Kind::Button, "6", 5880, 720, 615, 735, 0xFF00FF, big},
         {"Command2", 1, Kind::Button, "9", 6480, 720, 615, 735, 0xFF00FF, big},
         {"Command2", 2, Kind::Button, "4", 7080, 720, 615, 735, 0xFF00FF, big},
         {"Label1", -1, Kind::Label, "Label1", 5760, 120, 1935, 495}},
        elements({"Shape1", 0, Kind::Shape, ""},
                 {{1200, 5760, 495, 495}, {1680, 5760, 495, 495}, {2160, 5760, 495, 495}, {2640, 5760, 495, 495},
                  {3120, 5760, 495, 495}, {3600, 5760, 495, 495}, {4080, 5760, 495, 495}, {4560, 5760, 495, 495},
                  {5040, 5760, 495, 495}, {5520, 5760, 495, 495}, {6000, 5760, 495, 495}, {6480, 5760, 495, 495},
                  {6960, 5760, 495, 495}, {7440, 5760, 495, 495}, {7920, 5760, 495, 495}, {8400, 5760, 495, 495}}),
        {{"Line2", -1, Kind::Line, "", 5640, 1680, 8880, 1680, {}, {}, false, "", "", 3},
         {"Line1", -1, Kind::Line, "", 5640, 720, 5640, 2520, {}, {}, false, "", "", 3}},
    });
    return f;
}

Form2::Form2() : Form(design())
{
    for (auto [name, arr] : {std::pair{"Command1", &Command1}, {"Command2", &Command2}, {"Command5", &Command5},
                             {"Command6", &Command6}, {"Command7", &Command7}, {"Command8", &Command8},
                             {"Command10", &Command10}, {"Command11", &Command11}, {"Command12", &Command12},
                             {"Command13", &Command13}})
        *arr = array<CommandButton>(QString::fromLatin1(name));
    Command3 = control<CommandButton>("Command3");
    Command4 = control<CommandButton>("Command4");
    Command9 = control<CommandButton>("Command9");
    Text1 = array<TextBox>("Text1");
    Text2 = array<TextBox>("Text2");
    Shape1 = array<Shape>("Shape1");
    Label1 = control<Label>("Label1");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Vorlando1 = control<Vorlando>("Vorlando1");
    Timer1 = control<Timer>("Timer1");
    Command13.onClick(this, [this](int i) { Command13_Click(i); });
}

void Form2::Form_Load()
{
    CoverMainWindow(*this);
    Random::Randomize();
    for (CommandButton *b : {Command9, Command2[1], Command2[2], Command1[4], Command1[5]})
        b->hide();
    Language::apply(Language::read("/idioma/", "formulariodivision.txt", 10),
                    {[this](const QString &s) { Command13[0]->setCaption(s); },
                     [this](const QString &s) { Command13[1]->setCaption(s); },
                     [this](const QString &s) { Command13[2]->setCaption(s); },
                     [this](const QString &s) { Command4->setCaption(s); },
                     [this](const QString &s) { Command3->setCaption(s); },
                     [this](const QString &s) { Command9->setCaption(s); },
                     [this](const QString &s) { PercentWords[0] = s; },
                     [this](const QString &s) { PercentWords[1] = s; },
                     [this](const QString &s) { VerdictWords[0] = s; },
                     [this](const QString &s) { VerdictWords[1] = s; }});
}

void Form2::Command13_Click(int Index) { SecondaryWindowCommand(*this, Index); }
