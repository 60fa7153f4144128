#include "windows/multiplication/form3.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/common/commands.h"
#include "windows/forms.h"

Form3::Form3() : Form(design())
{
    Command1 = array<CommandButton>("Command1");
    Command2 = array<CommandButton>("Command2");
    Command3 = array<CommandButton>("Command3");
    Command4 = array<CommandButton>("Command4");
    Command5 = array<CommandButton>("Command5");
    Command6 = array<CommandButton>("Command6");
    Command7 = array<CommandButton>("Command7");
    Command8 = array<CommandButton>("Command8");
    Command9 = array<CommandButton>("Command9");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Line3 = control<Line>("Line3");
    Line4 = control<Line>("Line4");
    Vorlando1 = control<Vorlando>("Vorlando1");
    onClick(Command8, &Form3::Command8_Click);
}

void Form3::Form_Load()
{
    Random::Randomize();
    CoverMainWindow(*this);
    for (CommandButton *b : Command9)
        b->setCaption(QString());
    Language::apply(Language::read("/idioma/", "formulariomulti.txt", 6),
                    {[this](const QString &s) { Command8[0]->setCaption(s); },
                     [this](const QString &s) { Command8[1]->setCaption(s); },
                     [this](const QString &s) { Command8[2]->setCaption(s); },
                     [this](const QString &s) { MultiplicationTitle = s; },
                     [this](const QString &s) { VerdictTexts[0] = s; },
                     [this](const QString &s) { VerdictTexts[1] = s; }});
}

void Form3::Command8_Click(int Index) { SecondaryWindowCommand(*this, Index); }
