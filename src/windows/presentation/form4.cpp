#include "windows/presentation/form4.h"

#include "app/module1.h"
#include "app/language.h"
#include "app/sound.h"
#include "windows/column/form1.h"
#include "ui/placed.h"
#include "windows/forms.h"

#include <QAction>
#include <QFile>

const char *const ContactAddress = "cuentas@example.org";

namespace {

const QString DesignCard = QStringLiteral(":/pictures/card.png"); // the title card, in Spanish

FormLayout design()
{
    return {
        .caption = QStringLiteral("Cuentas 2.2 - equipo de Cuentas, ") + QString::fromUtf8(ContactAddress),
        .rect = {45, 435, 7140, 6840},
        .backColour = 0xC0C0FF,
        .controls = {
            {.name = "Command1", .caption = "ACEPTAR", .rect = {2400, 6120, 4575, 615}, .colour = vb::White,
             .font = {"Arial", 18, true}},
            {.name = "Text1", .kind = Kind::TextBox, .rect = {2400, 5280, 4575, 720}, .font = {"Arial", 27.75, false}},
            {.name = "Label1", .kind = Kind::Label, .caption = "Nombre", .rect = {120, 5400, 2175, 375}, .font = {"Arial", 18, true}},
            // The language of the program; the row under it is kept free for one more command.
            {.name = "Combo1", .kind = Kind::ComboBox, .rect = {120, 5880, 2175, 390}, .font = {"Arial", 10, true}},
            // The teacher's door to the class, low on the left, out of the child's way.
            {.name = "Command2", .caption = "Profesorado", .rect = {120, 6330, 2175, 405}, .colour = vb::White, .font = {"Arial", 10, true}},
            {.name = "Image1", .kind = Kind::Image, .rect = {120, 120, 6855, 4980}, .picture = DesignCard,
             .accessibleName = "Cuentas 2.2"},
        },
    };
}

} // namespace

Form4::Form4() : Form(design())
{
    Command1 = control<CommandButton>("Command1");
    Text1 = control<TextBox>("Text1");
    Label1 = control<Label>("Label1");
    Image1 = control<Image>("Image1");
    CardShown = DesignCard;
    Combo1 = control<ComboBox>("Combo1");
    for (const Language::Tongue &t : Language::tongues())
        Combo1->AddItem(t.name);
    Command2 = control<CommandButton>("Command2");
    DesignCaptions = {Label1->Caption(), Command1->Caption(), Command2->Caption()};
    DesignTitle = windowTitle();
    onClick(Combo1, &Form4::Combo1_Click);
    onClick(Command1, &Form4::Command1_Click);
    onClick(Command2, &Form4::Command2_Click);
    // Ctrl+P opens the class too, wherever the focus is.
    TeacherAction = new QAction(Command2->Caption(), this);
    TeacherAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    TeacherAction->setShortcutContext(Qt::WindowShortcut);
    connect(TeacherAction, &QAction::triggered, Command2, &QAbstractButton::click);
    addAction(TeacherAction);
    onEnter(Text1, &Form4::Command1_Click);
    // The presentation window makes no sound: the sound device loads in the
    // background while the child types a name, ready for the main window.
    connect(Text1, &QLineEdit::textEdited, this, [] { Sound::warmUp(); });
    setFocusOrder({Text1, Command1, Combo1, Command2});
    Text1->setFocus();
}

void Form4::Form_Load()
{
    CenterOnScreen();
    ShowTexts();
}

// The window in the current language: every text read again, the chooser on it.
void Form4::ShowTexts()
{
    Label1->setCaption(DesignCaptions[0]);
    Text1->setAccessibleName(DesignCaptions[0]);
    Command1->setCaption(DesignCaptions[1]);
    Command2->setCaption(DesignCaptions[2]);
    setWindowTitle(DesignTitle);
    TeacherAction->setText(DesignCaptions[2]);
    NamePrompt.clear();
    Language::load(Language::WindowFolder, "presentacion.txt", texts());
    if (AskingForName)
        Command1->setCaption(NamePrompt);
    // The title card, its words drawn in the language (the Spanish one otherwise).
    QString card = QStringLiteral(":/pictures/card_%1.png").arg(Language::current().code);
    if (!QFile::exists(card))
        card = DesignCard;
    if (card != CardShown) // the design's card is on the window from the start
        Image1->setPicture(loadPicture(card));
    CardShown = card;
    const auto &all = Language::tongues();
    for (int i = 0; i < all.size(); ++i)
        if (all[i].code == Language::current().code)
            Combo1->setListIndex(i);
    // A screen reader names a list by its choice; what the list is for is its description.
    Combo1->setAccessibleDescription(Language::current().chooserName);
    Combo1->setToolTip(Language::current().chooserName);
}

// A language chosen: the window speaks it at once, and so will every window after it.
void Form4::Combo1_Click()
{
    if (!Language::choose(Language::tongues().value(Combo1->ListIndex()).code))
        return;
    ShowTexts();
    // A screen reader does not say a closed list's new choice by itself.
    announce(Combo1->Text());
}

// presentacion.txt, line by line.
std::vector<Language::Line> Form4::texts()
{
    using Language::caption, Language::into;
    return {
        {1, caption(Label1)},
        {1, [this](const QString &s) { Text1->setAccessibleName(s); }},
        {2, caption(Command1)},
        {3, into(NamePrompt)}, // what the button asks when no name was typed
        {4, [this](const QString &s) {
             Command2->setCaption(s);
             TeacherAction->setText(s);
         }},
        {100, [this](const QString &team) {
             setWindowTitle(QStringLiteral("Cuentas 2.2 - ") + team + QStringLiteral(", ") + QString::fromUtf8(ContactAddress));
         }},
    };
}

// The teacher's class, once the PIN is right.
void Form4::Command2_Click() { forms().openClass(this); }

void Form4::Command1_Click()
{
    if (!Text1->Text().isEmpty()) {
        Module1::PlayerName = Text1->Text();
        Sound::warmUp();
        Text1->setEnabled(false);
        forms().form1()->Show();
        close(); // unloaded for good: nothing creates this window again
        return;
    }
    AskingForName = true;
    Command1->setFontSize(14);
    Command1->setCaption(NamePrompt);
}
