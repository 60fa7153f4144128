// The teacher's PIN, which opens the class window: 4 to 8 digits, chosen the
// first time and asked for afterwards. Only a salted key derived from it
// (PBKDF2 with SHA-256) is kept, among the history's settings, never the PIN.
// After five wrong tries in a row the PIN is not looked at for 30 seconds.
#pragma once

#include "storage/storage.h"

#include <QString>
#include <functional>

class TeacherPin
{
public:
    static constexpr int Tries = 5;
    static constexpr int WaitSeconds = 30;

    // Milliseconds on a clock that never goes back; tests give their own.
    using Clock = std::function<qint64()>;
    explicit TeacherPin(Storage &history, Clock clock = {});

    // Whether a PIN has been chosen on this computer.
    bool isSet() const;
    // 4 to 8 digits, 0 to 9, nothing else.
    static bool valid(const QString &pin);
    // Keeps a new PIN (its salted key); false if it is not valid or could not be kept.
    bool set(const QString &pin);

    enum class Answer { Right, Wrong, Waiting };
    // Waiting while the 30 seconds after the fifth wrong try last; the tries
    // start again from five after a right answer or the wait.
    Answer check(const QString &pin);
    int triesLeft() const { return Tries - wrong_; }
    // Seconds still to wait, rounded up; 0 when the PIN may be tried.
    int secondsToWait() const;

private:
    static QByteArray keyOf(const QString &pin, const QByteArray &salt, int iterations);
    Storage &history_;
    Clock clock_;
    int wrong_ = 0;
    qint64 waitUntil_ = 0; // on clock_
};
