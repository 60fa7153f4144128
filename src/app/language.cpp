#include "app/language.h"
#include "app/appfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace Language {

namespace {

// A language file is a dozen short lines. A line is cut at MaxLineChars
// characters (no caption or word comes near it) and the rest of it is skipped;
// no more than MaxFileBytes of a file are ever read.
constexpr int MaxLineChars = 300;
constexpr qint64 MaxLineBytes = 4 * MaxLineChars;
constexpr qint64 MaxFileBytes = 1024 * 1024;

// A caption never carries control characters other than a tab.
QString cleaned(QStringView line)
{
    QString out;
    for (QChar c : line.left(MaxLineChars))
        if (c == QLatin1Char('\t') || c.category() != QChar::Other_Control)
            out += c;
    return out;
}

QStringList cleanedLines(const QString &text, int count)
{
    QStringList lines;
    for (qsizetype start = 0; start < text.size() && lines.size() < count;) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text.at(stop - 1) == QLatin1Char('\r'))
            --stop;
        lines << cleaned(QStringView(text).mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

// The first count lines of a file in a one-byte or UTF-8 encoding, without their
// line ends, each at most MaxLineBytes long.
QList<QByteArray> rawLines(QFile &f, int count)
{
    QList<QByteArray> lines;
    qint64 budget = MaxFileBytes;
    while (lines.size() < count && !f.atEnd() && budget > 0) {
        QByteArray line = f.readLine(qMin(budget, MaxLineBytes) + 1);
        budget -= line.size();
        bool ended = line.endsWith('\n');
        while (!ended && !f.atEnd() && budget > 0) { // the rest of an overlong line
            const QByteArray rest = f.readLine(qMin<qint64>(budget, 64 * 1024) + 1);
            budget -= rest.size();
            ended = rest.endsWith('\n');
        }
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << line;
    }
    return lines;
}

// Valid UTF-8 (a line cut short may end inside a character).
bool validUtf8(const QByteArray &line)
{
    for (int cut = 0; cut <= 3 && cut <= line.size(); ++cut) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)QString(utf8(line.chopped(cut)));
        if (!utf8.hasError())
            return true;
        if (line.size() < MaxLineBytes)
            return false; // only a cut line may end inside a character
    }
    return false;
}

} // namespace

std::optional<QStringList> read(const QString &relativeFolder, const QString &name, int count)
{
    const QString folder = AppFolder::resource(relativeFolder);
    // The name must match exactly, case included: a file under another case is not read.
    if (!QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).contains(name, Qt::CaseSensitive))
        return std::nullopt;
    // Only a regular file: a pipe or a device in its place would never end.
    const QFileInfo info(QDir(folder).filePath(name));
    if (!info.isFile())
        return std::nullopt;
    QFile f(info.filePath());
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;

    // As shipped the files are Windows-1252. One re-saved by a modern editor is
    // UTF-16 or UTF-8, known by its byte-order mark or, for UTF-8, by being
    // valid UTF-8 with characters beyond ASCII. A byte-order mark is not text.
    const QByteArray mark = f.peek(3);
    if (mark.startsWith("\xFF\xFE") || mark.startsWith("\xFE\xFF")) {
        f.skip(2);
        QStringDecoder utf16(mark.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return cleanedLines(utf16(f.read(MaxFileBytes)), count);
    }
    const bool markedUtf8 = mark == "\xEF\xBB\xBF";
    if (markedUtf8)
        f.skip(3);
    const QList<QByteArray> raw = rawLines(f, count);
    bool utf8 = markedUtf8;
    if (!utf8) {
        bool beyondAscii = false, valid = true;
        for (const QByteArray &line : raw) {
            for (char c : line)
                beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
            valid = valid && validUtf8(line);
        }
        utf8 = beyondAscii && valid;
    }
    QStringList lines;
    for (const QByteArray &line : raw) {
        QStringDecoder decode = utf8 ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder("windows-1252");
        lines << cleaned(QString(decode(line)));
    }
    return lines;
}

void load(const QString &relativeFolder, const QString &name, const std::vector<Line> &table)
{
    int count = 0;
    for (const Line &l : table)
        count = qMax(count, l.number);
    const auto lines = read(relativeFolder, name, count);
    if (!lines)
        return;
    for (const Line &l : table)
        if (l.number <= lines->size())
            l.put(lines->at(l.number - 1));
}

} // namespace Language
