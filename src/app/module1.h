// Program-wide state and the few services every window shares.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace Module1 {

extern QString PlayerName;  // written once by the presentation window
extern int ResultsCounter;  // numbers the results lines of all windows; never wraps
extern int BackgroundIndex; // list position of the next background picture
extern QDateTime RunStarted; // when the program started, for the teacher's record

// Ends the program at once. Tests replace it.
extern std::function<void()> EndProgram;

// Back to the state of a fresh start (tests).
void reset();

} // namespace Module1

namespace AppFolder {

// The folder of the executable, unless a test points it elsewhere.
QString path();
void setPath(const QString &folder);
// Application folder followed by a relative path such as "/sonidos/pulsa.wav".
QString resource(const QString &relative);

} // namespace AppFolder

namespace Sound {

// Plays a clip asynchronously; a new request cuts off the clip still playing.
// A missing, unreadable or implausible file gives the platform's beep (or silence).
void play(const QString &relative);
// Every relative path asked for, in order (tests read and clear it).
QStringList &requests();
// Whether a file is plausibly a short sound clip: a regular file of at most
// MaxClipBytes, RIFF/WAVE with PCM samples, whose data fits in the file.
bool plausibleClip(const QString &file);
constexpr qint64 MaxClipBytes = 4 * 1024 * 1024;

} // namespace Sound

namespace Language {

// Reads up to count lines of the text file folder + name, found under exactly
// that name as a regular file, decoded from Windows-1252 (or from UTF-8 or
// UTF-16 when the file says so), line ends removed and nothing else but control
// characters, each line cut at a few hundred characters. No value when the file
// is missing, present under another case, or not a regular file.
std::optional<QStringList> read(const QString &relativeFolder, const QString &name, int count);

// Where one line of a window's language file goes: line `number`, counted
// from 1, is handed to `put`.
struct Line {
    int number;
    std::function<void(const QString &)> put;
};

// Reads the file and hands each line of the table its text, as far as the file
// has lines; a place whose line the file lacks keeps what it had.
void load(const QString &relativeFolder, const QString &name, const std::vector<Line> &table);

// The places a line goes to: a control's caption, or a text the window keeps.
template <class Control> std::function<void(const QString &)> caption(Control *c)
{
    return [c](const QString &s) { c->setCaption(s); };
}
inline std::function<void(const QString &)> into(QString &text)
{
    return [&text](const QString &s) { text = s; };
}

} // namespace Language

namespace Clock {

// How many milliseconds one second of the program lasts (tests shorten it);
// measured on the monotonic clock, so midnight does not matter.
int second();
// Sets the length of a second; 0 restores the real one.
void setSecond(int ms);

} // namespace Clock

namespace Random {

// A uniform random number in [0, 1).
double Rnd();
// Int(Rnd × n) + k: a whole number from k to k + n − 1.
int Digit(int n, int k = 0);
// Seeds the generator from the clock (every window that draws does this at load).
void Randomize();
// Replaces the source (tests); an empty function restores the generator.
void setSource(std::function<double()> source);

} // namespace Random
