// The application folder, where every file the program reads lies.
#pragma once

#include <QString>

namespace AppFolder {

// The folder of the executable, unless a test points it elsewhere.
QString path();
void setPath(const QString &folder);
// Application folder followed by a relative path such as "/sonidos/pulsa.wav".
QString resource(const QString &relative);

} // namespace AppFolder
