#include "app/appfolder.h"

#include <QCoreApplication>

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
