// How the program's own controls answer a screen reader: a command button is
// a push button named for what it does; a digit cell a spin button whose text
// is its digit (empty when empty) and whose description is its verdict; a
// display and a light are text with a name; an animation is an animation; and
// each window has notifications that say the verdict of a check aloud.
#pragma once

#include <QString>
#include <functional>

class QObject;
class QWidget;

// Lets the program's controls answer with their own interfaces; once, before the first control.
void installAccessibility();

// What a screen reader calls a control: its spoken name with the caption put in
// for "%1"; the caption itself when no name is given.
QString spokenWith(const QString &name, const QString &caption);

// Tells a screen reader that a control's name, description or digit changed.
void accessibleNameChanged(QObject *control);
void accessibleDescriptionChanged(QObject *control);
void digitChanged(QObject *cell, const QString &before);
// Calls `observer` with the control of each change the program tells a screen
// reader of, as it tells it (tests count them); an empty one stops it.
void onTold(std::function<void(QObject *control)> observer);
