// The history window: a child's exercises over the days, from the results
// window. A chart of the last days with work and the same numbers in a table,
// each kind of exercise this week and before, and what to practise over the
// whole history, with the last day each mistake showed and whether it fades;
// the teacher copies it or prints it.
#pragma once

#include "record/formatter.h"
#include "record/history.h"
#include "ui/form.h"

#include <QPointer>

class BarChart;
class QPrinter;
class QStandardItemModel;
class QTableView;
class Record;
class Storage;

class HistoryWindow : public Form
{
    Q_OBJECT
public:
    HistoryWindow();
    void Form_Load() override;

    // Where the history comes from: the storage's attempts (when it is kept) and
    // the record's of this run (whether or not they could be kept).
    void ShowFrom(const Record *record, const Storage *storage);
    // Shows the history of this child, the week counted from `today`.
    void ShowChild(const QString &child, const QDate &today = QDate::currentDate());

    // Handlers.
    void Command1_Click(); // copy
    void Command2_Click(); // print

    // The history as text for the teacher, and printed.
    QString HistoryText() const;
    void PrintHistory(QPrinter &printer) const;

    // Controls, and the role each plays.
    Label *Label1;           // heading: "Historial de" the child
    CommandButton *Command1; // copy ("Copiar")
    CommandButton *Command2; // print ("Imprimir")
    BarChart *Chart;         // right and wrong of the last days with work
    QTableView *Days;        // the same numbers, a day a row: what a screen reader reads
    Label *Label2;           // "Por tipo de ejercicio"
    QTableView *Kinds;       // each kind this week and before
    Label *Label3;           // "Qué repasar"
    ListBox *List1;          // what to practise over the whole history

    const History &Shown() const { return shown_; }
    Formatter Format;

private:
    std::vector<Language::Line> texts();
    QStringList HistoryLines() const;
    QStandardItemModel *daysModel_, *kindsModel_;
    const Record *record_ = nullptr;
    const Storage *storage_ = nullptr;
    History shown_;
    QString child_;
    class QAction *CopyAction = nullptr, *PrintAction = nullptr;
};
