// The language files: every caption and message of a window, one per line.
#pragma once

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
