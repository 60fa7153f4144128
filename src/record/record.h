// The record of the run: every finished exercise of the three exercise windows,
// as attempts, numbered in one sequence by their place. The exercise windows
// hand their attempts to it; the results window shows it, the storage keeps it;
// nothing in it knows a window.
#pragma once

#include "record/attempt.h"

#include <QObject>
#include <vector>

class Record : public QObject
{
    Q_OBJECT
public:
    // Keeps a finished exercise, after the last one: given a new id, the child
    // of the run (the name typed at the presentation window) and the time, where
    // it has none.
    void add(Attempt attempt);
    // The attempts of the run, in order: the n-th is numbered n.
    const std::vector<Attempt> &attempts() const { return attempts_; }
    // Back to an empty record numbered from 1 (tests).
    void clear();

signals:
    // The attempt just kept, the last of attempts().
    void added(const Attempt &attempt);

private:
    std::vector<Attempt> attempts_;
};
