// The class window ("Clase"), for the teacher, behind a PIN: one row per child
// who worked on this computer in the days chosen (this week, this month, this
// school year, or between two days), sorted by any column; a child's history
// from its row; the class as a spreadsheet; this computer's history carried
// to another and merged there; a child's history or everything before a day
// deleted; and the switch that keeps the history on this computer or not.
#pragma once

#include "app/language.h"
#include "record/classroom.h"
#include "record/formatter.h"
#include "windows/class/classwords.h"

#include <QWidget>
#include <functional>

class Announcement;
class ClassMistakes;
class ClassModel;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;
class Storage;
class TeacherPin;

class ClassWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ClassWindow(Storage &history, QWidget *parent = nullptr);
    ~ClassWindow() override;

    // Every word of the teacher's windows, from presentacion.txt.
    static std::vector<Language::Line> texts(ClassWords &w);
    static ClassWords loadWords();
    // The words of the formatter (the mistakes' names, right and wrong), from the results window's file.
    static Words loadFormatterWords();

    // The line that says there is no history on this computer, and why.
    static QString NotKeptLine(const ClassWords &words, const Storage *history);
    // Whether the teacher may open the class window over `over`: the PIN asked
    // for (or chosen the first time) and right. Without a history on this
    // computer, a line that says why, and no.
    static bool Admit(Storage *history, TeacherPin *pin, QWidget *over);

    // The rows again, from the history, for the days chosen.
    void Refresh();
    // The row the teacher stands on, if any.
    const Classroom::Row *CurrentRow() const;
    // The rows as shown, in order.
    const std::vector<Classroom::Row> &Rows() const;
    // Waits until what to practise is known for every row (tests, the spreadsheet).
    void FinishMistakes();

    // The commands.
    void ShowHistory(); // of the current row
    void ExportByExercise();
    void ExportByChild();
    void ExportAll();
    void ImportAll();
    void ForgetChild(); // the current row's
    void ForgetBefore();
    void SetKeeping(bool on);

    // The file a command writes or reads, asked of the teacher (an empty name:
    // given up); tests answer it.
    enum class FileUse { SheetByExercise, SheetByChild, HistoryOut, HistoryIn };
    static std::function<QString(FileUse use, const QString &suggested)> chooseFile;
    // Today (tests set another day).
    static std::function<QDate()> today;

    // Controls, and the role each plays.
    QComboBox *periodBox;            // the days: this week, this month, this school year, between two days
    QDateEdit *fromDate, *toDate;    // the two days, when between them
    QComboBox *sortBox;              // the column the rows are sorted by
    QCheckBox *reverseBox;           // sorted the other way
    QTableView *table;               // one row per child
    QPushButton *historyButton;      // the history of the row's child
    QPushButton *exportButton;       // the spreadsheet, with its two choices
    QAction *byExerciseAction, *byChildAction;
    QPushButton *exportAllButton;    // this computer's history, for another
    QPushButton *importButton;       // another computer's history, merged here
    QPushButton *forgetChildButton;  // the row's child's history deleted
    QPushButton *forgetBeforeButton; // everything before a day deleted
    QCheckBox *keepBox;              // whether this computer keeps the history
    QPushButton *closeButton;
    QLabel *status;                  // what the last command did

    const ClassWords &words() const { return words_; }

signals:
    // The teacher asks for a child's history.
    void historyWanted(const QString &name);
    // The history changed (imported, deleted): windows that show it show it again.
    void historyChanged();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    Classroom::Span span() const;
    QDate SchoolYearStartOf() const;
    void sortRows();
    void say(const QString &text, bool box, bool warning = false);
    QString fileFor(FileUse use, const QString &suggested);
    bool writeSheet(FileUse use);
    void changed(); // after an import or a deletion

    Storage &history_;
    ClassWords words_;
    Words formatterWords_;
    ClassModel *model_;
    ClassMistakes *mistakes_;
    Announcement *announcement_;
};
