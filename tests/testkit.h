// Shared set-up of the tests: a private copy of the data files, a scripted
// random source, and a fresh program state for every case.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QTemporaryDir>
#include <QObject>
#include <QVector>
#include <memory>

class QWidget;

// A copy of data/ that the program reads instead of the folder beside the executable.
class TestData
{
public:
    TestData();
    ~TestData();
    QString path(const QString &relative) const;
    void remove(const QString &relative) const;
    void rename(const QString &relative, const QString &newName) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    // Empties the background folder and puts solid pictures of these colours in it,
    // named so that name order is their order.
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
inline double r10(int d) { return pick(10, 0, d); }
inline double r9(int d) { return pick(9, 1, d); }
inline double r8(int d) { return pick(8, 2, d); }
// How many scripted numbers are still unused.
int scriptedLeft();

// Closes every window and puts the program-wide state back to a fresh start.
void resetProgram();

void click(QWidget *w);
void clickTimes(QWidget *w, int times);

// Answers the next modal message box with the button of this role; returns
// (through the pointers) its title and text.
void answerNextMessageBox(bool yes, QString *title = nullptr, QString *text = nullptr, bool *yesIsDefault = nullptr);

// The colour of a window's background at one pixel (0 when it has none).
QRgb pictureColour(const class Form *f);

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
