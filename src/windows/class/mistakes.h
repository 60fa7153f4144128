// What each child of the class should practise, worked out on a second thread
// so that the class window answers the teacher meanwhile: the diagnosis of a
// child's school year (some 7,000 exercises) takes a tenth of a second or more,
// and a class has twenty-five children. The thread reads the history through a
// connection of its own; each child's answer comes back to the window's thread
// as it is ready, and is kept for as long as the child's exercises in the days
// asked for stay as many.
#pragma once

#include "diagnosis/diagnosis.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class ClassMistakes : public QObject
{
    Q_OBJECT
public:
    // For the history in this file.
    explicit ClassMistakes(const QString &file, QObject *parent = nullptr);
    ~ClassMistakes() override;

    struct Child {
        QString key, name;
        int exercises = 0; // in the days asked for
    };
    // What to practise, if it is known already.
    std::optional<std::vector<Diagnosis::Pattern>> known(const Child &child, const QDateTime &from, const QDateTime &to) const;
    // Works out each child not known yet, in this order, over [from, to) (the
    // week that holds `today` is this week); the work asked for before is given up.
    void start(const std::vector<Child> &children, const QDateTime &from, const QDateTime &to, const QDate &today);
    // Waits until every child asked for is known.
    void finish();
    // Forgets what is known (the history changed).
    void forget();

signals:
    void ready(const QString &key, const std::vector<Diagnosis::Pattern> &mistakes);

private:
    void stop();
    static QString cacheKey(const Child &child, const QDateTime &from, const QDateTime &to);
    QString file_;
    QHash<QString, std::vector<Diagnosis::Pattern>> known_;
    std::thread thread_;
    std::shared_ptr<std::atomic<bool>> stop_;
};
