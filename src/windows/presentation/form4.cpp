#include "windows/presentation/form4.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/forms.h"

const char *const ContactText = "equipo de Cuentas, cuentas@example.org";

namespace {

FormLayout design()
{
    FormLayout f;
    f.caption = QStringLiteral("Cuentas 2.2 - ") + QString::fromUtf8(ContactText);
    f.left = 45, f.top = 435, f.width = 7140, f.height = 6840;
    f.backColour = 0xC0C0FF;
    f.controls = {
        {"Command1", -1, Kind::Button, "ACEPTAR", 2400, 6120, 4575, 615, vb::White, {"Arial", 18, true}},
        {"Text1", -1, Kind::TextBox, "", 2400, 5280, 4575, 720, {}, {"Arial", 27.75, false}},
        {"Label1", -1, Kind::Label, "Nombre", 120, 5400, 2175, 375, {}, {"Arial", 18, true}},
        {"Image1", -1, Kind::Image, "", 120, 120, 6855, 4980, {}, {}, false, ":/pictures/card.png", "Cuentas 2.2"},
    };
    return f;
}

} // namespace

Form4::Form4() : Form(design())
{
    Command1 = control<CommandButton>("Command1");
    Text1 = control<TextBox>("Text1");
    Label1 = control<Label>("Label1");
    Image1 = control<Image>("Image1");
    Text1->setAccessibleName(Label1->Caption());
    connect(Command1, &QAbstractButton::clicked, this, &Form4::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form4::Command1_Click);
}

void Form4::Form_Load()
{
    const QSize screen = screenTwips();
    MoveTo((screen.width() - Width()) / 2, (screen.height() - Height()) / 2);
    Language::apply(Language::read("/idioma/", "presentacion.txt", 3),
                    {[this](const QString &s) { Label1->setCaption(s); Text1->setAccessibleName(s); },
                     [this](const QString &s) { Command1->setCaption(s); },
                     [this](const QString &s) { NamePrompt = s; }});
}

void Form4::Command1_Click()
{
    if (!Text1->Text().isEmpty()) {
        Module1::PlayerName = Text1->Text();
        Text1->setEnabled(false);
        forms().form1()->Show();
        close(); // unloaded for good: nothing creates this window again
        return;
    }
    Command1->setFontSize(14);
    Command1->setCaption(NamePrompt);
}
