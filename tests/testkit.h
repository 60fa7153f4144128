// Shared set-up of the tests: a private copy of the data files, a scripted
// random source, a fresh program for every case, and the verbs that work the
// windows as a child does: clicks, keys, and what a screen reader hears.
#pragma once

#include "app/appfolder.h"
#include "app/clock.h"
#include "app/language.h"
#include "app/module1.h"
#include "app/random.h"
#include "app/sound.h"
#include "exercises/exercise.h"
#include "record/record.h"
#include "ui/form.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class Form1;
class QPrinter;
class Form2;

// A copy of data/ that the program reads instead of the folder beside the executable.
class TestData
{
public:
    TestData();
    ~TestData();
    QString path(const QString &relative) const;
    void remove(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    // Empties the background folder and puts solid pictures of these colours in
    // it, named so that name order is their order.
    void backgrounds(const QVector<QRgb> &colours) const;

private:
    QTemporaryDir dir_;
};

// Lines written as Windows-1252 with CR LF ends.
QByteArray cp1252Lines(const QStringList &lines);

// Random numbers handed out in order; 0 once the list is spent.
void scriptRandom(const QVector<double> &values);
// The random number that makes Int(r × n) + k give the digit d.
double pick(int n, int k, int d);

// Closes every window and puts the program-wide state back to a fresh start.
void resetProgram();

// Lets what the handler just run asked to say be said, as the event loop does after it.
void handlerDone();
void click(QWidget *w);
void clickTimes(QWidget *w, int times);
// Keys pressed on whatever has the focus in the window, one character a key:
// a digit, b Backspace, ^ Up, v Down, + −, < Left, > Right, t Tab, T Shift+Tab,
// _ Space, r Return, e Escape, d Delete.
void keys(Form *window, const QString &script);
// The control that has the window's focus, by what a screen reader calls it.
QString focused(Form *window);

// What a screen reader hears of a control: its name, or another of its texts.
QString spoken(QObject *control, QAccessible::Text what = QAccessible::Name);
QAccessible::Role role(QObject *control);
// What the windows loaded now say aloud through their notification, from now on.
QStringList &announcements();
// What had the focus of its window when each of them was said.
QStringList &focusWhenAnnounced();
void listenForAnnouncements();

// The visible cells of a row, in the row's order, as the child sees them: each
// one's digit ("." when empty) and a letter for its colour and mark: b blue with
// a tick, r red with a cross, w white and unmarked, c light cyan, ? another.
QString cells(const ControlArray<CommandButton> &row);

// The colour of a window's background at one pixel (0 when it has none).
QRgb pictureColour(const Form *f);
// Contrast of two colours as the accessibility guidelines measure it, 1 to 21.
double contrast(QRgb a, QRgb b);

// The main window, loaded and shown, after this name was accepted.
Form1 *loadMainWindow(const QString &player = QStringLiteral("Ana"));
// Works every window once, as a child would, from the main window: 5 + 4
// answered 9, a race at speed 2 on a multiplication run to its end with no
// answer, the backgrounds and the results, a long multiplication checked empty,
// a long division brought down to Fin, and the teacher's copy. Four lines.
void tourEveryWindow();
// In the main window: the operation's button, then this exercise, answered by
// keys from the units (written into empty boxes) and checked with Enter.
void answerColumn(Form1 *f, Op op, int a, int b, const QString &unitsFirst);
// Clicks the arrow that brings the division's next digit down.
void bringDown(Form2 *d);
// Hands the record of the run a finished exercise, as an exercise window does:
// a op b (a long multiplication by b's units only when oneDigit), right or not,
// no cell written.
void addAttempt(ExerciseKind kind, int a, int b, bool right, bool oneDigit = false);
// A finished exercise of the column window as the history keeps it: a op b
// answered with these digits (units first) and checked, by this child at this
// local time ("2026-12-07 10:42:05"), with an id of its own.
Attempt workedColumn(const QString &child, const QString &when, Op op, int a, int b, const QString &unitsFirst);
// Any attempt stamped so.
Attempt stamped(Attempt a, const QString &child, const QString &when);
// The text of a PDF file, as poppler reads it back (a form feed ends each page).
QString pdfText(const QString &file);
// What this prints on a PDF printer, read back.
QString printedText(const std::function<void(QPrinter &)> &print);
// The lines of the results list, and the last of them.
QStringList resultsLines();
QString lastLine();

// Exercises as a child left them, each cell's first entry written and judged:
// a column exercise answered once ("52 - 18 = 46"; X times, / a division); a long
// division with its quotient ("12", "-" a cell left empty) and each remainder
// row as written ("05 04 02"); a long multiplication with its rows ("121 94 1061").
Exercise columnAnswered(const QString &text);
LongDivision divisionWorked(int dividend, int divisor, const QString &quotient, const QString &remainders);
LongMultiplication multiplicationWorked(int a, int b, const QString &rows);
// Any of them as one line: "52 - 18 = 46", "1230 : 3 = 41 | 0 0 0", "47 x 23 = 121 94 1061".
Worked workedAs(const QString &text);
// The same as the attempt the record is handed.
Attempt attemptAs(const QString &text);

// A test class whose every case starts on a fresh program and its own copy of the data.
class FreshProgramTest : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<TestData> data;

private slots:
    void init();
    void cleanup();
};
