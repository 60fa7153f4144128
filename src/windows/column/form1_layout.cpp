// The column-arithmetic window as laid out at design time.
#include "windows/column/form1.h"

FormLayout Form1::design()
{
    const FontStyle sans{"MS Sans Serif", 8.25, false};
    const FontStyle arial72{"Arial", 72, false};
    FormLayout f;
    f.left = 15, f.top = 15, f.width = 9675, f.height = 7365;
    f.font = {"Arial", 48, false};
    ControlLayout runner{"Vorlando1", -1, Kind::Vorlando, "", 120, 5760, 1215, 1095};
    f.controls = table({
        {{"Picture1", -1, Kind::PictureBox, "", 0, 0, 1815, 5655}},
        elements({"Command10", 0, Kind::Button, "", 0, 0, 0, 0, 0xFFFFC0, {"Arial", 18, true}},
                 {{4920, 240, 375, 420}, {3480, 240, 375, 420}}, 1),
        {{"Command9", 1, Kind::Button, "÷**", 120, 3120, 705, 675, {}, {"Arial", 18, true}, true},
         {"Command1", 0, Kind::Button, "÷", 120, 960, 735, 735, vb::Green, {"Arial", 48, true}},
         {"Command1", 1, Kind::Button, "+", 960, 120, 735, 735, {}, {"Arial", 48, true}},
         {"Command1", 2, Kind::Button, "", 120, 120, 735, 735, vb::Green, {"Arial", 27.75, true}, false,
          ":/pictures/minus.png", "Resta"},
         {"Command1", 3, Kind::Button, "X", 960, 960, 735, 735, {}, {"Arial", 36, true}},
         {"Vorlando2", -1, Kind::Vorlando, "", 7560, 2880, 1455, 1455},
         {"Command8", 0, Kind::Button, "SALIDA", 7320, 360, 2175, 615, vb::Green, {"Arial", 15.75, true}},
         {"Command8", 1, Kind::Button, "RESULTADOS", 7320, 1080, 2175, 615, 0xFF00FF, {"Arial", 12, true}},
         {"Command8", 2, Kind::Button, "FONDOS", 7320, 1800, 2175, 615, 0x00FFFF, {"Arial", 15.75, true}},
         {"File1", -1, Kind::FileList, "", 2040, 6120, 975, 900, {}, {}, true},
         {"Timer1", -1, Kind::Timer, "", 200},
         runner,
         {"Command7", 0, Kind::Button, "", 960, 1800, 735, 735, {}, sans, false, "", "Carrera: encender o apagar"},
         {"Command7", 1, Kind::Button, "", 960, 3120, 735, 735, {}, sans, false, ":/pictures/baby.png",
          "Velocidad 1: bebé"},
         {"Command7", 2, Kind::Button, "", 960, 3960, 735, 735, {}, sans, false, ":/pictures/dino.png",
          "Velocidad 2: dinosaurio"},
         {"Command7", 3, Kind::Button, "", 960, 4800, 735, 735, {}, sans, false, ":/pictures/runner.png",
          "Velocidad 3: corredor"},
         {"Command6", -1, Kind::Button, "X **", 120, 5160, 735, 375, 0xFF00FF, {"Arial", 12, true}},
         {"Command4", 0, Kind::Button, "2", 120, 3120, 375, 375, {}, sans},
         {"Command4", 1, Kind::Button, "3", 480, 3120, 375, 375, {}, sans},
         {"Command4", 2, Kind::Button, "4", 120, 3480, 375, 375, {}, sans},
         {"Command4", 3, Kind::Button, "5", 480, 3480, 375, 375, {}, sans},
         {"Command4", 4, Kind::Button, "6", 120, 3840, 375, 375, {}, sans},
         {"Command4", 5, Kind::Button, "7", 480, 3840, 375, 375, {}, sans},
         {"Command4", 6, Kind::Button, "8", 120, 4200, 375, 375, {}, sans},
         {"Command4", 7, Kind::Button, "9", 480, 4200, 375, 375, {}, sans},
         {"Command4", 8, Kind::Button, "2-9", 120, 4680, 735, 375, {}, sans},
         {"Command5", -1, Kind::Button, "Comprueba", 7320, 3480, 2175, 1335, vb::White, {"Arial", 14.25, true}},
         {"Command2", -1, Kind::Button, "3", 120, 1800, 735, 735, 0xFFFF00, {"Arial", 36, true}}},
        elements({"Command3", 0, Kind::Button, "1", 0, 0, 0, 0, {}, {"Arial", 72, true}},
                 {{5880, 3840, 975, 1350}, {4560, 3840, 975, 1350}, {3240, 3840, 975, 1350}, {1920, 3840, 975, 1350}}),
        {{"Line7", -1, Kind::Line, "", 5760, 3600, 6960, 3600, {}, {}, false, "", "", 5},
         {"Line6", -1, Kind::Line, "", 5760, 2160, 5760, 3600, {}, {}, false, "", "", 5}},
        elements({"Image2", 0, Kind::Image, "", 0, 0, 0, 0, {}, {}, true}, {{2040, 120, 960, 960}, {2040, 120, 960, 960}}),
        elements({"Image1", 0, Kind::Image, "", 0, 0, 0, 0, {}, {}, false, ":/pictures/arrow_down.png", "Bajar una cifra"},
                 {{6120, 5280, 600, 600}, {4800, 5280, 600, 600}, {3480, 5280, 600, 600}, {2160, 5280, 600, 600}}),
        {{"Line5", -1, Kind::Line, "", 1920, 3120, 2640, 2400, {}, {}, false, "", "", 5},
         {"Line4", -1, Kind::Line, "", 1920, 2400, 2640, 3120, {}, {}, false, "", "", 5},
         {"Line3", -1, Kind::Line, "", 1800, 2760, 2760, 2760, {}, {}, false, "", "", 5},
         {"Line2", -1, Kind::Line, "", 2280, 2280, 2280, 3240, {}, {}, false, "", "", 5},
         {"Line1", -1, Kind::Line, "", 1920, 3600, 6720, 3600, {}, {}, false, "", "", 5}},
        elements({"Label2", 0, Kind::Label, "1", 0, 0, 0, 0, {}, arial72},
                 {{6000, 1920, 855, 1455}, {4680, 1920, 855, 1455}, {3240, 1920, 855, 1455}}),
        elements({"Label1", 0, Kind::Label, "1", 0, 0, 0, 0, {}, arial72},
                 {{6000, 600, 975, 1455}, {4680, 600, 975, 1455}, {3240, 600, 975, 1455}}),
    });
    // The two faces of the race switch.
    for (auto &c : f.controls)
        if (c.name == "Image2")
            c.picture = c.index == 0 ? ":/pictures/clock.png" : ":/pictures/clock_off.png";
    return f;
}
