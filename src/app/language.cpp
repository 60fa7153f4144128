#include "app/module1.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace Language {

std::optional<QStringList> read(const QString &relativeFolder, const QString &name, int count)
{
    const QString folder = AppFolder::resource(relativeFolder);
    // The name must match exactly, case included: a file under another case is not read.
    if (!QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).contains(name, Qt::CaseSensitive))
        return std::nullopt;
    QFile f(QDir(folder).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(1 << 20); // a language file is a few lines; never read a huge file whole
    QStringList lines;
    QStringDecoder decode("windows-1252");
    qsizetype start = 0;
    while (start < bytes.size() && lines.size() < count) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes.at(stop - 1) == '\r')
            --stop;
        lines << decode(bytes.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

void apply(const std::optional<QStringList> &lines, std::initializer_list<std::function<void(const QString &)>> destinations)
{
    if (!lines)
        return;
    int i = 0;
    for (const auto &destination : destinations) {
        if (i >= lines->size())
            break;
        destination(lines->at(i++));
    }
}

} // namespace Language
