// The record of the run: every finished exercise of the three exercise windows,
// numbered in one sequence, with the exercise as the child worked it. The
// exercise windows hand their finished exercises to it; the results window
// shows it; nothing in it knows a window.
#pragma once

#include "exercises/worked.h"

#include <QObject>
#include <QString>
#include <vector>

// The kinds of exercise the record of the run tells apart.
enum class ExerciseKind { Addition, Subtraction, Multiplication, Division, WrittenDivision, WrittenMultiplication };

// What the record calls an exercise of the column window.
ExerciseKind kindOf(Op op);

// A finished exercise handed to the record: its kind, whether it was right, its
// line without the number ("Suma: 2 + 3 = 5 ** ¡MUY BIEN! **"), and the exercise.
struct Finished {
    ExerciseKind kind = ExerciseKind::Addition;
    bool right = false;
    QString text;
    Worked exercise;
};

// One finished exercise as the record keeps it: its line as listed, "N. " and the text.
struct ResultRecord {
    ExerciseKind kind = ExerciseKind::Addition;
    bool right = false;
    QString line;
    Worked exercise;
};

class Record : public QObject
{
    Q_OBJECT
public:
    // Numbers the exercise after the last one and keeps it.
    void add(const Finished &finished);
    const std::vector<ResultRecord> &records() const { return records_; }
    // Back to an empty record numbered from 1 (tests).
    void clear();

signals:
    void added(const ResultRecord &record);

private:
    std::vector<ResultRecord> records_;
};
