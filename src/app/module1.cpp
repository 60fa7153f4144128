#include "app/module1.h"

#include <QCoreApplication>

namespace Module1 {

QString PlayerName;
int ResultsCounter = 0;
int BackgroundIndex = 0;
QDateTime RunStarted = QDateTime::currentDateTime();
namespace {
void quit() { QCoreApplication::exit(0); }
} // namespace

std::function<void()> EndProgram = quit;

void reset()
{
    EndProgram = quit;
    PlayerName.clear();
    ResultsCounter = 0;
    BackgroundIndex = 0;
    RunStarted = QDateTime::currentDateTime();
}

} // namespace Module1

namespace AppFolder {

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
} // namespace

QString path() { return overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden(); }

void setPath(const QString &folder) { overridden() = folder; }

QString resource(const QString &relative) { return path() + relative; }

} // namespace AppFolder

namespace Clock {

namespace {
int &length()
{
    static int ms = 0;
    return ms;
}
} // namespace

int second() { return length() > 0 ? length() : 1000; }

void setSecond(int ms) { length() = ms; }

} // namespace Clock
