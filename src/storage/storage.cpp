#include "storage/storage.h"

#include "record/record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// The program's mark in the file's header (PRAGMA application_id): "CNTS".
constexpr int ApplicationId = 0x434E5453;

// Version n + 1 is made from version n by Migrations[n], in one transaction.
// Append, never change: a file of every earlier version must still come up.
const std::vector<std::vector<QString>> Migrations = {
    // 0 → 1: the children, their attempts, the computer's settings.
    {
        QStringLiteral("CREATE TABLE child (key TEXT PRIMARY KEY, name TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE attempt (id TEXT PRIMARY KEY, exercise TEXT NOT NULL, child TEXT NOT NULL REFERENCES child (key),"
                       " ended TEXT NOT NULL, kind INTEGER NOT NULL, a INTEGER NOT NULL, b INTEGER NOT NULL,"
                       " one_digit SMALLINT NOT NULL, cells TEXT NOT NULL, correct SMALLINT NOT NULL, race SMALLINT NOT NULL)"),
        QStringLiteral("CREATE INDEX attempt_by_child ON attempt (child, ended)"),
        QStringLiteral("CREATE TABLE setting (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
    },
    // 1 → 2: each child's attempts counted per hour, for the class window.
    {
        QStringLiteral("CREATE TABLE tally (child TEXT NOT NULL REFERENCES child (key), hour TEXT NOT NULL, attempts INTEGER NOT NULL,"
                       " correct INTEGER NOT NULL, PRIMARY KEY (child, hour))"),
        QStringLiteral("INSERT INTO tally (child, hour, attempts, correct)"
                       " SELECT child, substr(ended, 1, 13), COUNT(*), SUM(correct) FROM attempt GROUP BY child, substr(ended, 1, 13)"),
    },
};
static_assert(Storage::Version == 2, "a new version needs its migration in Migrations");

// SQLite's primary result codes, as Qt's driver reports them.
enum SqliteCode { Perm = 3, Busy = 5, Locked = 6, ReadOnly = 8, IoError = 10, Corrupt = 11, Full = 13, CantOpen = 14, NotADatabase = 26 };

int codeOf(const QSqlError &e)
{
    bool known = false;
    const int code = e.nativeErrorCode().toInt(&known);
    if (known)
        return code & 0xFF;
    // A commit that fails carries SQLite's message but not its number.
    static const std::pair<const char *, int> messages[] = {
        {"database or disk is full", Full}, {"database is locked", Busy}, {"readonly database", ReadOnly}, {"not a database", NotADatabase},
        {"malformed", Corrupt},              {"unable to open", CantOpen}, {"disk I/O error", IoError}};
    for (const auto &[message, c] : messages)
        if (e.databaseText().contains(QLatin1String(message)))
            return c;
    return 0;
}

Storage::Trouble troubleOf(const QSqlError &e)
{
    switch (codeOf(e)) {
    case Busy:
    case Locked:
        return Storage::Trouble::Busy;
    case Full:
        return Storage::Trouble::Full;
    case Perm:
    case ReadOnly:
    case CantOpen:
    case IoError:
        return Storage::Trouble::NotWritable;
    case Corrupt:
    case NotADatabase:
        return Storage::Trouble::Damaged;
    default: // whatever else keeps a write from the disk
        return Storage::Trouble::NotWritable;
    }
}

// ---------------------------------------------------------------- cells as text

QChar entry(const std::optional<int> &digit) { return digit ? QChar(u'0' + *digit) : QChar(u'_'); }

QString cellsText(const std::vector<Attempt::Cell> &cells)
{
    QString s;
    s.reserve(int(cells.size()) * 4);
    for (const Attempt::Cell &c : cells)
        for (QChar ch : {QChar(u'0' + c.row), QChar(u'0' + c.column), c.judged ? entry(c.first) : QChar(u'.'), entry(c.last)})
            s += ch;
    return s;
}

std::optional<std::vector<Attempt::Cell>> cellsOf(const QString &s)
{
    if (s.size() % 4 != 0)
        return std::nullopt;
    auto digit = [](QChar c) { return c >= u'0' && c <= u'9' ? std::optional<int>(c.unicode() - u'0') : std::nullopt; };
    std::vector<Attempt::Cell> cells;
    for (int i = 0; i < s.size(); i += 4) {
        const auto row = digit(s[i]), column = digit(s[i + 1]);
        const QChar first = s[i + 2], last = s[i + 3];
        if (!row || !column || !(digit(first) || first == u'_' || first == u'.') || !(digit(last) || last == u'_'))
            return std::nullopt;
        cells.push_back({*row, *column, digit(first), digit(last), first != u'.'});
    }
    return cells;
}

// Text for a column that takes no NULL.
QString nonNull(const QString &s) { return s.isNull() ? QStringLiteral("") : s; }

// A time as the history writes it, in UTC to the millisecond ("2026-12-07T10:42:05.123Z");
// written by hand for the years of four digits, where Qt's general routine would
// take much of the time of writing a long history.
QString timeText(const QDateTime &t)
{
    const QDateTime utc = t.toUTC();
    const QDate d = utc.date();
    const QTime h = utc.time();
    if (d.year() < 1000 || d.year() > 9999)
        return utc.toString(Qt::ISODateWithMs);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second(), h.msec());
    return QString::fromLatin1(text);
}

// The time timeText() wrote ("2026-12-07T10:42:05.123Z"), read quickly; any other
// form of ISO 8601 the slow way.
QDateTime timeOf(const QString &s)
{
    auto field = [&](int at, int n) {
        int v = 0;
        for (int i = at; i < at + n; ++i) {
            if (!s[i].isDigit())
                return -1;
            v = 10 * v + s[i].digitValue();
        }
        return v;
    };
    if (s.size() == 24 && s[4] == u'-' && s[7] == u'-' && s[10] == u'T' && s[13] == u':' && s[16] == u':' && s[19] == u'.' && s[23] == u'Z') {
        const QDate d(field(0, 4), field(5, 2), field(8, 2));
        const QTime t(field(11, 2), field(14, 2), field(17, 2), field(20, 3));
        if (d.isValid() && t.isValid())
            return QDateTime(d, t, Qt::UTC);
    }
    return QDateTime::fromString(s, Qt::ISODateWithMs).toUTC();
}

} // namespace

// ---------------------------------------------------------------- opening

Storage::Storage(const QString &file, const QString &driver, QObject *parent)
    : QObject(parent), file_(file), driver_(driver),
      connection_(QStringLiteral("cuentas-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
}

Storage::~Storage() { close(); }

QString Storage::defaultFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/cuentas.sqlite");
}

bool Storage::switchedOn()
{
    const QSettings system(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Cuentas"), QStringLiteral("Cuentas"));
    const QString keep = system.value(QStringLiteral("Historial/Guardar")).toString().trimmed().toLower();
    return !QStringList{"no", "false", "0", "off", "falso"}.contains(keep);
}

QString Storage::childKey(const QString &name)
{
    QString key;
    for (QChar c : name.simplified().normalized(QString::NormalizationForm_D)) {
        const bool tilde = c == QChar(0x0303) && !key.isEmpty() && key.back().toLower() == u'n';
        if (c.category() != QChar::Mark_NonSpacing || tilde)
            key += c;
    }
    return key.normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString Storage::cellsAsText(const std::vector<Attempt::Cell> &cells) { return cellsText(cells); }
std::optional<std::vector<Attempt::Cell>> Storage::cellsFromText(const QString &text) { return cellsOf(text); }
QString Storage::timeAsText(const QDateTime &time) { return timeText(time); }
QDateTime Storage::timeFromText(const QString &text) { return timeOf(text); }

QSqlDatabase Storage::db() const { return QSqlDatabase::database(connection_, false); }

void Storage::setTrouble(Trouble t)
{
    if (trouble_ == t)
        return;
    trouble_ = t;
    emit troubleChanged();
}

bool Storage::open()
{
    const Trouble t = opened();
    ready_ = t == Trouble::None;
    if (!ready_)
        close(); // the file is left as it is
    trouble_ = t;
    emit troubleChanged(); // whatever it was before: the listeners learn that it is open, or why not
    return ready_;
}

Storage::Trouble Storage::opened()
{
    if (!switchedOn())
        return Trouble::SwitchedOff;
    if (!QSqlDatabase::isDriverAvailable(driver_))
        return Trouble::NoDriver;
    const QFileInfo info(file_);
    if (file_.isEmpty() || info.isRelative()) // no data folder for this user: never beside the program
        return Trouble::NotWritable;
    if (info.isDir())
        return Trouble::Folder;
    if (!QDir().mkpath(info.path()) || !QFileInfo(info.path()).isWritable() || (info.exists() && !info.isWritable()))
        return Trouble::NotWritable;
    const bool odd = info.exists() && !info.isFile(); // a pipe or a device would never answer
    Trouble t = odd ? Trouble::Damaged : look();
    if (t == Trouble::None)
        t = setUp();
    if (t != Trouble::Damaged)
        return t;

    // Not a history of ours, or a damaged one: set aside, never deleted, and a
    // new one begun. One copy of the program at a time, and only if it is still
    // so once this copy has the lock: another copy may have just done it.
    close();
    QLockFile lock(file_ + QStringLiteral(".apartando"));
    if (!lock.tryLock(10000))
        return Trouble::Busy;
    if (!odd && look() != Trouble::Damaged)
        return setUp();
    const QString stem = info.path() + QStringLiteral("/") + info.completeBaseName() + QStringLiteral("-apartado-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = stem + QStringLiteral(".") + info.suffix();
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QStringLiteral("-%1.").arg(n) + info.suffix();
    if (!QFile::rename(file_, aside))
        return Trouble::Damaged;
    for (const char *companion : {"-wal", "-shm", "-journal"})
        if (QFileInfo::exists(file_ + QLatin1String(companion)))
            QFile::rename(file_ + QLatin1String(companion), aside + QLatin1String(companion));
    setAside_ = aside;
    return setUp(); // the new one is made before the lock is let go
}

void Storage::close()
{
    if (QSqlDatabase::contains(connection_)) {
        db().close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

// The connection. Read-only to look at a file without changing it: a writing
// connection to a file that is no database removes its log when it closes.
bool Storage::attach(bool readOnly)
{
    close();
    QSqlDatabase d = QSqlDatabase::addDatabase(driver_, connection_);
    d.setDatabaseName(file_);
    d.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000") : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (d.open())
        return true;
    error_ = d.lastError();
    return false;
}

// Whose the file is, looked at without a change: ours at a version this program
// knows or a new one (None), a newer one, another program's or no database
// (Damaged), or why it cannot be read. Read in one statement: what another copy
// commits meanwhile is seen whole or not at all.
Storage::Trouble Storage::look()
{
    if (!QFileInfo::exists(file_))
        return Trouble::None;
    if (!attach(true))
        return troubleOf(error_);
    Trouble t = Trouble::None;
    {
        QSqlQuery whose = query(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id),"
                                               " (SELECT user_version FROM pragma_user_version), (SELECT COUNT(*) FROM sqlite_master)"));
        if (!run(whose) || !whose.next()) {
            t = troubleOf(error_);
        } else {
            const int id = whose.value(0).toInt(), version = whose.value(1).toInt(), tables = whose.value(2).toInt();
            if (id != ApplicationId && !(id == 0 && version == 0 && tables == 0))
                t = Trouble::Damaged; // another program's
            else if (version > Version)
                t = Trouble::Newer;
        }
    }
    close();
    return t;
}

// The connection for writing, its journal and durability, and the tables at this version.
Storage::Trouble Storage::setUp()
{
    if (!attach(false))
        return troubleOf(error_);
    // A write-ahead log, every commit on the disk before it returns, and a wait for the other copy's turn.
    QSqlQuery journal = query(QStringLiteral("PRAGMA journal_mode = WAL"));
    QSqlQuery durable = query(QStringLiteral("PRAGMA synchronous = FULL")), patient = query(QStringLiteral("PRAGMA busy_timeout = 5000"));
    if (!run(journal) || !journal.next() || !run(durable) || !run(patient))
        return troubleOf(error_);
    if (journal.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
        return Trouble::NotWritable; // the log cannot be made beside the file
    journal.finish();
    return migrate();
}

Storage::Trouble Storage::migrate()
{
    bool newer = false;
    const bool done = transaction([this, &newer] {
        // The mark first: it takes the file for writing, so the version read next is the latest.
        QSqlQuery mark = query(QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId));
        QSqlQuery v = query(QStringLiteral("PRAGMA user_version"));
        if (!run(mark) || !run(v) || !v.next())
            return false;
        const int from = v.value(0).toInt();
        v.finish();
        if (from > Version) // a newer copy of the program has just brought it up: never down
            return !(newer = true);
        for (int n = from; n < Version; ++n)
            for (const QString &sql : Migrations[n])
                if (QSqlQuery step = query(sql); !run(step))
                    return false;
        QSqlQuery done = query(QStringLiteral("PRAGMA user_version = %1").arg(Version));
        return run(done);
    });
    return done ? Trouble::None : newer ? Trouble::Newer : troubleOf(error_);
}

QSqlQuery Storage::query(const QString &sql, const QVariantList &values) const
{
    QSqlQuery q(db());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    return q;
}

bool Storage::run(QSqlQuery &q) const
{
    if (q.lastError().isValid()) { // it could not even be prepared (a file that is no database)
        error_ = q.lastError();
        return false;
    }
    if (q.exec())
        return true;
    error_ = q.lastError();
    return false;
}

bool Storage::transaction(const std::function<bool()> &work)
{
    QSqlDatabase d = db();
    if (!d.transaction()) {
        error_ = d.lastError();
        return false;
    }
    if (work() && d.commit())
        return true;
    if (d.lastError().isValid())
        error_ = d.lastError();
    d.rollback();
    return false;
}

// ---------------------------------------------------------------- writing

bool Storage::add(const Attempt &attempt)
{
    if (!ready_)
        return false;
    pending_.push_back(attempt);
    writePending();
    return pending_.empty();
}

void Storage::writePending()
{
    while (!pending_.empty()) {
        const Attempt &a = pending_.front();
        const bool written = transaction([&] {
            QSqlQuery child = query(QStringLiteral("INSERT INTO child (key, name) VALUES (?, ?) ON CONFLICT (key) DO NOTHING"),
                                    {nonNull(childKey(a.child)), nonNull(a.child.simplified())});
            QSqlQuery row = query(QStringLiteral("INSERT INTO attempt (id, exercise, child, ended, kind, a, b, one_digit, cells, correct, race)"
                                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (id) DO NOTHING"),
                                  {a.id.toString(QUuid::WithoutBraces), a.exercise.toString(QUuid::WithoutBraces), nonNull(childKey(a.child)),
                                   timeText(a.ended), int(a.kind), a.a, a.b, int(a.oneDigit), cellsText(a.cells), int(a.right), int(a.race)});
            if (!run(child) || !run(row))
                return false;
            if (row.numRowsAffected() == 0) // there already
                return true;
            QSqlQuery tally = query(QStringLiteral("INSERT INTO tally (child, hour, attempts, correct) VALUES (?, ?, 1, ?) ON CONFLICT (child, hour)"
                                                   " DO UPDATE SET attempts = tally.attempts + 1, correct = tally.correct + excluded.correct"),
                                    {nonNull(childKey(a.child)), timeText(a.ended).left(13), int(a.right)});
            return run(tally);
        });
        if (!written)
            return setTrouble(troubleOf(error_));
        pending_.erase(pending_.begin());
    }
    setTrouble(Trouble::None);
}

void Storage::keep(const Record &record)
{
    for (const Attempt &a : record.attempts())
        if (keeping())
            add(a);
    connect(&record, &Record::added, this, [this](const Attempt &a) {
        if (keeping())
            add(a);
    });
}

// ---------------------------------------------------------------- reading

std::optional<Storage::Child> Storage::child(const QString &name) const
{
    if (!ready_)
        return std::nullopt;
    QSqlQuery q = query(QStringLiteral("SELECT key, name FROM child WHERE key = ?"), {nonNull(childKey(name))});
    if (!run(q) || !q.next())
        return std::nullopt;
    return Child{q.value(0).toString(), q.value(1).toString()};
}

std::vector<Storage::Child> Storage::children() const
{
    std::vector<Child> all;
    if (!ready_)
        return all;
    QSqlQuery q = query(QStringLiteral("SELECT key, name FROM child ORDER BY key"));
    if (run(q))
        while (q.next())
            all.push_back({q.value(0).toString(), q.value(1).toString()});
    return all;
}

namespace {

// The columns of an attempt, as readAttempts() takes them.
const QString AttemptColumns = QStringLiteral("SELECT t.id, t.exercise, c.name, t.ended, t.kind, t.a, t.b, t.one_digit, t.cells, t.correct, t.race"
                                              " FROM attempt t JOIN child c ON c.key = t.child");

// A child's key as a value bound to a statement: never NULL, which no key equals.
QString boundKey(const QString &name)
{
    return nonNull(Storage::childKey(name));
}

// " AND t.ended >= ? AND t.ended < ?" for the bounds that are valid, their values added.
QString between(const QDateTime &from, const QDateTime &to, QVariantList &values)
{
    QString sql;
    if (from.isValid()) {
        sql += QStringLiteral(" AND t.ended >= ?");
        values << timeText(from);
    }
    if (to.isValid()) {
        sql += QStringLiteral(" AND t.ended < ?");
        values << timeText(to);
    }
    return sql;
}

} // namespace

std::vector<Attempt> Storage::attempts(const QString &name, const QDateTime &from, const QDateTime &to) const
{
    std::vector<Attempt> all;
    if (!ready_)
        return all;
    QVariantList values{boundKey(name)};
    const QString sql = AttemptColumns + QStringLiteral(" WHERE t.child = ?") + between(from, to, values);
    QSqlQuery q = query(sql + QStringLiteral(" ORDER BY t.ended, t.id"), values);
    readAttempts(q, [&](Attempt &&a) { all.push_back(std::move(a)); });
    return all;
}

bool Storage::readAttempts(QSqlQuery &q, const std::function<void(Attempt &&)> &take) const
{
    if (!run(q))
        return false;
    while (q.next()) {
        Attempt a;
        a.id = QUuid::fromString(q.value(0).toString());
        a.exercise = QUuid::fromString(q.value(1).toString());
        a.child = q.value(2).toString();
        a.ended = timeOf(q.value(3).toString());
        const int kind = q.value(4).toInt();
        a.kind = ExerciseKind(kind);
        a.a = q.value(5).toInt();
        a.b = q.value(6).toInt();
        a.oneDigit = q.value(7).toInt() != 0;
        const auto cells = cellsOf(q.value(8).toString());
        a.right = q.value(9).toInt() != 0;
        a.race = q.value(10).toInt() != 0;
        // A row that is not an attempt of ours is passed over.
        if (a.id.isNull() || !a.ended.isValid() || kind < 0 || kind >= ExerciseKinds || !cells)
            continue;
        a.cells = *cells;
        take(std::move(a));
    }
    if (!q.lastError().isValid())
        return true;
    error_ = q.lastError();
    return false;
}

int Storage::count() const
{
    if (!ready_)
        return 0;
    QSqlQuery q = query(QStringLiteral("SELECT COUNT(*) FROM attempt"));
    return run(q) && q.next() ? q.value(0).toInt() : 0;
}

std::optional<QString> Storage::setting(const QString &name) const
{
    if (!ready_)
        return std::nullopt;
    QSqlQuery q = query(QStringLiteral("SELECT value FROM setting WHERE name = ?"), {name});
    if (!run(q) || !q.next())
        return std::nullopt;
    return q.value(0).toString();
}

bool Storage::setSetting(const QString &name, const QString &value)
{
    return ready_ && transaction([&] {
        QSqlQuery q = query(QStringLiteral("INSERT INTO setting (name, value) VALUES (?, ?) ON CONFLICT (name) DO UPDATE SET value = excluded.value"),
                            {name, value});
        return run(q);
    });
}

std::optional<QString> Storage::peekSetting(const QString &name)
{
    if (ready_)
        return setting(name);
    if (!QSqlDatabase::isDriverAvailable(driver_) || !QFileInfo(file_).isFile() || !attach(true))
        return std::nullopt;
    std::optional<QString> value;
    {
        QSqlQuery q = query(QStringLiteral("SELECT value FROM setting WHERE name = ? AND (SELECT application_id FROM pragma_application_id) = ?"),
                            {name, ApplicationId});
        if (run(q) && q.next())
            value = q.value(0).toString();
    }
    close();
    return value;
}

QString Storage::integrity() const
{
    if (!ready_)
        return QString();
    QSqlQuery q = query(QStringLiteral("PRAGMA integrity_check"));
    return run(q) && q.next() ? q.value(0).toString() : error_.text();
}

// ---------------------------------------------------------------- the teacher's class

int Storage::number(const QString &sql, const QVariantList &values) const
{
    if (!ready_)
        return 0;
    QSqlQuery q = query(sql, values);
    return run(q) && q.next() ? q.value(0).toInt() : 0;
}

std::vector<ChildHour> Storage::hours(const QDateTime &from, const QDateTime &to) const
{
    std::vector<ChildHour> all;
    if (!ready_)
        return all;
    QHash<QString, QString> names;
    for (const Child &c : children())
        names.insert(c.key, c.name);
    // The hour is the first 13 characters of a time: "2026-12-07T10".
    QString sql = QStringLiteral("SELECT child, hour, attempts, correct FROM tally WHERE 1 = 1");
    QVariantList values;
    if (from.isValid()) {
        sql += QStringLiteral(" AND hour >= ?");
        values << timeText(from).left(13);
    }
    if (to.isValid()) {
        sql += QStringLiteral(" AND hour < ?");
        values << timeText(to).left(13);
    }
    QSqlQuery q = query(sql, values);
    if (!run(q))
        return all;
    while (q.next()) {
        const QString key = q.value(0).toString();
        const QDateTime start = timeOf(q.value(1).toString() + QStringLiteral(":00:00.000Z"));
        if (start.isValid())
            all.push_back({key, names.value(key, key), start, q.value(2).toInt(), q.value(3).toInt()});
    }
    return all;
}

bool Storage::eachAttempt(const std::function<void(const Attempt &)> &take, const QDateTime &from, const QDateTime &to) const
{
    if (!ready_)
        return false;
    QVariantList values;
    QSqlQuery q = query(AttemptColumns + QStringLiteral(" WHERE 1 = 1") + between(from, to, values) + QStringLiteral(" ORDER BY t.child, t.ended, t.id"),
                        values);
    return readAttempts(q, [&](Attempt &&a) { take(a); });
}

int Storage::countOf(const QString &name) const { return number(QStringLiteral("SELECT COUNT(*) FROM attempt WHERE child = ?"), {boundKey(name)}); }

int Storage::countBefore(const QDateTime &time) const
{
    return number(QStringLiteral("SELECT COUNT(*) FROM attempt WHERE ended < ?"), {timeText(time)});
}

std::optional<Storage::Merged> Storage::merge(const std::vector<Attempt> &attempts)
{
    if (!isOpen())
        return std::nullopt;
    // Each child once, by the name first met; the attempts in the order of
    // their ids, as the table keeps them, and a larger page cache meanwhile
    // (SQLite's own): a year of a class goes in at several times the speed.
    std::map<QString, QString> names;
    std::vector<std::pair<QString, const Attempt *>> byId;
    byId.reserve(attempts.size());
    for (const Attempt &a : attempts) {
        names.try_emplace(boundKey(a.child), a.child.isNull() ? QStringLiteral("") : a.child.simplified());
        byId.emplace_back(a.id.toString(QUuid::WithoutBraces), &a);
    }
    std::sort(byId.begin(), byId.end());
    auto cache = [this](int kib) {
        QSqlQuery q = query(QStringLiteral("PRAGMA cache_size = -%1").arg(kib));
        run(q);
    };
    cache(64 * 1024);
    Merged m;
    const bool done = transaction([&] {
        for (const auto &[key, name] : names) {
            QSqlQuery child = query(QStringLiteral("INSERT INTO child (key, name) VALUES (?, ?) ON CONFLICT (key) DO NOTHING"), {key, name});
            if (!run(child))
                return false;
            m.newChildren += child.numRowsAffected() > 0;
        }
        // One statement made once and run for every attempt.
        QSqlQuery row = query(QStringLiteral("INSERT INTO attempt (id, exercise, child, ended, kind, a, b, one_digit, cells, correct, race)"
                                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (id) DO NOTHING"));
        QSet<QString> touched;
        for (const auto &[id, a] : byId) {
            const QString key = boundKey(a->child);
            const QVariantList values{id, a->exercise.toString(QUuid::WithoutBraces), key, timeText(a->ended), int(a->kind), a->a, a->b,
                                      int(a->oneDigit), cellsText(a->cells), int(a->right), int(a->race)};
            for (int i = 0; i < values.size(); ++i)
                row.bindValue(i, values[i]);
            if (!run(row))
                return false;
            if (row.numRowsAffected() > 0) {
                ++m.attempts;
                touched.insert(key);
            }
        }
        m.children = int(touched.size());
        for (const QString &key : touched)
            if (!recount(key))
                return false;
        return true;
    });
    cache(2000); // SQLite's default
    if (!done)
        return std::nullopt;
    return m;
}

namespace {
// The tally made again from the attempts (those the condition takes).
QString tallyFrom(const QString &condition)
{
    return QStringLiteral("INSERT INTO tally (child, hour, attempts, correct) SELECT child, substr(ended, 1, 13), COUNT(*), SUM(correct)"
                          " FROM attempt WHERE %1 GROUP BY child, substr(ended, 1, 13)")
        .arg(condition);
}
} // namespace

bool Storage::deleted(const std::vector<std::pair<QString, QVariantList>> &statements)
{
    if (!isOpen())
        return false;
    const bool done = transaction([&] {
        for (const auto &[sql, values] : statements)
            if (QSqlQuery q = query(sql, values); !run(q))
                return false;
        return true;
    });
    if (!done)
        return false;
    // The room the rows took goes back to the disk, and nothing of them stays in
    // the file's free pages or in the write-ahead log (SQLite's own statements).
    for (const QString &sql : {QStringLiteral("VACUUM"), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")})
        if (QSqlQuery q = query(sql); run(q))
            while (q.next()) {
            }
    return true;
}

bool Storage::forget(const QString &name)
{
    const QString key = boundKey(name);
    return deleted({{QStringLiteral("DELETE FROM tally WHERE child = ?"), {key}},
                    {QStringLiteral("DELETE FROM attempt WHERE child = ?"), {key}},
                    {QStringLiteral("DELETE FROM child WHERE key = ?"), {key}}});
}

bool Storage::forgetBefore(const QDateTime &time)
{
    return deleted({{QStringLiteral("DELETE FROM attempt WHERE ended < ?"), {timeText(time)}},
                    {QStringLiteral("DELETE FROM tally"), {}},
                    {tallyFrom(QStringLiteral("1 = 1")), {}},
                    {QStringLiteral("DELETE FROM child WHERE NOT EXISTS (SELECT 1 FROM attempt t WHERE t.child = child.key)"), {}}});
}

bool Storage::recount(const QString &key)
{
    QSqlQuery gone = query(QStringLiteral("DELETE FROM tally WHERE child = ?"), {key});
    QSqlQuery counted = query(tallyFrom(QStringLiteral("child = ?")), {key});
    return run(gone) && run(counted);
}

namespace {
// The teacher's switch among the settings: "no" when new attempts are not kept.
const QString KeepSetting = QStringLiteral("guardar-historial");
} // namespace

bool Storage::keeping() const { return switchedOn() && setting(KeepSetting).value_or(QString()) != QStringLiteral("no"); }

bool Storage::setKeeping(bool on) { return setSetting(KeepSetting, on ? QStringLiteral("si") : QStringLiteral("no")); }
