// The door of the class window: the teacher chooses a PIN the first time
// (typed twice), and types it afterwards. Five wrong tries and it waits.
#pragma once

#include "storage/teacherpin.h"
#include "windows/class/classwords.h"

#include <QDialog>

class Announcement;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class PinDialog : public QDialog
{
    Q_OBJECT
public:
    PinDialog(TeacherPin &pin, const ClassWords &words, QWidget *parent = nullptr);

    // Whether the teacher is choosing a new PIN (none was set).
    bool choosing() const { return choosing_; }
    // Tries what is typed; accepts the dialog when it is right or a new PIN is kept.
    void tryPin();
    // The wait after five wrong tries, shown and lifted as the clock goes.
    void showWait();

    QLineEdit *first = nullptr, *second = nullptr; // the PIN, and the PIN again when choosing
    QLabel *message = nullptr;                     // what went wrong, if anything
    QPushButton *okButton = nullptr;

private:
    void say(const QString &text);
    TeacherPin &pin_;
    const ClassWords &words_;
    bool choosing_ = false;
    QTimer *waiting_ = nullptr;
    Announcement *announcement_ = nullptr;
};
