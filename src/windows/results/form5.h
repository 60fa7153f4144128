// The results window: one line per finished exercise, headed by the child's name.
#pragma once

#include "ui/form.h"

class Form5 : public Form
{
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;

    // Controls, and the role each plays.
    ListBox *List1; // one line per finished exercise; only addResultsLine writes to it
    Label *Label1;  // heading: the child's name and the title

protected:
    bool QueryClose() override;
};
