// What the results and the history window share: the teacher's commands, each
// with a key and a place on the list's menu, and printing through the desktop's dialog.
#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

class CommandButton;
class QAction;
class QDate;
class QPrinter;
class QWidget;

// The key presses the button anywhere in the window; the action is on the menu of `list` too.
QAction *commandKey(QWidget *window, CommandButton *button, const QKeySequence &key, QWidget *list);

// The desktop's print dialog; with no printer, it prints to a PDF file in the home
// folder, "<name> <date>.pdf", unless the teacher picks another. Nothing is
// written unless the teacher accepts.
void printThroughDialog(QWidget *over, const QString &name, const QDate &date, const std::function<void(QPrinter &)> &print);
