#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
    // Qt's own dialogs (the print dialog) speak the program's language.
    static QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);
}
