#include "windows/results/form5.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/forms.h"

namespace {

FormLayout design()
{
    return {
        .rect = {15, 15, 7455, 7110},
        .backColour = vb::Blue,
        .font = {"Arial", 14.25, true},
        .controls = {
            {.name = "List1", .kind = Kind::ListBox, .rect = {120, 720, 7215, 6330}},
            {.name = "Label1", .kind = Kind::Label, .caption = "Label1", .rect = {120, 120, 7215, 495}, .align = Qt::AlignCenter},
        },
    };
}

} // namespace

Form5::Form5() : Form(design())
{
    List1 = control<ListBox>("List1");
    Label1 = control<Label>("Label1");
    Label1->setForeColor(vb::White); // a light heading on the blue window
    Label1->setSingleLine(true);     // a long name is cut, never wrapped
    setWindowTitle(QString());
    onEscape([this] { hide(); }); // as the close box
}

// The close box only hides the window: the record of the run stays, later lines
// are added after it, and RESULTADOS shows it again.
bool Form5::QueryClose()
{
    hide();
    return false;
}

void Form5::Form_Load()
{
    Form1 *main = forms().form1();
    const CommandButton *b = main->Command1[1];
    MoveTo(b->Left() + main->Left() + b->Width() + 80, main->Top() + 80);
    Language::load("/idioma/", "Resultados.txt", texts());
}

// Resultados.txt, line by line.
std::vector<Language::Line> Form5::texts()
{
    return {
        {1, [this](const QString &title) {
             Label1->setCaption(Module1::PlayerName + QLatin1Char(' ') + title);
             setAccessibleName(Label1->Caption());
             List1->setAccessibleName(Label1->Caption());
         }},
    };
}

void Form5::AddRecord(const ResultRecord &record)
{
    records_.push_back(record);
    List1->AddItem(record.line);
}
