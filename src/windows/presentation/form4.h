// The presentation window: the program's title card and the child's name.
#pragma once

#include "ui/form.h"

// The author's line of the window title.
extern const char *const ContactText;

class Form4 : public Form
{
    Q_OBJECT
public:
    Form4();
    void Form_Load() override;
    void Command1_Click();

    CommandButton *Command1;
    TextBox *Text1;
    Label *Label1;
    Image *Image1;
    QString NamePrompt;
};
