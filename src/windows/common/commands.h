// The leave, results and background commands shared by the exercise windows.
#pragma once

#include <QString>
#include <array>

class Form;
class FileList;

// Loads the next background picture into the window and advances the shared
// position, wrapping at the end of the list. A file that is not a picture is
// skipped silently (the window keeps its background) and the position still advances.
void BackgroundStep(Form &window, const FileList &pictures);

// The modal yes/no question of the leave command, its two answers in the
// language of the window; yes is the default.
bool AskToLeave(Form *over, const QString &question, const std::array<QString, 2> &yesNo);

// Puts the window exactly over the main window: its place, size and background.
void CoverMainWindow(Form &window);

// The commands of the division and multiplication windows: 0 back to the main
// window, 1 results, 2 next background.
void SecondaryWindowCommand(Form &window, int index);
