#include "commandline.h"

#include "app/language.h"
#include "exercises/numbers.h"
#include "record/spreadsheet.h"
#include "storage/storage.h"
#include "storage/transfer.h"
#include "windows/class/classwindow.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

// Qt's own options for the window system, which the windows take as they always did.
bool windowSystemOption(const QString &arg)
{
    static const QStringList qt{"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowicon",
                                "-qwindowtitle", "-reverse", "-session", "-display", "-geometry", "-style", "-stylesheet", "-widgetcount",
                                "-nograb", "-dograb", "-sync", "-name", "-title", "-visual", "-ncols", "-cmap"};
    return qt.contains(arg.section(QLatin1Char('='), 0, 0));
}

void line(FILE *to, const QString &text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), to);
    std::fflush(to);
}

int fail(const QString &text, int status = 1)
{
    line(stderr, text);
    return status;
}

} // namespace

void ChooseLanguage(Storage &history)
{
    Language::setMemory({[&history] { return history.peekSetting(Storage::LanguageSetting).value_or(QString()); },
                         [&history](const QString &code) { history.setSetting(Storage::LanguageSetting, code); }});
    Language::setCurrent(Language::atStart());
}

std::optional<int> RunCommandLine(int argc, char *argv[])
{
    if (argc < 2 || (windowSystemOption(QString::fromLocal8Bit(argv[1])) && !QString::fromLocal8Bit(argv[1]).startsWith(QLatin1String("--"))))
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cuentas")); // the history's folder, as the windows find it
    {
        Storage kept; // its words and Qt's own ("Uso", "Opciones") in the language of the computer
        ChooseLanguage(kept);
        Language::setMemory({}); // nothing chosen here
    }
    const ClassWords words = ClassWindow::loadWords();

    QCommandLineParser parser;
    parser.setApplicationDescription(words.about);
    const QCommandLineOption exportOption(QStringLiteral("export"), words.exportOption, words.file);
    const QCommandLineOption importOption(QStringLiteral("import"), words.importOption, words.file);
    const QCommandLineOption csvOption(QStringLiteral("csv"), words.csvOption, words.file);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, words.helpOption);
    parser.addOptions({exportOption, importOption, csvOption, helpOption});
    const QStringList args = QCoreApplication::arguments();
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().constFirst();
            return fail(Formatter::fill(words.unknownOption, (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name), 2);
        }
        return fail(Formatter::fill(words.missingFile, args.constLast()), 2); // an option that takes a file came last
    }
    if (parser.isSet(helpOption)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    const int actions = parser.isSet(exportOption) + parser.isSet(importOption) + parser.isSet(csvOption);
    if (!parser.positionalArguments().isEmpty() || actions == 0)
        return fail(Formatter::fill(words.unexpected, parser.positionalArguments().join(QLatin1Char(' '))), 2);
    if (actions > 1 || parser.values(exportOption).size() + parser.values(importOption).size() + parser.values(csvOption).size() > 1)
        return fail(words.oneOption, 2);

    Storage history;
    if (!history.open())
        return fail(ClassWindow::NotKeptLine(words, &history));
    auto written = [&](const QString &file, int count) {
        line(stdout, Formatter::fill(words.written, {QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), num(count)}));
        return 0;
    };
    if (parser.isSet(exportOption)) {
        const QString file = parser.value(exportOption);
        const Transfer::Written w = Transfer::Write(history, file);
        return w.trouble == Transfer::Trouble::None ? written(file, w.attempts) : fail(words.trouble(w.trouble));
    }
    if (parser.isSet(importOption)) {
        const Transfer::Merged m = Transfer::Import(history, parser.value(importOption));
        if (m.trouble != Transfer::Trouble::None)
            return fail(words.trouble(m.trouble));
        line(stdout, m.merged.attempts == 0 ? words.nothingNew
                                            : Formatter::fill(words.merged, {num(m.merged.attempts), num(m.merged.children), num(m.merged.newChildren)}));
        return 0;
    }
    const QString file = parser.value(csvOption);
    const Words formatterWords = ClassWindow::loadFormatterWords();
    const Spreadsheet sheet(formatterWords, words.sheet);
    int count = 0;
    const bool done = Spreadsheet::Write(file, sheet.ExerciseHeader(), [&](const auto &put) {
        return history.eachAttempt([&](const Attempt &a) {
            put(sheet.ExerciseFields(a));
            ++count;
        });
    });
    return done ? written(file, count) : fail(words.trouble(Transfer::Trouble::Unwritable));
}
