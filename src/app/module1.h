// Program-wide state: the child's name, the shared background position, the
// start of the run, and how the program ends.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace Module1 {

extern QString PlayerName;  // written once by the presentation window
extern int BackgroundIndex; // list position of the next background picture
extern QDateTime RunStarted; // when the program started, for the teacher's record

// Ends the program at once. Tests replace it.
extern std::function<void()> EndProgram;

// Back to the state of a fresh start (tests).
void reset();

} // namespace Module1
