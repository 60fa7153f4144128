// The results window: one line per finished exercise, headed by the child's name.
#pragma once

#include "app/module1.h"
#include "ui/form.h"
#include "windows/common/rules.h"

#include <vector>

// One finished exercise as the record of the run keeps it: its line as listed.
struct ResultRecord {
    ExerciseKind kind;
    bool right;
    QString line;
};

class Form5 : public Form
{
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;

    // Adds a finished exercise to the record, and its line to the list.
    void AddRecord(const ResultRecord &record);
    const std::vector<ResultRecord> &Records() const { return records_; }

    // Controls, and the role each plays.
    ListBox *List1; // one line per record, in order; drawn from the records only
    Label *Label1;  // heading: the child's name and the title

protected:
    bool QueryClose() override;

private:
    std::vector<Language::Line> texts();
    std::vector<ResultRecord> records_;
};
