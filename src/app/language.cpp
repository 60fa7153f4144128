#include "app/language.h"
#include "app/appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTranslator>

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

QMap<QString, QSet<int>> &askedLines()
{
    static QMap<QString, QSet<int>> asked;
    return asked;
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
    const bool window = relativeFolder == WindowFolder;
    if (window)
        for (const Line &l : table)
            askedLines()[name] << l.number;
    auto lines = read(relativeFolder, name, count);
    if (window && current().code != tongues().first().code) {
        const auto translated = read(relativeFolder + current().code + QLatin1Char('/'), name, count);
        if (translated) {
            if (!lines)
                lines = QStringList();
            for (qsizetype i = 0; i < translated->size(); ++i) {
                if (translated->at(i).trimmed().isEmpty())
                    continue; // not translated: the Spanish line stands
                if (i < lines->size())
                    (*lines)[i] = translated->at(i);
                else if (i == lines->size())
                    lines->append(translated->at(i));
                else
                    break; // a line the Spanish file lacks stands between: keep what the places have
            }
        }
    }
    if (!lines)
        return;
    for (const Line &l : table)
        if (l.number <= lines->size())
            l.put(lines->at(l.number - 1));
}

QSet<int> linesAsked(const QString &name) { return askedLines().value(name); }

// ---------------------------------------------------------------- the languages

const QList<Tongue> &tongues()
{
    static const QList<Tongue> all{
        {QStringLiteral("es"), QStringLiteral("Español"), QStringLiteral("Idioma"), QLocale(QLocale::Spanish, QLocale::Spain)},
        {QStringLiteral("ca"), QStringLiteral("Català"), QStringLiteral("Llengua"), QLocale(QLocale::Catalan, QLocale::Spain)},
        {QStringLiteral("eu"), QStringLiteral("Euskara"), QStringLiteral("Hizkuntza"), QLocale(QLocale::Basque, QLocale::Spain)},
        {QStringLiteral("gl"), QStringLiteral("Galego"), QStringLiteral("Lingua"), QLocale(QLocale::Galician, QLocale::Spain)},
    };
    return all;
}

namespace {

const Tongue *find(const QString &code)
{
    for (const Tongue &t : tongues())
        if (t.code == code)
            return &t;
    return nullptr;
}

const Tongue *&currentTongue()
{
    static const Tongue *t = &tongues().first();
    return t;
}

// The words of the standard buttons of Qt's dialogs, for a language Qt has no
// translation of (Basque): a message box's answers are never in another language.
class ButtonWords : public QTranslator
{
public:
    QHash<QString, QString> words; // Qt's English word, and ours
    bool isEmpty() const override { return words.isEmpty(); }
    QString translate(const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        return qstrcmp(context, "QPlatformTheme") == 0 ? words.value(QString::fromUtf8(source)) : QString();
    }
};

QHash<QString, QString> buttonWords(const QString &code)
{
    if (code == QLatin1String("eu"))
        return {{"OK", "Ados"},      {"Cancel", "Utzi"}, {"&Yes", "&Bai"}, {"&No", "&Ez"},      {"Yes", "Bai"},
                {"No", "Ez"},        {"Close", "Itxi"},  {"Save", "Gorde"}, {"Open", "Ireki"},  {"Apply", "Aplikatu"},
                {"&OK", "&Ados"},    {"Help", "Laguntza"}};
    return {};
}

// Qt's own words (the print dialog, a message box's buttons, a text box's menu):
// its Spanish always, and before it the language's own where Qt has one (or our
// words for the standard buttons where it has none); a word that translation
// lacks is said in Spanish.
void translateQt(const Tongue &t)
{
    static QTranslator spanish, own;
    static ButtonWords buttons;
    static bool spanishLoaded = false;
    if (!QCoreApplication::instance())
        return;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!spanishLoaded) {
        spanishLoaded = spanish.load(tongues().first().locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder);
        if (spanishLoaded)
            QCoreApplication::installTranslator(&spanish);
    }
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&buttons);
    if (&t == &tongues().first())
        return;
    // Catalan has a translation of Qt 6's base; Galician only one of an older Qt, named "qt".
    if (own.load(t.locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        own.load(t.locale, QStringLiteral("qt"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&own);
    else if (buttons.words = buttonWords(t.code); !buttons.isEmpty())
        QCoreApplication::installTranslator(&buttons);
}

QString &keptInMemory()
{
    static QString code;
    return code;
}

Memory forTheRun()
{
    keptInMemory().clear();
    return {[] { return keptInMemory(); }, [](const QString &code) { keptInMemory() = code; }};
}

Memory &memory()
{
    static Memory m = forTheRun();
    return m;
}

} // namespace

const Tongue &current() { return *currentTongue(); }

bool setCurrent(const QString &code)
{
    const Tongue *t = find(code);
    if (!t)
        return false;
    currentTongue() = t;
    QLocale::setDefault(t->locale);
    translateQt(*t);
    return true;
}

QString desktop()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        // "ca_ES.UTF-8", "ca_ES@valencia", "gl": the language is what comes before _ . @
        const QString code = value.section(QRegularExpression(QStringLiteral("[_.@]")), 0, 0).toLower();
        return find(code) ? code : tongues().first().code;
    }
    return tongues().first().code;
}

void setMemory(Memory m) { memory() = m.recall && m.remember ? std::move(m) : forTheRun(); }

QString atStart()
{
    const QString kept = memory().recall();
    return find(kept) ? kept : desktop();
}

bool choose(const QString &code)
{
    if (!setCurrent(code))
        return false;
    memory().remember(code);
    return true;
}

} // namespace Language
