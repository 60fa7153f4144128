// The history on disk: every finished exercise of every child who worked on this
// computer, and a few settings of the computer. The one class of the program
// that speaks SQL. One SQLite file in the user's data folder, written through Qt
// SQL; the SQL is the part of SQL that PostgreSQL runs as well, so that a school
// server can later take the same tables (only the connection's set-up, the
// PRAGMAs, is SQLite's own).
//
// The tables (version 2, kept in PRAGMA user_version):
//
//   child    one row per child: a child is a name, trimmed, with case and
//            accents ignored ("Lucía", "lucia " and "LUCIA" are one child)
//     key        TEXT PRIMARY KEY    the name as compared: childKey()
//     name       TEXT NOT NULL       the name as first written, trimmed
//
//   attempt  one row per finished exercise (a check repeated is another row)
//     id         TEXT PRIMARY KEY    a UUID, unique on every computer
//     exercise   TEXT NOT NULL       a UUID shared by the checks of one exercise
//     child      TEXT NOT NULL       child.key
//     ended      TEXT NOT NULL       UTC, ISO 8601 with milliseconds ("2026-12-07T10:42:05.123Z"): sorts as it reads
//     kind       INTEGER NOT NULL    ExerciseKind
//     a, b       INTEGER NOT NULL    the operands (see Attempt)
//     one_digit  SMALLINT NOT NULL   0 or 1
//     cells      TEXT NOT NULL       every cell, four characters each: row, column,
//                                    first entry, last entry; an entry is a digit,
//                                    '_' for empty, '.' for a cell never judged
//                                    (first entry only): "0045" is row 0,
//                                    column 0, first 4, last 5
//     correct    SMALLINT NOT NULL   0 or 1: the verdict
//     race       SMALLINT NOT NULL   0 or 1
//   index attempt_by_child (child, ended)
//
//   tally    each child's attempts per hour of UTC, kept with every attempt
//            written (version 2), so that the class window counts a class's
//            school year at once
//     child      TEXT NOT NULL       child.key
//     hour       TEXT NOT NULL       the first 13 characters of attempt.ended ("2026-12-07T10")
//     attempts   INTEGER NOT NULL    how many attempts ended in that hour
//     correct    INTEGER NOT NULL    how many of them right
//   primary key (child, hour)
//
//   setting  this computer's settings (the teacher's PIN hash and salt,
//            whether the history is kept, the chosen language, ...)
//     name       TEXT PRIMARY KEY
//     value      TEXT NOT NULL
//
// A newer version is a migration appended to the list in storage.cpp: never
// change an old one. Each attempt is written in a transaction of its own when
// it is finished; the journal is a write-ahead log, every commit reaches the
// disk before the call returns (synchronous=FULL), and a second copy of the
// program waits its turn (busy timeout) instead of losing a write.
#pragma once

#include "record/attempt.h"
#include "record/classroom.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

#include <QSqlError>

class QSqlDatabase;
class QSqlQuery;
class Record;

class Storage : public QObject
{
    Q_OBJECT
public:
    // Why the history is not being kept.
    enum class Trouble {
        None,
        SwitchedOff, // the computer's administrator switched it off (the system-wide settings file)
        NoDriver,    // Qt's SQLite driver is not installed
        NotWritable, // the folder or the file cannot be written
        Full,        // the disk is full
        Folder,      // a folder stands where the file should be
        Newer,       // the file was written by a newer Cuentas
        Busy,        // another program keeps it locked
        Damaged,     // the file is damaged or not ours, and could not be set aside
    };

    // The version of the tables this program writes.
    static constexpr int Version = 2;

    // A history in this file (not opened yet); the driver is Qt's SQLite one
    // unless a test names another.
    explicit Storage(const QString &file = defaultFile(), const QString &driver = QStringLiteral("QSQLITE"), QObject *parent = nullptr);
    ~Storage() override;

    // The file in the user's data folder (QStandardPaths::AppLocalDataLocation).
    static QString defaultFile();
    // Whether this computer keeps histories: false when the system-wide settings
    // file (/etc/xdg/Cuentas/Cuentas.conf, Qt's system scope) says
    //   [Historial]
    //   Guardar=no
    static bool switchedOn();
    // A child's name as compared: trimmed, case folded, accents dropped (ñ stays ñ).
    static QString childKey(const QString &name);
    // The columns as written: an attempt's cells ("0045..."), and a time in UTC
    // ("2026-12-07T10:42:05.123Z"); no value for text that is not such cells.
    static QString cellsAsText(const std::vector<Attempt::Cell> &cells);
    static std::optional<std::vector<Attempt::Cell>> cellsFromText(const QString &text);
    static QString timeAsText(const QDateTime &time);
    static QDateTime timeFromText(const QString &text);

    // Opens the file, making it and its folder if need be, and brings its tables
    // up to this version. A damaged or foreign file is set aside under a dated
    // name beside it (never deleted) and a new one started. False, with the
    // trouble, when the history cannot be kept; the program goes on without it.
    bool open();
    // Opened and its tables ready (a later write may still fail: see trouble()).
    bool isOpen() const { return ready_; }
    Trouble trouble() const { return trouble_; }
    // The name a damaged file was set aside under by open(), if it was.
    QString setAside() const { return setAside_; }
    QString file() const { return file_; }

    // Writes one attempt in a transaction of its own; an attempt already there
    // (the same id) is left as it is. False, with the trouble, if it could not.
    bool add(const Attempt &attempt);
    // Writes every attempt the record has, and from now on each it gains;
    // attempts a failed write left out are tried again with the next one.
    void keep(const Record &record);

    struct Child {
        QString key;  // childKey() of the name
        QString name; // as first written, trimmed
    };
    // The child this name is, if it has worked here.
    std::optional<Child> child(const QString &name) const;
    std::vector<Child> children() const;
    // A child's attempts (by any spelling of the name) ended in [from, to), oldest
    // first; an invalid bound is open. Each carries the child's name as first written.
    std::vector<Attempt> attempts(const QString &name, const QDateTime &from = {}, const QDateTime &to = {}) const;
    // How many attempts the history holds.
    int count() const;

    // This computer's settings.
    std::optional<QString> setting(const QString &name) const;
    bool setSetting(const QString &name, const QString &value);
    // A setting read before the history is opened (the language of the first
    // window), from the file as it is, changing nothing; nothing when there is
    // no file, or it is not a history this program can read.
    std::optional<QString> peekSetting(const QString &name);
    // The language chosen last ("es", "ca", "eu", "gl").
    static inline const QString LanguageSetting = QStringLiteral("idioma");

    // "ok", or what SQLite's integrity check found (tests, and the teacher's tools).
    QString integrity() const;

    // ------------------------------------------------------------ the teacher's class

    // Each child's attempts ended in [from, to) (an invalid bound is open),
    // counted per hour of UTC: a whole hour lies within one local day wherever
    // the clock differs from UTC by whole hours, so days and weeks are counted
    // from these exactly. In no particular order.
    std::vector<ChildHour> hours(const QDateTime &from = {}, const QDateTime &to = {}) const;
    // Hands every attempt ended in [from, to) to `take`, child after child (by
    // key), each child's oldest first, without holding them all. False if the
    // history could not be read to its end.
    bool eachAttempt(const std::function<void(const Attempt &)> &take, const QDateTime &from = {}, const QDateTime &to = {}) const;
    // How many attempts a child has (by any spelling of the name); how many ended before a time.
    int countOf(const QString &name) const;
    int countBefore(const QDateTime &time) const;

    // Writes attempts from another computer in one transaction, all or none:
    // an attempt already here (the same id) is left as it is, and a child is
    // one child by childKey(), keeping the name as first written here.
    struct Merged {
        int attempts = 0;    // attempts that came in
        int children = 0;    // the children they belong to
        int newChildren = 0; // of them, new on this computer
    };
    std::optional<Merged> merge(const std::vector<Attempt> &attempts);

    // Forgets a child's history, or every attempt ended before a time (and the
    // children left without any), then gives the room back to the disk. False if
    // nothing could be deleted.
    bool forget(const QString &name);
    bool forgetBefore(const QDateTime &time);

    // Whether new attempts are kept on this computer: the teacher's switch (a
    // setting), unless the system-wide settings file switches the history off.
    bool keeping() const;
    bool setKeeping(bool on);

signals:
    // The history stopped being kept (a write failed), or started again.
    void troubleChanged();

private:
    QSqlDatabase db() const;
    // A statement ready to run, with its values bound in order.
    QSqlQuery query(const QString &sql, const QVariantList &values = {}) const;
    // Runs a statement; a failure is kept in error_.
    bool run(QSqlQuery &q) const;
    // Runs the work in one transaction: committed if it returns true, rolled back otherwise.
    bool transaction(const std::function<bool()> &work);
    Trouble opened();
    bool attach(bool readOnly);
    Trouble look();
    Trouble setUp();
    Trouble migrate();
    void close();
    void setTrouble(Trouble t);
    void writePending();
    // Hands each row of a query of attempt columns to `take` as an attempt; rows that are no attempt of ours are passed over.
    bool readAttempts(QSqlQuery &q, const std::function<void(Attempt &&)> &take) const;
    int number(const QString &sql, const QVariantList &values = {}) const;
    // The tally of one child made again from its attempts.
    bool recount(const QString &key);
    // Deletes, then compacts the file.
    bool deleted(const std::vector<std::pair<QString, QVariantList>> &statements);

    QString file_, driver_, connection_;
    Trouble trouble_ = Trouble::None;
    bool ready_ = false;
    mutable QSqlError error_; // the last failure
    QString setAside_;
    std::vector<Attempt> pending_; // attempts whose write failed, tried again with the next one
};
