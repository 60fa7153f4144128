// The history on disk, on real SQLite files in a temporary folder: written as a
// child works, read back and drawn again, damaged in every way we know, made by
// older versions, killed mid-run, shared by two copies of the program.
#include "testkit.h"

#include "storage/storage.h"
#include "windows/column/form1.h"
#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <unistd.h>

namespace {

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// Runs statements on a file through SQLite alone, as another program would; the
// first value of the last one.
QVariant sqlite(const QString &file, const QStringList &statements)
{
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        for (const QString &s : statements)
            if (q.exec(s) && q.next())
                last = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other program"));
    return last;
}

// A history with n exercises of "Ana", closed again.
void history(const QString &file, int n)
{
    Storage s(file);
    QVERIFY(s.open());
    for (int i = 0; i < n; ++i) {
        Attempt a = Attempt::Of(Exercise::Of(Op::Addition, i, 1), false);
        a.id = QUuid::createUuid();
        a.child = QStringLiteral("Ana");
        a.ended = QDateTime::currentDateTimeUtc();
        QVERIFY(s.add(a));
    }
}

// Makes a file or a folder unwritable, for root too (which writes through
// permissions: the immutable flag stops it). False if it stays writable.
bool setReadOnly(const QString &path, bool on)
{
    QFile::setPermissions(path, on ? QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser
                                   : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (geteuid() == 0 && QProcess::execute(QStringLiteral("chattr"), {on ? "+i" : "-i", path}) != 0)
        return false;
    if (!on)
        return true;
    const QFileInfo info(path);
    QFile probe(info.isDir() ? path + QStringLiteral("/probe") : path);
    const bool writable = probe.open(QIODevice::ReadWrite);
    if (writable && info.isDir())
        probe.remove();
    return !writable;
}

// The program's copy for child processes (tests/history_child.cpp).
QString childProgram() { return QCoreApplication::applicationDirPath() + QStringLiteral("/history_child"); }

} // namespace

class TestStorage : public FreshProgramTest
{
    Q_OBJECT
    QTemporaryDir settings_; // the system-wide settings the tests see (none unless a test writes it)

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings_.path()); }

    // A run worked through the windows, kept as it goes, read back through a
    // second connection: the same attempts, every line drawn again the same,
    // the same things to practise.
    void aRunReadBack()
    {
        QTemporaryDir dir;
        Storage s(dir.filePath("datos/Cuentas/cuentas.sqlite")); // its folders are made
        QVERIFY(s.open());
        forms().setStorage(&s);
        s.keep(forms().record());
        Form1 *f = loadMainWindow("Lucía");
        answerColumn(f, Op::Subtraction, 52, 18, "64");
        f->Command3[0]->setFocus();
        keys(f, "43r"); // mended: the same exercise, a second line
        answerColumn(f, Op::Subtraction, 83, 47, "44");
        answerColumn(f, Op::Subtraction, 725, 368, "344");
        tourEveryWindow(); // a race, a long multiplication, a long division
        const std::vector<Attempt> &run = forms().record().attempts();
        QCOMPARE(int(run.size()), 8);

        Storage again(s.file());
        QVERIFY(again.open());
        const std::vector<Attempt> stored = again.attempts("LUCIA");
        QVERIFY(stored == run); // every field, every cell's first entry and end
        QVERIFY(std::any_of(stored.begin(), stored.end(), [](const Attempt &a) { return a.race; }));
        const Form5 *r = forms().form5();
        QStringList redrawn;
        for (std::size_t i = 0; i < stored.size(); ++i)
            redrawn << r->Format.Line(int(i) + 1, stored[i]);
        QCOMPARE(redrawn, resultsLines());
        QCOMPARE(r->Format.Review(stored), r->Format.Review(run));
        QVERIFY(r->Format.Review(stored).join('\n').contains("Resta el número menor del mayor: 3 de 3 restas en que podía"));
        QCOMPARE(sqlite(s.file(), {"PRAGMA journal_mode"}).toString(), QStringLiteral("wal"));
        QCOMPARE(again.integrity(), QStringLiteral("ok"));
        QVERIFY(!r->Label2->Visible()); // kept: nothing to say
    }

    void aChildIsAName_data()
    {
        QTest::addColumn<QStringList>("names"); // typed at the presentation window, one run each
        QTest::addColumn<int>("children");
        QTest::addColumn<int>("first");  // attempts of the first name's child
        QTest::addColumn<QString>("shown");
        QTest::newRow("case, accents, blanks") << QStringList{"Lucía", "lucia ", "LUCIA", "  lucía"} << 1 << 4 << "Lucía";
        QTest::newRow("ñ is a letter of its own") << QStringList{"Peña", "PEÑA", "Pena"} << 2 << 2 << "Peña";
        QTest::newRow("another mark on an n is an accent") << QStringList{"Ńel", "NEL"} << 1 << 2 << "Ńel";
        QTest::newRow("blanks inside") << QStringList{"Ana  María", "ana maria"} << 1 << 2 << "Ana María";
    }
    void aChildIsAName()
    {
        QFETCH(QStringList, names);
        QFETCH(int, children);
        QFETCH(int, first);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        Storage s(dir.filePath("cuentas.sqlite"));
        QVERIFY(s.open());
        s.keep(forms().record());
        for (const QString &name : names) {
            Module1::PlayerName = name;
            addAttempt(ExerciseKind::Addition, 2, 3, true);
        }
        QCOMPARE(int(s.children().size()), children);
        QCOMPARE(s.child(names.first())->name, shown);
        QCOMPARE(int(s.attempts(names.last()).size()), names.last() == "Pena" ? 1 : first);
        QCOMPARE(int(s.attempts(names.first()).size()), first);
        QCOMPARE(s.attempts(names.first()).front().child, shown);
    }

    void settingsOfThisComputer()
    {
        QTemporaryDir dir;
        {
            Storage s(dir.filePath("cuentas.sqlite"));
            QVERIFY(!s.setting("idioma")); // not open yet
            QVERIFY(s.open());
            QVERIFY(!s.setting("idioma"));
            QVERIFY(s.setSetting("idioma", "ca") && s.setSetting("idioma", "eu"));
        }
        Storage s(dir.filePath("cuentas.sqlite"));
        QVERIFY(s.open());
        QCOMPARE(s.setting("idioma").value_or(""), QStringLiteral("eu"));
    }

    // When the history cannot be kept the program starts and works, the results
    // window says why in one line, and a file that is not a history of ours is
    // set aside, never deleted, and a new one started.
    void cannotBeKept_data()
    {
        QTest::addColumn<int>("trouble");
        QTest::addColumn<bool>("setAside");
        QTest::addColumn<QString>("line");
        using T = Storage::Trouble;
        const QString aside = "El historial estaba dañado o no era de Cuentas: se ha guardado aparte, en su misma carpeta, como cuentas-apartado-";
        const QString notKept = "Estos ejercicios no se guardan en el historial: ";
        QTest::newRow("truncated") << int(T::None) << true << aside;
        QTest::newRow("random bytes") << int(T::None) << true << aside;
        QTest::newRow("zeros") << int(T::None) << true << aside;
        QTest::newRow("another program's SQLite file") << int(T::None) << true << aside;
        QTest::newRow("a folder in its place") << int(T::Folder) << false << notKept + "en su lugar hay una carpeta: ";
        QTest::newRow("read-only file") << int(T::NotWritable) << false << notKept + "no se puede escribir en ";
        QTest::newRow("read-only folder") << int(T::NotWritable) << false << notKept + "no se puede escribir en ";
        QTest::newRow("a newer version") << int(T::Newer) << false << notKept + "lo escribió una versión más nueva de Cuentas.";
        QTest::newRow("no SQLite driver") << int(T::NoDriver) << false << notKept + "falta el módulo SQLite de Qt (libqt6sql6-sqlite).";
        QTest::newRow("switched off for the computer") << int(T::SwitchedOff) << false
                                                        << notKept + "el administrador de este ordenador lo ha desactivado.";
    }
    void cannotBeKept()
    {
        QFETCH(int, trouble);
        QFETCH(bool, setAside);
        QFETCH(QString, line);
        const QString damage = QTest::currentDataTag();
        QTemporaryDir dir;
        const QString folder = dir.filePath("Cuentas"), file = folder + "/cuentas.sqlite";
        QDir().mkpath(folder);
        QByteArray random(8192, 0);
        for (char &c : random)
            c = char(Random::Digit(256));
        if (damage == "truncated" || damage == "read-only file" || damage == "a newer version") {
            history(file, 40);
            if (damage == "truncated")
                QFile::resize(file, QFileInfo(file).size() / 2);
            if (damage == "a newer version")
                sqlite(file, {QStringLiteral("PRAGMA user_version = %1").arg(Storage::Version + 1)});
        } else if (damage == "random bytes" || damage == "zeros") {
            put(file, damage == "zeros" ? QByteArray(8192, 0) : random);
            put(file + "-wal", random.left(4096)); // its log and shared memory go with it, untouched
            put(file + "-shm", random.right(4096));
        } else if (damage == "another program's SQLite file") {
            sqlite(file, {"CREATE TABLE notes (body TEXT)", "INSERT INTO notes VALUES ('la lista de la compra')"});
        } else if (damage == "a folder in its place") {
            QDir().mkpath(file);
        } else if (damage == "switched off for the computer") {
            QDir().mkpath(settings_.filePath("Cuentas"));
            QFile conf(settings_.filePath("Cuentas/Cuentas.conf"));
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write("[Historial]\nGuardar=no\n");
        }
        const QString locked = damage == "read-only file" ? file : damage == "read-only folder" ? folder : QString();
        if (!locked.isEmpty() && !setReadOnly(locked, true)) {
            setReadOnly(locked, false);
            QSKIP("cannot make it read-only here");
        }
        const QByteArray before = bytesOf(file);

        Storage s(file, damage == "no SQLite driver" ? "QNOSUCHDRIVER" : "QSQLITE");
        QCOMPARE(s.open(), setAside);
        QCOMPARE(int(s.trouble()), trouble);
        QCOMPARE(!s.setAside().isEmpty(), setAside);
        if (setAside) {
            QCOMPARE(bytesOf(s.setAside()), before); // kept as it was, beside the new one
            if (damage == "random bytes") { // the log as it was (the shared memory is only an index of it)
                QCOMPARE(bytesOf(s.setAside() + "-wal"), random.left(4096));
                QVERIFY(QFileInfo::exists(s.setAside() + "-shm"));
            }
            QVERIFY(QFileInfo(s.setAside()).fileName().startsWith("cuentas-apartado-" + QDate::currentDate().toString(Qt::ISODate)));
        } else {
            QCOMPARE(bytesOf(file), before); // untouched
        }

        // The program as a child uses it: everything works, the line says why.
        forms().setStorage(&s);
        s.keep(forms().record());
        Form1 *f = loadMainWindow();
        answerColumn(f, Op::Addition, 25, 17, "24");
        QCOMPARE(resultsLines(), QStringList{"1. Suma: 25 + 17 = 42 ** ¡MUY BIEN! **"});
        const Label *said = forms().form5()->Label2;
        QVERIFY(said->Visible());
        QVERIFY2(said->Caption().startsWith(line), qPrintable(said->Caption()));
        QCOMPARE(spoken(const_cast<Label *>(said)), said->Caption());
        QVERIFY(forms().form5()->List1->geometry().bottom() < said->geometry().top()); // the list makes room
        QCOMPARE(s.count(), setAside ? 1 : 0);
        if (!locked.isEmpty())
            setReadOnly(locked, false);
        QFile::remove(settings_.filePath("Cuentas/Cuentas.conf"));
    }

    // Every earlier version of the file comes up to this one, whatever it held
    // (a new version adds its row here, with a file as the older program left it).
    void migrations_data()
    {
        QTest::addColumn<QByteArray>("earlier"); // the file, or "sqlite:" and what SQLite ran on it
        QTest::newRow("0: an empty file") << QByteArray();
        QTest::newRow("0: an empty SQLite database") << QByteArray("sqlite:PRAGMA user_version = 0");
    }
    void migrations()
    {
        QFETCH(QByteArray, earlier);
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        if (earlier.startsWith("sqlite:"))
            sqlite(file, {QString::fromUtf8(earlier.mid(7)), "VACUUM"});
        else
            put(file, earlier);
        QVERIFY(QFileInfo::exists(file));
        for (int open = 0; open < 2; ++open) { // the second time, there is nothing to bring up
            Storage s(file);
            QVERIFY(s.open());
            QVERIFY(s.setAside().isEmpty());
            QCOMPARE(sqlite(file, {"PRAGMA user_version"}).toInt(), Storage::Version);
            QCOMPARE(sqlite(file, {"SELECT COUNT(*) FROM sqlite_master WHERE name IN ('child', 'attempt', 'setting')"}).toInt(), 3);
            Attempt a = Attempt::Of(Exercise::Of(Op::Addition, 2, 3), false);
            a.id = QUuid::createUuid();
            a.ended = QDateTime::currentDateTimeUtc();
            QVERIFY2(s.add(a), qPrintable(QString::number(int(s.trouble()))));
            QCOMPARE(s.count(), open + 1);
        }
    }

    // A copy of the program finishes K exercises and is killed outright: the
    // next start finds all K, in a sound file.
    void killedAfterK()
    {
        const int k = 4;
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        QProcess child;
        child.start(childProgram(), {file, "Ana", QString::number(k)});
        QVERIFY2(child.waitForStarted(), qPrintable(childProgram()));
        QByteArray said;
        while (!said.contains(QByteArray("done ") + QByteArray::number(k)) && child.state() == QProcess::Running)
            if (child.waitForReadyRead(30000))
                said += child.readAllStandardOutput();
            else
                break;
        QVERIFY2(said.contains(QByteArray("done ") + QByteArray::number(k)), said.constData());
        child.kill(); // SIGKILL
        child.waitForFinished();
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo(file + "-wal").size() > 0); // what it wrote was still in the log
        Storage s(file);
        QVERIFY(s.open());
        QCOMPARE(s.count(), k);
        QCOMPARE(s.integrity(), QStringLiteral("ok"));
        QCOMPARE(s.attempts("ana").back().a, 10 * k);
    }

    // Two copies of the program writing into one history as fast as they can:
    // nothing lost, and neither takes the other's file for a damaged one.
    void twoCopiesAtOnce_data()
    {
        QTest::addColumn<int>("after"); // the second starts once the first has written this many
        QTest::newRow("both start at once") << 0;
        QTest::newRow("one starts while the other writes") << 40;
    }
    void twoCopiesAtOnce()
    {
        QFETCH(int, after);
        const int each = 300;
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        QProcess one, two;
        one.start(childProgram(), {file, "Ana", QString::number(each), "--direct"});
        for (QByteArray said; after > 0 && !said.contains("done " + QByteArray::number(after)) && one.waitForReadyRead(30000);)
            said += one.readAllStandardOutput();
        two.start(childProgram(), {file, "ANA", QString::number(each), "--direct"});
        for (QProcess *p : {&one, &two}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
        }
        Storage s(file);
        QVERIFY(s.open());
        QCOMPARE(s.count(), 2 * each);
        QCOMPARE(int(s.attempts("ana").size()), 2 * each);
        QCOMPARE(int(s.children().size()), 1);
        QCOMPARE(QDir(dir.path()).entryList({"*apartado*"}), QStringList()); // nothing set aside
        QCOMPARE(s.integrity(), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
