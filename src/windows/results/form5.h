// The results window: one line per finished exercise, headed by the child's name;
// the teacher copies the record or prints it, with a tally at its end.
#pragma once

#include "app/language.h"
#include "ui/form.h"
#include "record/formatter.h"
#include "record/record.h"

#include <vector>

class QPrinter;

class Form5 : public Form
{
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command1_Click(); // copy the record
    void Command2_Click(); // print it
    void Command3_Click(); // what to practise
    void Command4_Click(); // the child's history

    // Shows this record of the run: a line for each exercise it has, and for each it gains.
    void ShowRecord(const Record *record);
    const std::vector<Attempt> &Attempts() const;

    // The record for the teacher, as plain text: the child's name with the date
    // and time of the run, every line as listed, and the tally of right and wrong.
    QString RecordText() const;
    // Prints the record on the printer's pages: long lines wrapped, pages numbered.
    void PrintRecord(QPrinter &printer) const;

    // Controls, and the role each plays.
    ListBox *List1;          // one line per record, in order; drawn from the records only
    Label *Label1;           // heading: the child's name and the title
    CommandButton *Command1; // copy the record ("Copiar")
    CommandButton *Command2; // print the record ("Imprimir")
    CommandButton *Command3; // what the child should practise ("Qué repasar")
    CommandButton *Command4; // the child's history over the days ("Historial")
    Label *Label2;           // one line, shown only when this run is not kept in the history, and why

    // Every line, tally and review, in the words of the language files.
    Formatter Format;

protected:
    bool QueryClose() override;

private:
    std::vector<Language::Line> texts();
    QStringList RecordLines() const;
    const Record *record_ = nullptr;
    void ShowKept();
    class QAction *CopyAction = nullptr, *PrintAction = nullptr, *ReviewAction = nullptr, *HistoryAction = nullptr;
};
