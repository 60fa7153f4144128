#include "app/startup.h"
#include "app/language.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void PrepareApplication()
{
    // The windows name classic fonts; the metric-compatible free faces stand in.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont dialog(QStringLiteral("MS Sans Serif"));
    dialog.setPointSizeF(8.25);
    QApplication::setFont(dialog);
    // A window without a title of its own shows the program's name.
    QApplication::setApplicationName(QStringLiteral("Cuentas"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    // Qt's own dialogs (the print dialog) speak the program's language, Spanish
    // until main() sets the language to start in.
    Language::setCurrent(Language::current().code);
}
