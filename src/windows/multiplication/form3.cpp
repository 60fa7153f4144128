#include "windows/multiplication/form3.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/common/commands.h"
#include "windows/forms.h"

FormLayout Form3::design()
{
    const FontStyle arial24{"Arial", 24, true};
    const FontStyle arial18{"Arial", 18, true};
    // Column k of the working grid: Left = 5640 − 720·k.
    auto columns = [](int top, int from, int to) {
        std::vector<std::array<int, 4>> r;
        for (int k = from; k <= to; ++k)
            r.push_back({5640 - 720 * k, top, 735, 735});
        return r;
    };
    const ControlLayout cell{"", 0, Kind::Button, "", 0, 0, 0, 0, vb::White, arial24};
    auto named = [](ControlLayout s, const char *name) {
        s.name = QString::fromLatin1(name);
        return s;
    };
    auto stop = [&](const char *name, int index, int top) {
        ControlLayout s{QString::fromLatin1(name), index, Kind::Button, "", 0, top, 735, 735, {}, arial24, true};
        return std::vector<ControlLayout>{s};
    };
    const ControlLayout hiddenText{"", 0, Kind::TextBox, "", 0, 0, 0, 0, {}, {}, true};
    auto text = [&](const char *name, const char *caption, int top, int from, int to) {
        ControlLayout s = named(hiddenText, name);
        s.caption = QString::fromLatin1(caption);
        return elements(s, columns(top, from, to));
    };

    FormLayout f;
    f.left = 15, f.top = -90, f.width = 9345, f.height = 7200;
    ControlLayout birds{"Command7", 0, Kind::Button, "", 0, 0, 0, 0, vb::White, {}, false, ":/pictures/bird.png",
                      "Comprobar la fila"};
    ControlLayout arrows{"Command3", 0, Kind::Button, "", 0, 0, 0, 0, vb::White, {"MS Sans Serif", 18, true}, false,
                       ":/pictures/arrow_left.png", "Otra multiplicación"};
    f.controls = table({
        elements({"Command9", 0, Kind::Button, "0", 0, 0, 0, 0, 0xFFFFC0, {"Arial", 9.75, true}},
                 {{5040, 0, 375, 375}, {4320, 0, 375, 375}, {3600, 0, 375, 375}, {2880, 0, 375, 375}}),
        {{"Command8", 0, Kind::Button, "SALIR", 120, 6240, 2535, 855, vb::Green, arial18},
         {"Command8", 1, Kind::Button, "RESULTADOS", 2760, 6240, 3615, 855, 0xFF00FF, arial18},
         {"Command8", 2, Kind::Button, "FONDOS", 6480, 6240, 2655, 855, 0x00FFFF, arial18},
         {"Vorlando1", -1, Kind::Vorlando, "", 480, 600, 1695, 1575}},
        elements(named(cell, "Command6"), columns(4800, 0, 6)), stop("Command6", 7, 3000),
        elements(named(cell, "Command5"), columns(3600, 1, 6)), stop("Command5", 6, 2280),
        elements(named(cell, "Command4"), columns(2640, 0, 5)), stop("Command4", 6, 1560),
        elements(birds, {{7320, 2640, 1215, 735}, {7320, 3600, 1215, 735}, {7320, 4800, 1215, 735}}),
        elements(arrows, {{7800, 480, 735, 735}, {7800, 1440, 735, 735}}),
        text("Text3", "Text3", 4800, 0, 6), text("Text2", "Text2", 3600, 1, 6), text("Text1", "Text1", 2640, 0, 5),
        {{"Command2", 0, Kind::Button, "8", 5640, 1440, 735, 735, vb::White, arial24},
         {"Command2", 1, Kind::Button, "5", 4920, 1440, 735, 735, vb::White, arial24},
         {"Command1", 0, Kind::Button, "2", 5640, 480, 735, 735, vb::White, arial24},
         {"Command1", 1, Kind::Button, "3", 4920, 480, 735, 735, vb::White, arial24},
         {"Command1", 2, Kind::Button, "7", 4200, 480, 735, 735, vb::White, arial24},
         {"Command1", 3, Kind::Button, "8", 3480, 480, 735, 735, vb::White, arial24},
         {"Command1", 4, Kind::Button, "9", 2760, 480, 735, 735, vb::White, arial24},
         {"Line4", -1, Kind::Line, "", 960, 4560, 6600, 4560, {}, {}, false, "", "", 5},
         {"Line3", -1, Kind::Line, "", 4080, 2160, 4680, 1560, {}, {}, false, "", "", 5},
         {"Line2", -1, Kind::Line, "", 4080, 1560, 4680, 2160, {}, {}, false, "", "", 5},
         {"Line1", -1, Kind::Line, "", 1920, 2400, 6600, 2400, {}, {}, false, "", "", 5}},
    });
    return f;
}

Form3::Form3() : Form(design())
{
    for (auto [name, arr] : {std::pair{"Command1", &Command1}, {"Command2", &Command2}, {"Command3", &Command3},
                             {"Command4", &Command4}, {"Command5", &Command5}, {"Command6", &Command6},
                             {"Command7", &Command7}, {"Command8", &Command8}, {"Command9", &Command9}})
        *arr = array<CommandButton>(QString::fromLatin1(name));
    Text1 = array<TextBox>("Text1");
    Text2 = array<TextBox>("Text2");
    Text3 = array<TextBox>("Text3");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Line3 = control<Line>("Line3");
    Line4 = control<Line>("Line4");
    Vorlando1 = control<Vorlando>("Vorlando1");
    Command8.onClick(this, [this](int i) { Command8_Click(i); });
}

void Form3::Form_Load()
{
    Random::Randomize();
    CoverMainWindow(*this);
    for (int j = 0; j <= 3; ++j)
        Command9[j]->setCaption(QString());
    Language::apply(Language::read("/idioma/", "formulariomulti.txt", 6),
                    {[this](const QString &s) { Command8[0]->setCaption(s); },
                     [this](const QString &s) { Command8[1]->setCaption(s); },
                     [this](const QString &s) { Command8[2]->setCaption(s); },
                     [this](const QString &s) { MultiplicationTitle = s; },
                     [this](const QString &s) { VerdictTexts[0] = s; },
                     [this](const QString &s) { VerdictTexts[1] = s; }});
}

void Form3::Command8_Click(int Index) { SecondaryWindowCommand(*this, Index); }
