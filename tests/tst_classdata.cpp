// The teacher's class without its window, on real history files in a
// temporary folder: each child's row for the days chosen, the spreadsheets read
// back by a real CSV reader, another computer's history merged (and every kind
// of bad file refused with the history unchanged), deleting, the PIN, the
// switch that keeps the history, the step from version 1, and the command line
// run as a script runs it, with no display.
#include "testkit.h"

#include "record/classroom.h"
#include "record/spreadsheet.h"
#include "storage/storage.h"
#include "storage/teacherpin.h"
#include "storage/transfer.h"
#include "windows/class/classwindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// Wednesday: the week began on Monday the 7th, the school year on the 1st of September.
const QDate Today(2026, 12, 9);

// A long division worked right, but for the last remainder written `off` too high.
Attempt longDivision(const QString &child, const QString &when, int dividend, int divisor, int off)
{
    LongDivision d = LongDivision::Of(dividend, divisor);
    d.Start();
    for (int k = 0; k < int(d.Steps.size()); ++k) {
        d.QuotientCell(k).enter({DigitKey::Digit, d.Steps[k].quotient});
        for (int j = 0; j < d.FirstGroupDigits; ++j) {
            DigitCell &c = d.RemainderCell(k + 1, k + j);
            c.enter({DigitKey::Digit, (c.right + (k + 1 == d.LastRow() && j == d.FirstGroupDigits - 1 ? off : 0)) % 10});
        }
        d.Tick();
        if (d.NextArrow())
            d.BringDown();
    }
    d.Finish();
    return stamped(Attempt::Of(d), child, when);
}

// A long multiplication with right rows and this result, units first.
Attempt longMultiplication(const QString &child, const QString &when, int a, int b, const QString &resultUnitsFirst)
{
    using Row = LongMultiplication::Row;
    LongMultiplication m = LongMultiplication::Of(a, b);
    for (Row row : {Row::First, Row::Second})
        for (int k = 0; k < m.CellCount(row); ++k)
            m.Cell(row, LongMultiplication::FirstColumn(row) + k).enter({DigitKey::Digit, m.Cell(row, LongMultiplication::FirstColumn(row) + k).right});
    for (int k = 0; k < resultUnitsFirst.size(); ++k)
        m.Cell(Row::Result, k).enter({DigitKey::Digit, resultUnitsFirst[k].digitValue()});
    m.Check(Row::Result);
    return stamped(Attempt::Of(m), child, when);
}

Attempt simple(const QString &child, const QString &when, bool right)
{
    return workedColumn(child, when, Op::Addition, 2, 3, right ? QStringLiteral("5") : QStringLiteral("6"));
}

void put(const QString &file, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// Every row of every table of a history file, as another program reads it.
QStringList dump(const QString &file)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(file);
        db.open();
        for (const char *table : {"child", "attempt", "tally", "setting"}) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT * FROM %1").arg(table));
            while (q.next()) {
                QStringList row{table};
                for (int i = 0; i < q.record().count(); ++i)
                    row << q.value(i).toString();
                rows << row.join('|');
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    rows.sort();
    return rows;
}

// A CSV file as Python's csv module reads it, a spreadsheet's dialect: every line's fields.
QList<QStringList> readCsv(const QString &file)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {"-c", "import csv, json, sys\n"
                        "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                        "    print(json.dumps(list(csv.reader(f, delimiter=';', strict=True))))",
                  file});
    python.waitForFinished();
    QList<QStringList> lines;
    for (const QJsonValue &l : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue &f : l.toArray())
            fields << f.toString();
        lines << fields;
    }
    return lines;
}

// The rows as a line each: name, days, exercises, right/count this week and before, the last day.
QString rowsText(const std::vector<Classroom::Row> &rows)
{
    QStringList lines;
    for (const Classroom::Row &r : rows)
        lines << QStringLiteral("%1 %2d %3e %4/%5 %6/%7 %8")
                     .arg(r.name)
                     .arg(r.days)
                     .arg(r.exercises)
                     .arg(r.thisWeek.right)
                     .arg(r.thisWeek.count)
                     .arg(r.before.right)
                     .arg(r.before.count)
                     .arg(r.last.toString(Qt::ISODate));
    return lines.join(QStringLiteral("; "));
}

std::vector<Classroom::Row> rowsOf(const Storage &s, Classroom::Period p, const QDate &first = {}, const QDate &last = {})
{
    const Classroom::Span span = Classroom::SpanOf(p, Today, first, last);
    return Classroom::Rows(s.hours(span.from, span.to), Today);
}

// A class over some months: Ana works this week, last week, last month, on the
// first day of the school year and on the last night of the one before; Luis on
// the 1st of December; Marta in June.
std::vector<Attempt> aClass()
{
    return {simple("Ana", "2026-12-09 10:00:00", true),  simple("ana ", "2026-12-09 10:05:00", false), simple("ANA", "2026-12-07 09:00:00", true),
            simple("Ana", "2026-12-02 09:00:00", false), simple("Ana", "2026-11-20 09:00:00", true),   simple("Ana", "2026-09-01 08:00:00", true),
            simple("Ana", "2026-08-31 23:30:00", true),  simple("Luis", "2026-12-01 12:00:00", true),  simple("Luis", "2026-12-01 12:10:00", true),
            simple("Marta", "2026-06-15 10:00:00", false)};
}

} // namespace

class TestClassData : public FreshProgramTest
{
    Q_OBJECT
    QTemporaryDir settings_;

private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings_.path()); }

    // Each child's row, counted from the hours the history keeps as every
    // attempt is written: the local days, this week from Monday, before it.
    void rows_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("rows");
        QTest::newRow("this week") << int(Classroom::Period::Week) << QDate() << QDate() << "Ana 2d 3e 2/3 0/0 2026-12-09";
        QTest::newRow("this month") << int(Classroom::Period::Month) << QDate() << QDate()
                                    << "Ana 3d 4e 2/3 0/1 2026-12-09; Luis 1d 2e 0/0 2/2 2026-12-01";
        QTest::newRow("this school year") << int(Classroom::Period::SchoolYear) << QDate() << QDate()
                                          << "Ana 5d 6e 2/3 2/3 2026-12-09; Luis 1d 2e 0/0 2/2 2026-12-01";
        QTest::newRow("between two days, given backwards") << int(Classroom::Period::Between) << QDate(2026, 8, 31) << QDate(2026, 6, 1)
                                                           << "Ana 1d 1e 0/0 1/1 2026-08-31; Marta 1d 1e 0/0 0/1 2026-06-15";
        QTest::newRow("one day") << int(Classroom::Period::Between) << QDate(2026, 12, 1) << QDate(2026, 12, 1) << "Luis 1d 2e 0/0 2/2 2026-12-01";
    }
    void rows()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        QFETCH(int, period);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, rows);
        Storage s(file);
        QVERIFY(s.open());
        for (const Attempt &a : aClass())
            QVERIFY(s.add(a));
        QCOMPARE(rowsText(rowsOf(s, Classroom::Period(period), first, last)), rows);
        // The same from a history merged whole.
        Storage other(dir.filePath("other.sqlite"));
        QVERIFY(other.open() && other.merge(aClass()));
        QCOMPARE(rowsText(rowsOf(other, Classroom::Period(period), first, last)), rows);
    }

    // The spreadsheet of every exercise, read back by Python's csv module: a
    // name with a semicolon and quotes, accents, a name a spreadsheet would
    // take for a formula, every kind of answer and the mistakes named in it.
    void spreadsheets()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        Storage s(file);
        QVERIFY(s.open());
        const QString ana = QStringLiteral("Ana; la \"peque\"");
        for (const Attempt &a : {workedColumn(ana, "2026-12-07 10:42:05", Op::Addition, 25, 17, "24"),
                                 workedColumn("Lucía", "2026-12-07 10:43:00", Op::Subtraction, 52, 18, "64"),
                                 workedColumn("Lucía", "2026-12-07 10:44:00", Op::Subtraction, 63, 27, "44"),
                                 longDivision("Lucía", "2026-12-08 09:00:00", 845, 5, 1), longDivision("Lucía", "2026-12-08 09:05:00", 845, 5, 0),
                                 longMultiplication("=1+2", "2026-12-09 11:00:00", 58, 64, "2163")})
            QVERIFY(s.add(a));
        const Words words;
        const SheetWords sheet;
        const Spreadsheet writer(words, sheet);
        const QString csv = dir.filePath("clase.csv");
        QVERIFY(Spreadsheet::Write(csv, writer.ExerciseHeader(), [&](const auto &put) { return s.eachAttempt([&](const Attempt &a) { put(writer.ExerciseFields(a)); }); }));
        QFile raw(csv);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF" "Fecha;Hora;Nombre;Tipo;Ejercicio;Respuesta;Soluci\xC3\xB3n;Bien o mal;Errores\r\n"));
        QCOMPARE(bytes.count("\r\n"), 7);
        const QList<QStringList> expected{
            {"Fecha", "Hora", "Nombre", "Tipo", "Ejercicio", "Respuesta", "Solución", "Bien o mal", "Errores"},
            {"2026-12-09", "11:00:00", "'=1+2", "Multiplicación larga", "58 X 64", "3612", "3712", "mal", "Olvida sumar lo que se lleva"},
            {"2026-12-07", "10:42:05", ana, "Suma", "25 + 17", "42", "42", "bien", ""},
            {"2026-12-07", "10:43:00", "Lucía", "Resta", "52 - 18", "46", "34", "mal", "Resta el número menor del mayor"},
            {"2026-12-07", "10:44:00", "Lucía", "Resta", "63 - 27", "44", "36", "mal", "Resta el número menor del mayor"},
            {"2026-12-08", "09:00:00", "Lucía", "División larga", "845 : 5", "169 resto 1", "169 resto 0", "mal", ""},
            {"2026-12-08", "09:05:00", "Lucía", "División larga", "845 : 5", "169 resto 0", "169 resto 0", "bien", ""},
        };
        QCOMPARE(readCsv(csv), expected);

        // One line per child.
        const std::vector<Classroom::Row> rows = [&] {
            auto r = rowsOf(s, Classroom::Period::Week);
            for (Classroom::Row &row : r)
                row.mistakes = Classroom::MistakesOf(s.attempts(row.name), Today);
            return r;
        }();
        QVERIFY(Spreadsheet::Write(csv, writer.ChildHeader(), [&](const auto &put) {
            for (const Classroom::Row &r : rows)
                put(writer.ChildFields(r));
            return true;
        }));
        const QList<QStringList> children{
            {"Nombre", "Días con trabajo", "Ejercicios", "Bien esta semana (%)", "Ejercicios esta semana", "Bien antes (%)", "Ejercicios antes",
             "Qué repasar", "Último día"},
            {"'=1+2", "1", "1", "0", "1", "", "0", "", "2026-12-09"},
            {ana, "1", "1", "100", "1", "", "0", "", "2026-12-07"},
            {"Lucía", "2", "4", "25", "4", "", "0", "Resta el número menor del mayor", "2026-12-08"},
        };
        QCOMPARE(readCsv(csv), children);
    }

    // Two computers with a child in common (spelt differently) and an exercise
    // both have: each exercise comes in once, a child is one child, the name
    // first written here stays; the same file again adds nothing.
    void merge()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        Storage here(file), there(dir.filePath("there.sqlite"));
        QVERIFY(here.open() && there.open());
        const Attempt shared = simple("Ana", "2026-12-07 09:00:00", true);
        QVERIFY(here.merge({shared, simple("Ana", "2026-12-07 09:05:00", false), simple("Luis", "2026-12-07 09:10:00", true)}));
        QVERIFY(there.merge({shared, simple("ÁNA ", "2026-12-08 10:00:00", true), simple("ana", "2026-12-08 10:03:00", true),
                             simple("Marta", "2026-12-08 10:06:00", false)}));
        const QString carried = dir.filePath("aula 3.cuentas");
        const Transfer::Written w = Transfer::Write(there, carried);
        QCOMPARE(int(w.trouble), int(Transfer::Trouble::None));
        QCOMPARE(w.attempts, 4);
        const Transfer::Merged first = Transfer::Import(here, carried);
        QCOMPARE(int(first.trouble), int(Transfer::Trouble::None));
        QCOMPARE(QList<int>({first.merged.attempts, first.merged.children, first.merged.newChildren}), QList<int>({3, 2, 1}));
        QCOMPARE(rowsText(rowsOf(here, Classroom::Period::Week)), "Ana 2d 4e 3/4 0/0 2026-12-08; Luis 1d 1e 1/1 0/0 2026-12-07; Marta 1d 1e 0/1 0/0 2026-12-08");
        const QStringList after = dump(file);
        const Transfer::Merged again = Transfer::Import(here, carried);
        QCOMPARE(QList<int>({again.merged.attempts, again.merged.children, again.merged.newChildren}), QList<int>({0, 0, 0}));
        QCOMPARE(dump(file), after);
        // And back the other way: both computers hold the same history.
        QVERIFY(Transfer::Write(here, carried).trouble == Transfer::Trouble::None);
        QCOMPARE(Transfer::Import(there, carried).merged.attempts, 2);
        QCOMPARE(here.count(), 6);
        QCOMPARE(there.count(), 6);
    }

    // A file that is not a whole history of ours is refused with one plain
    // line, and the history is exactly as it was.
    void mergeRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("trouble");
        using T = Transfer::Trouble;
        QTest::newRow("cut short") << "cut" << int(T::Damaged);
        QTest::newRow("one byte changed") << "byte" << int(T::Damaged);
        QTest::newRow("its last line lost") << "last line" << int(T::Damaged);
        QTest::newRow("a line too many, the hash made again") << "forged" << int(T::Damaged);
        QTest::newRow("written by a newer Cuentas") << "newer" << int(T::Newer);
        QTest::newRow("another program's file") << "foreign" << int(T::Foreign);
        QTest::newRow("a history database, not a file for another computer") << "database" << int(T::Foreign);
        QTest::newRow("empty") << "empty" << int(T::Foreign);
        QTest::newRow("a folder") << "folder" << int(T::Unreadable);
        QTest::newRow("no such file") << "missing" << int(T::Unreadable);
    }
    void mergeRefused()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        QFETCH(QString, damage);
        QFETCH(int, trouble);
        Storage here(file), there(dir.filePath("there.sqlite"));
        QVERIFY(here.open() && there.open());
        QVERIFY(here.merge({simple("Ana", "2026-12-07 09:00:00", true)}) && here.setSetting("pin", "kept"));
        QVERIFY(there.merge({simple("Luis", "2026-12-08 10:00:00", true), simple("Marta", "2026-12-08 10:05:00", false)}));
        const QString carried = dir.filePath("carried.cuentas");
        QVERIFY(Transfer::Write(there, carried).trouble == Transfer::Trouble::None);
        QFile f(carried);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        f.close();
        if (damage == "cut")
            bytes.truncate(bytes.size() / 2);
        else if (damage == "byte")
            bytes[bytes.indexOf("\nA\t") + 5] = bytes[bytes.indexOf("\nA\t") + 5] == 'a' ? 'b' : 'a';
        else if (damage == "last line")
            bytes.truncate(bytes.lastIndexOf("FIN\t"));
        else if (damage == "forged") { // a line added, the hash made again, the count left
            bytes.insert(bytes.indexOf("FIN\t"), "A\tnot an attempt\n");
            const qsizetype end = bytes.indexOf("FIN\t");
            bytes = bytes.left(end) + "FIN\t2\t" + QCryptographicHash::hash(bytes.left(end), QCryptographicHash::Sha256).toHex() + "\n";
        } else if (damage == "newer")
            bytes.replace("CUENTAS-HISTORIAL\t1", "CUENTAS-HISTORIAL\t2");
        else if (damage == "foreign")
            bytes = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
        else if (damage == "empty")
            bytes.clear();
        if (damage == "database")
            QVERIFY(QFile::remove(carried) && QFile::copy(there.file(), carried));
        else if (damage == "folder")
            QVERIFY(QFile::remove(carried) && QDir().mkdir(carried));
        else if (damage == "missing")
            QVERIFY(QFile::remove(carried));
        else
            put(carried, bytes);
        const QStringList before = dump(file);
        const Transfer::Merged m = Transfer::Import(here, carried);
        QCOMPARE(int(m.trouble), trouble);
        QCOMPARE(m.merged.attempts, 0);
        QCOMPARE(dump(file), before);
        QVERIFY(!ClassWords().trouble(Transfer::Trouble(trouble)).isEmpty());
    }

    // A child's history deleted, and everything before a day: nothing else
    // goes, the rows and counts are right after it, the file shrinks.
    void forget()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        Storage s(file);
        QVERIFY(s.open());
        std::vector<Attempt> many = aClass();
        for (int i = 0; i < 3000; ++i)
            many.push_back(simple("Ana", QStringLiteral("2026-11-%1 09:%2:00").arg(2 + i % 25, 2, 10, QChar('0')).arg(i % 60, 2, 10, QChar('0')), i % 3 != 0));
        QVERIFY(s.merge(many));
        QCOMPARE(s.countOf("ANA"), 3007);
        auto size = [&] { return QFileInfo(s.file()).size() + QFileInfo(s.file() + "-wal").size(); };
        const qint64 before = size();
        QVERIFY(s.forget("ána"));
        QVERIFY(size() < before / 2);
        QCOMPARE(s.count(), 3);
        QCOMPARE(s.countOf("Ana"), 0);
        QVERIFY(!s.child("Ana"));
        QCOMPARE(rowsText(rowsOf(s, Classroom::Period::Between, QDate(2026, 1, 1), Today)),
                 "Luis 1d 2e 0/0 2/2 2026-12-01; Marta 1d 1e 0/0 0/1 2026-06-15");
        // The end of a school year: Marta's June goes, and Marta with it.
        for (const Attempt &a : aClass())
            QVERIFY(s.add(a));
        const QDateTime september = Classroom::SpanOf(Classroom::Period::SchoolYear, Today).from;
        QCOMPARE(s.countBefore(september), 3);
        QVERIFY(s.forgetBefore(september));
        QCOMPARE(s.count(), 10);
        QCOMPARE(s.countBefore(september), 0);
        QVERIFY(!s.child("Marta") && s.child("Luis"));
        QCOMPARE(rowsText(rowsOf(s, Classroom::Period::Between, QDate(2026, 1, 1), Today)),
                 "Ana 5d 6e 2/3 2/3 2026-12-09; Luis 1d 4e 0/0 4/4 2026-12-01");
        QCOMPARE(s.integrity(), QStringLiteral("ok"));
    }

    // The PIN: chosen, asked for, five wrong tries and a wait of 30 seconds on
    // the clock; only a salted key kept, never the PIN.
    void pin_data()
    {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<bool>("valid");
        QTest::newRow("four digits") << "0000" << true;
        QTest::newRow("eight digits") << "73914628" << true;
        QTest::newRow("three") << "123" << false;
        QTest::newRow("nine") << "123456789" << false;
        QTest::newRow("a letter") << "12a4" << false;
        QTest::newRow("a blank") << "12 45" << false;
        QTest::newRow("other digits") << "١٢٣٤" << false;
        QTest::newRow("none") << "" << false;
    }
    void pin()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        QFETCH(QString, pin);
        QFETCH(bool, valid);
        Storage s(file);
        QVERIFY(s.open());
        qint64 now = 1000;
        TeacherPin door(s, [&] { return now; });
        QVERIFY(!door.isSet());
        QCOMPARE(TeacherPin::valid(pin), valid);
        QCOMPARE(door.set(pin), valid);
        QCOMPARE(door.isSet(), valid);
        if (!valid)
            return;
        const QString kept = *s.setting("pin");
        QVERIFY(pin.size() < 8 || !kept.contains(pin));
        QVERIFY(door.set(pin) && *s.setting("pin") != kept); // a new salt each time
        QCOMPARE(door.check(pin), TeacherPin::Answer::Right);
        const QString wrong = pin == "0000" ? "0001" : "73914629";
        for (int left = 4; left >= 1; --left) {
            QCOMPARE(door.check(wrong), TeacherPin::Answer::Wrong);
            QCOMPARE(door.triesLeft(), left);
        }
        QCOMPARE(door.check(wrong), TeacherPin::Answer::Wrong); // the fifth
        QCOMPARE(door.secondsToWait(), 30);
        QCOMPARE(door.check(pin), TeacherPin::Answer::Waiting); // not even the right one
        now += 29001;
        QCOMPARE(door.secondsToWait(), 1);
        QCOMPARE(door.check(pin), TeacherPin::Answer::Waiting);
        now += 1000;
        QCOMPARE(door.secondsToWait(), 0);
        QCOMPARE(door.check(wrong), TeacherPin::Answer::Wrong);
        QCOMPARE(door.check(pin), TeacherPin::Answer::Right); // and the tries start again
        QCOMPARE(door.triesLeft(), 5);
        // Nowhere in the file or its log, in any encoding.
        if (pin.size() == 8)
            for (const QString &f : {s.file(), s.file() + "-wal"}) {
                QFile bytes(f);
                if (bytes.open(QIODevice::ReadOnly)) {
                    const QByteArray all = bytes.readAll();
                    QVERIFY(!all.contains(pin.toUtf8()));
                    QVERIFY(!all.contains(QByteArray(reinterpret_cast<const char *>(pin.utf16()), pin.size() * 2)));
                }
            }
    }

    // The teacher's switch: new exercises are kept or not; the file of the
    // whole computer wins over it.
    void keeping()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        Storage s(file);
        QVERIFY(s.open());
        Record record;
        s.keep(record);
        record.add(simple("Ana", "2026-12-07 09:00:00", true));
        QVERIFY(s.keeping() && s.setKeeping(false) && !s.keeping());
        record.add(simple("Ana", "2026-12-07 09:01:00", true));
        QCOMPARE(s.count(), 1);
        QVERIFY(s.setKeeping(true));
        record.add(simple("Ana", "2026-12-07 09:02:00", true));
        QCOMPARE(s.count(), 2);
        put(settings_.filePath("Cuentas/Cuentas.conf"), "[Historial]\nGuardar=no\n");
        QVERIFY(!s.keeping());
        record.add(simple("Ana", "2026-12-07 09:03:00", true));
        QCOMPARE(s.count(), 2);
        QFile::remove(settings_.filePath("Cuentas/Cuentas.conf"));
    }

    // A history of version 1 comes up with each child's hours counted.
    void fromVersion1()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        {
            Storage s(file);
            QVERIFY(s.open() && s.merge(aClass()));
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("DROP TABLE tally") && q.exec("PRAGMA user_version = 1"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        Storage s(file);
        QVERIFY(s.open());
        QCOMPARE(rowsText(rowsOf(s, Classroom::Period::SchoolYear)), "Ana 5d 6e 2/3 2/3 2026-12-09; Luis 1d 2e 0/0 2/2 2026-12-01");
    }

    // Every word the teacher's windows use is in presentacion.txt, as in the program.
    void words()
    {
        QCOMPARE(ClassWindow::loadWords(), ClassWords());
        data->write("/idioma/presentacion.txt", cp1252Lines({"Nombre", "ACEPTAR", "Escribe tu nombre", "Profesorado", "Grupo"}));
        ClassWords group;
        group.title = "Grupo";
        QCOMPARE(ClassWindow::loadWords(), group);
    }

    // The command line, run by a script with no display: the history written
    // for another computer, merged, and as a spreadsheet; exit status 0, or one
    // plain line on standard error and another status.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // standard output then standard error, "{}" for the temporary folder
        QTest::newRow("export") << QStringList{"--export", "{}/aula.cuentas"} << 0 << "Guardado en {}/aula.cuentas. Ejercicios: 2.\n|";
        QTest::newRow("import its own file") << QStringList{"--import", "{}/own.cuentas"} << 0
                                             << "No había nada nuevo: ese historial ya estaba en este ordenador.\n|";
        QTest::newRow("import another's") << QStringList{"--import", "{}/other.cuentas"} << 0
                                          << "Importado. Ejercicios nuevos: 1. Niños: 1 (nuevos en este ordenador: 1).\n|";
        QTest::newRow("import a damaged file") << QStringList{"--import", "{}/damaged.cuentas"} << 1
                                               << "|Ese archivo está dañado o incompleto: no se ha cambiado nada.\n";
        QTest::newRow("import nothing there") << QStringList{"--import={}/nada"} << 1 << "|No se puede leer ese archivo.\n";
        QTest::newRow("csv") << QStringList{"--csv", "{}/clase.csv"} << 0 << "Guardado en {}/clase.csv. Ejercicios: 2.\n|";
        QTest::newRow("csv where it cannot be") << QStringList{"--csv", "{}/no/clase.csv"} << 1 << "|No se puede escribir ese archivo.\n";
        QTest::newRow("a bad option") << QStringList{"--exportar", "x"} << 2
                                      << "|Opción desconocida: --exportar. Las opciones se ven con cuentas --help.\n";
        QTest::newRow("no file") << QStringList{"--csv"} << 2 << "|Falta el nombre del archivo después de --csv.\n";
        QTest::newRow("two at once") << QStringList{"--csv", "a", "--export", "b"} << 2 << "|Una sola opción cada vez: --export, --import o --csv.\n";
        QTest::newRow("a word too many") << QStringList{"--csv", "a", "b"} << 2 << "|No se esperaba: b. Las opciones se ven con cuentas --help.\n";
        QTest::newRow("switched off for the computer") << QStringList{"--export", "{}/off.cuentas", "off"} << 1
                                                       << "|El historial no se guarda en este ordenador: el administrador de este ordenador lo ha "
                                                          "desactivado.\n";
    }
    void commandLine()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("cuentas.sqlite");
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, said);
        const bool off = args.removeAll("off") > 0;
        QTemporaryDir home;
        for (QString &a : args)
            a.replace("{}", home.path());
        said.replace("{}", home.path());
        // This computer's history, and another's with a child of its own.
        QDir().mkpath(home.filePath("data/Cuentas"));
        Storage mine(home.filePath("data/Cuentas/cuentas.sqlite")), other(home.filePath("other.sqlite"));
        QVERIFY(mine.open() && other.open());
        QVERIFY(mine.merge({simple("Ana", "2026-12-07 09:00:00", true), simple("Luis", "2026-12-07 09:05:00", false)}));
        QVERIFY(other.merge({simple("Marta", "2026-12-08 10:00:00", true)}));
        QVERIFY(Transfer::Write(mine, home.filePath("own.cuentas")).trouble == Transfer::Trouble::None);
        QVERIFY(Transfer::Write(other, home.filePath("other.cuentas")).trouble == Transfer::Trouble::None);
        QVERIFY(QFile::copy(home.filePath("other.cuentas"), home.filePath("damaged.cuentas")));
        QFile::resize(home.filePath("damaged.cuentas"), 40);
        const QStringList before = dump(mine.file());
        if (off)
            put(home.filePath("etc/Cuentas/Cuentas.conf"), "[Historial]\nGuardar=no\n");

        QProcess cuentas;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(display);
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_DIRS", home.filePath("etc"));
        env.insert("HOME", home.path());
        cuentas.setProcessEnvironment(env);
        cuentas.start(QStringLiteral(CUENTAS_PROGRAM), args);
        QVERIFY(cuentas.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(cuentas.readAllStandardOutput() + "|" + cuentas.readAllStandardError()), said);
        QCOMPARE(cuentas.exitCode(), status);
        if (args.first() != "--import" || status != 0)
            QCOMPARE(dump(mine.file()), before); // nothing changed but by an import
        if (args == QStringList{"--csv", home.filePath("clase.csv")})
            QCOMPARE(readCsv(home.filePath("clase.csv")).size(), 3);
        if (args.first() == "--export" && status == 0)
            QCOMPARE(Transfer::ReadFile(args.last()).attempts.size(), std::size_t(2));
    }

    void help()
    {
        QProcess cuentas;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        cuentas.setProcessEnvironment(env);
        cuentas.start(QStringLiteral(CUENTAS_PROGRAM), {"--help"});
        QVERIFY(cuentas.waitForFinished(60000));
        const QString help = QString::fromUtf8(cuentas.readAllStandardOutput());
        QCOMPARE(cuentas.exitCode(), 0);
        for (const char *option : {"--export <ARCHIVO>", "--import <ARCHIVO>", "--csv <ARCHIVO>", "--help", "Uso:"})
            QVERIFY2(help.contains(option), qPrintable(help));
    }
};

QTEST_MAIN(TestClassData)
#include "tst_classdata.moc"
