#include "windows/common/rules.h"

#include "app/module1.h"
#include "ui/controls.h"
#include "windows/forms.h"
#include "windows/results/form5.h"

int captionValue(const QString &caption)
{
    bool ok = false;
    const int v = caption.trimmed().toInt(&ok);
    return ok ? v : 0;
}

void digitUp(CommandButton *cell)
{
    const int v = captionValue(cell->Caption());
    cell->setCaption(QString::number(v != 9 ? v + 1 : 0));
}

void digitDown(CommandButton *cell)
{
    const int v = captionValue(cell->Caption());
    cell->setCaption(QString::number(v != 0 ? v - 1 : 9));
}

void addResultsLine(const QString &text)
{
    ++Module1::ResultsCounter;
    forms().form5()->List1->AddItem(QString::number(Module1::ResultsCounter) + QStringLiteral(". ") + text);
}
