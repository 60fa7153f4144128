#include "storage/transfer.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <climits>

namespace Transfer {

namespace {

const QByteArray Kind = QByteArrayLiteral("CUENTAS-HISTORIAL\t");
const QByteArray End = QByteArrayLiteral("FIN\t");
// Far beyond a school's years (a class's year is some 30 MB): a bigger file is not read.
constexpr qint64 MostBytes = qint64(1) << 30;

QByteArray escaped(const QString &name)
{
    QByteArray out;
    for (char c : name.toUtf8())
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    return out;
}

std::optional<QString> unescaped(QByteArrayView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        default: return std::nullopt;
        }
    }
    QString s = QString::fromUtf8(out);
    if (s.toUtf8() != out) // not UTF-8
        return std::nullopt;
    return s;
}

QByteArray lineOf(const Attempt &a)
{
    auto id = [](const QUuid &u) { return u.toByteArray(QUuid::WithoutBraces); };
    auto flag = [](bool b) { return b ? QByteArrayLiteral("1") : QByteArrayLiteral("0"); };
    return QByteArrayList{"A",
                          id(a.id),
                          id(a.exercise),
                          escaped(a.child),
                          Storage::timeAsText(a.ended).toLatin1(),
                          QByteArray::number(int(a.kind)),
                          QByteArray::number(a.a),
                          QByteArray::number(a.b),
                          flag(a.oneDigit),
                          Storage::cellsAsText(a.cells).toLatin1(),
                          flag(a.right),
                          flag(a.race)}
               .join('\t') +
           '\n';
}

std::optional<Attempt> attemptOf(QByteArrayView line)
{
    QList<QByteArrayView> f;
    for (qsizetype start = 0, i = 0; i <= line.size(); ++i)
        if (i == line.size() || line[i] == '\t') {
            f << line.sliced(start, i - start);
            start = i + 1;
        }
    if (f.size() != 12 || f[0] != "A")
        return std::nullopt;
    auto uuid = [](QByteArrayView t) -> std::optional<QUuid> {
        const QUuid u = QUuid::fromString(QLatin1StringView(t));
        return u.toByteArray(QUuid::WithoutBraces) == t ? std::optional(u) : std::nullopt;
    };
    auto integer = [](QByteArrayView t, int low, int high) -> std::optional<int> {
        bool ok = false;
        const int v = t.toInt(&ok);
        return ok && v >= low && v <= high ? std::optional(v) : std::nullopt;
    };
    const auto id = uuid(f[1]), exercise = uuid(f[2]);
    const auto child = unescaped(f[3]);
    const QDateTime ended = Storage::timeFromText(QString::fromLatin1(f[4]));
    const auto kind = integer(f[5], 0, ExerciseKinds - 1);
    const auto a = integer(f[6], INT_MIN, INT_MAX), b = integer(f[7], INT_MIN, INT_MAX);
    const auto oneDigit = integer(f[8], 0, 1), right = integer(f[10], 0, 1), race = integer(f[11], 0, 1);
    const auto cells = Storage::cellsFromText(QString::fromLatin1(f[9]));
    if (!id || id->isNull() || !exercise || !child || !ended.isValid() || !kind || !a || !b || !oneDigit || !right || !race || !cells)
        return std::nullopt;
    Attempt at;
    at.id = *id;
    at.exercise = *exercise;
    at.child = *child;
    at.ended = ended.toUTC();
    at.kind = ExerciseKind(*kind);
    at.a = *a;
    at.b = *b;
    at.oneDigit = *oneDigit;
    at.cells = *cells;
    at.right = *right;
    at.race = *race;
    return at;
}

} // namespace

Written Write(const Storage &history, const QString &file)
{
    if (!history.isOpen())
        return {.trouble = Trouble::NoHistory};
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return {.trouble = Trouble::Unwritable};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray pending;
    bool written = true;
    auto put = [&](const QByteArray &bytes, bool hashed = true) {
        if (hashed)
            hash.addData(bytes);
        pending += bytes;
        if (pending.size() > (1 << 20) || !hashed) {
            written = written && out.write(pending) == pending.size();
            pending.clear();
        }
    };
    put(Kind + QByteArray::number(Version) + '\n');
    int count = 0;
    const bool read = history.eachAttempt([&](const Attempt &a) {
        put(lineOf(a));
        ++count;
    });
    if (!read) {
        out.cancelWriting();
        return {.trouble = Trouble::Failed};
    }
    put(End + QByteArray::number(count) + '\t' + hash.result().toHex() + '\n', false);
    if (!written || !out.commit())
        return {.trouble = Trouble::Unwritable};
    return {Trouble::None, count};
}

Read ReadFile(const QString &file)
{
    QFile f(file);
    if (!QFileInfo(file).isFile() || !f.open(QIODevice::ReadOnly))
        return {.trouble = Trouble::Unreadable};
    const QByteArray first = f.readLine(64);
    if (!first.startsWith(Kind) || !first.endsWith('\n'))
        return {.trouble = first.startsWith(Kind) ? Trouble::Damaged : Trouble::Foreign};
    bool ok = false;
    const int version = first.mid(Kind.size()).trimmed().toInt(&ok);
    if (!ok || version < 1)
        return {.trouble = Trouble::Damaged};
    if (version > Version)
        return {.trouble = Trouble::Newer};
    if (f.size() > MostBytes)
        return {.trouble = Trouble::Unreadable};
    const QByteArray all = first + f.readAll();
    if (f.error() != QFileDevice::NoError)
        return {.trouble = Trouble::Unreadable};

    // The last line: how many attempt lines, and the hash of everything before it.
    if (!all.endsWith('\n'))
        return {.trouble = Trouble::Damaged};
    const qsizetype last = all.lastIndexOf('\n', all.size() - 2) + 1;
    const QList<QByteArray> end = all.mid(last, all.size() - 1 - last).split('\t');
    if (end.size() != 3 || end[0] + '\t' != End || last < first.size())
        return {.trouble = Trouble::Damaged};
    const QByteArray body = all.left(last);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() != end[2])
        return {.trouble = Trouble::Damaged};

    Read r;
    const int expected = end[1].toInt(&ok);
    if (!ok || expected < 0)
        return {.trouble = Trouble::Damaged};
    r.attempts.reserve(expected);
    for (qsizetype at = first.size(); at < last;) {
        const qsizetype stop = body.indexOf('\n', at);
        const auto a = attemptOf(QByteArrayView(body).sliced(at, stop - at));
        if (!a)
            return {.trouble = Trouble::Damaged};
        r.attempts.push_back(*a);
        at = stop + 1;
    }
    if (int(r.attempts.size()) != expected)
        return {.trouble = Trouble::Damaged};
    return r;
}

Merged Import(Storage &history, const QString &file)
{
    if (!history.isOpen())
        return {.trouble = Trouble::NoHistory};
    Read r = ReadFile(file);
    if (r.trouble != Trouble::None)
        return {r.trouble};
    const auto merged = history.merge(r.attempts);
    if (!merged)
        return {.trouble = Trouble::Failed};
    return {Trouble::None, *merged};
}

} // namespace Transfer
