// The teacher's commands without a window, for a school's administrator who
// gathers a room's computers with a script: cuentas --export FILE (this
// computer's history, for another), --import FILE (another's, merged here),
// --csv FILE (the spreadsheet, one line per exercise), --help. They need no
// display. Exit status 0 when done, otherwise 1 (2 for a bad option) with one
// plain line on standard error.
#pragma once

#include <optional>

// The exit status of the command asked for; nothing when the program is to
// start its windows (no arguments, or only Qt's own window-system options).
std::optional<int> RunCommandLine(int argc, char *argv[]);

class Storage;
// The language chosen last on this computer (kept in the history's settings,
// read before anything is shown), the desktop's the first time; a choice made
// later is kept there.
void ChooseLanguage(Storage &history);
