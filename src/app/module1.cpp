#include "app/module1.h"

#include <QCoreApplication>

namespace Module1 {

QString PlayerName;
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
    BackgroundIndex = 0;
    RunStarted = QDateTime::currentDateTime();
}

} // namespace Module1
