// The windows of the program, each created and loaded on its first reference.
#pragma once

#include "record/record.h"

#include <QPointer>
#include <memory>

class FileList;
class Form;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class HistoryWindow;
class ClassWindow;
class Storage;
class TeacherPin;

class Forms
{
public:
    Form1 *form1();
    Form2 *form2();
    Form3 *form3();
    Form4 *form4();
    Form5 *form5();
    HistoryWindow *history();
    // The teacher's class window over `over`, once the PIN is right: one at a
    // time; its rows open the history window.
    void openClass(QWidget *over);
    ClassWindow *classWindow() const;
    // The teacher's PIN on the history of this computer (wrong tries count over
    // the run); none without a history.
    TeacherPin *pin();

    // The main window and the results window as plain windows, and the main
    // window's list of backgrounds: what the shared commands need of them.
    Form *mainWindow();
    Form *resultsWindow();
    const FileList &backgrounds();

    // Loaded already? (never loads)
    bool isLoaded1() const { return !f1_.isNull(); }
    bool isLoaded2() const { return !f2_.isNull(); }
    bool isLoaded3() const { return !f3_.isNull(); }
    bool isLoaded4() const { return !f4_.isNull(); }
    bool isLoaded5() const { return !f5_.isNull(); }

    // Closes and deletes every window (tests, between cases).
    void unloadAll();

    // The record of the run: the exercise windows hand it their finished
    // exercises, the results window shows it. It outlives every window.
    Record &record() { return record_; }
    // The history on disk, if the program keeps one.
    Storage *storage() const { return storage_; }
    void setStorage(Storage *storage);
    // The program's history: opened once the presentation window is on the
    // screen (the start is not held up), then it writes every finished exercise
    // of the record at once. Call before showing the presentation window.
    void keepHistory(Storage *storage);

private:
    template <class F> F *get(QPointer<F> &slot);
    Record record_;
    Storage *storage_ = nullptr;
    QPointer<Form1> f1_;
    QPointer<Form2> f2_;
    QPointer<Form3> f3_;
    QPointer<Form4> f4_;
    QPointer<Form5> f5_;
    QPointer<HistoryWindow> history_;
    QPointer<ClassWindow> class_;
    std::unique_ptr<TeacherPin> pin_;
};

Forms &forms();
