#include "windows/division/form2.h"

#include "app/module1.h"
#include "windows/column/form1.h"
#include "windows/common/commands.h"
#include "windows/forms.h"

Form2::Form2() : Form(design())
{
    Command1 = array<CommandButton>("Command1");
    Command2 = array<CommandButton>("Command2");
    Command3 = control<CommandButton>("Command3");
    Command4 = control<CommandButton>("Command4");
    Command5 = array<CommandButton>("Command5");
    Command6 = array<CommandButton>("Command6");
    Command7 = array<CommandButton>("Command7");
    Command8 = array<CommandButton>("Command8");
    Command9 = control<CommandButton>("Command9");
    Command10 = array<CommandButton>("Command10");
    Command11 = array<CommandButton>("Command11");
    Command12 = array<CommandButton>("Command12");
    Command13 = array<CommandButton>("Command13");
    Text1 = array<TextBox>("Text1");
    Shape1 = array<Shape>("Shape1");
    Label1 = control<Label>("Label1");
    Line1 = control<Line>("Line1");
    Line2 = control<Line>("Line2");
    Vorlando1 = control<Vorlando>("Vorlando1");
    Timer1 = control<Timer>("Timer1");
    onClick(Command13, &Form2::Command13_Click);
}

void Form2::Form_Load()
{
    CoverMainWindow(*this);
    Random::Randomize();
    for (CommandButton *b : {Command9, Command2[1], Command2[2], Command1[4], Command1[5]})
        b->hide();
    Language::apply(Language::read("/idioma/", "formulariodivision.txt", 10),
                    {[this](const QString &s) { Command13[0]->setCaption(s); },
                     [this](const QString &s) { Command13[1]->setCaption(s); },
                     [this](const QString &s) { Command13[2]->setCaption(s); },
                     [this](const QString &s) { Command4->setCaption(s); },
                     [this](const QString &s) { Command3->setCaption(s); },
                     [this](const QString &s) { Command9->setCaption(s); },
                     [this](const QString &s) { PercentWords[0] = s; },
                     [this](const QString &s) { PercentWords[1] = s; },
                     [this](const QString &s) { VerdictWords[0] = s; },
                     [this](const QString &s) { VerdictWords[1] = s; }});
}

void Form2::Command13_Click(int Index) { SecondaryWindowCommand(*this, Index); }
