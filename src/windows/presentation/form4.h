// The presentation window: the program's title card and the child's name.
#pragma once

#include "app/language.h"
#include "ui/form.h"

#include <array>

// The address in the window title, after who made the program (in the language of the window).
extern const char *const ContactAddress;

class Form4 : public Form
{
    Q_OBJECT
public:
    Form4();
    void Form_Load() override;
    void Command1_Click();
    void Combo1_Click();
    void Command2_Click(); // the teacher's class

    // Controls, and the role each plays.
    CommandButton *Command1; // accept the name ("ACEPTAR"); asks for a name when none is typed
    TextBox *Text1;          // the child's name
    Label *Label1;           // the prompt beside the name ("Nombre")
    Image *Image1;           // the title card
    ComboBox *Combo1;        // the program's language, each by its own name ("Español", "Català", ...)
    CommandButton *Command2; // the teacher's class ("Profesorado", Ctrl+P), behind the PIN

    QString NamePrompt; // what Command1 says when no name was typed

private:
    std::vector<Language::Line> texts();
    void ShowTexts();
    std::array<QString, 3> DesignCaptions; // of Label1, Command1 and Command2
    QString DesignTitle;
    QString CardShown; // the title card on the window
    bool AskingForName = false;            // Command1 shows NamePrompt
    class QAction *TeacherAction = nullptr;
};
