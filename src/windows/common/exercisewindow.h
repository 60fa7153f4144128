// What the three exercise windows share: they hand every finished exercise on
// (to whoever listens: the record of the run), and they end a check in one order.
#pragma once

#include "record/record.h"
#include "ui/form.h"

#include <optional>

class ExerciseWindow : public Form
{
    Q_OBJECT
public:
    using Form::Form;

signals:
    // An exercise is finished; the record of the run listens.
    void finished(const Attempt &exercise);

protected:
    struct Conclusion {
        bool right = false;
        Vorlando *animation = nullptr; // shown with this file, if any
        QString gif;
        QString said;                   // the verdict, said aloud
        bool again = false;             // the same work checked again: shown and said, not handed on twice
        std::optional<Attempt> done;    // the exercise, when the check finishes it
    };
    // The end of a check: the finished exercise goes to the record, the colours
    // are on screen, the animation starts, the right or wrong sound plays, and
    // the verdict is said.
    void Conclude(const Conclusion &c);
};
