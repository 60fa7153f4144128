#include "windows/results/teacher.h"

#include "ui/commandbutton.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

QAction *commandKey(QWidget *window, CommandButton *button, const QKeySequence &key, QWidget *list)
{
    auto *a = new QAction(button->Caption(), window);
    a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, button, &QAbstractButton::click);
    window->addAction(a);
    list->addAction(a);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    return a;
}

void printThroughDialog(QWidget *over, const QString &name, const QDate &date, const std::function<void(QPrinter &)> &print)
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("%1 %2.pdf").arg(name.trimmed(), date.toString(Qt::ISODate))));
    }
    QPrintDialog dialog(&printer, over);
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}
