// The language files: every caption and message of a window, one per line.
#pragma once

#include <QList>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

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
// A window's file (folder WindowFolder) is read in the current language: the
// Spanish file of idioma/, then the same file of idioma/<code>/, whose lines
// replace the Spanish ones; where the translation lacks the file or a line, or
// the line is blank, the Spanish line stands.
void load(const QString &relativeFolder, const QString &name, const std::vector<Line> &table);

// The folder of the windows' language files; the Spanish ones lie in it, each
// other language's in a folder named by its code inside it.
inline const QString WindowFolder = QStringLiteral("/idioma/");

// The line numbers of a window's file that its window has asked for, since the
// program started (every line of a file should be used by its window).
QSet<int> linesAsked(const QString &name);

// ---------------------------------------------------------------- the languages

// One language the program speaks: its code (the folder of its files), its name
// in itself, what it calls a language (the chooser's name), and its locale.
struct Tongue {
    QString code;
    QString name;
    QString chooserName;
    QLocale locale;
};
// Spanish, Catalan, Basque and Galician, in the chooser's order.
const QList<Tongue> &tongues();
// The language of the windows loaded from now on ("es", "ca", "eu", "gl").
const Tongue &current();
// Makes this the current language, with Qt's own dialogs and the default locale
// (dates, numbers) in it. An unknown code changes nothing and gives false.
bool setCurrent(const QString &code);
// The language of the desktop's messages (LC_ALL, LC_MESSAGES, LANG): Catalan,
// Basque or Galician when it names one, Spanish otherwise.
QString desktop();

// Where the last choice is kept between runs. Until main() hands it a memory
// of its own (or when it is handed one without both hooks), the choice is kept
// only for the run.
struct Memory {
    std::function<QString()> recall;                  // the code chosen last, or nothing
    std::function<void(const QString &code)> remember; // keep this choice
};
void setMemory(Memory memory);
// The language to start in: the one chosen last on this computer, or the
// desktop's when none was (or what was kept is not a language of ours).
QString atStart();
// The child's or teacher's choice: made current and remembered.
bool choose(const QString &code);

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
