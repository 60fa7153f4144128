// The results window: one line per finished exercise, headed by the child's name.
#pragma once

#include "ui/form.h"

class Form5 : public Form
{
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;

    ListBox *List1;
    Label *Label1;
};
