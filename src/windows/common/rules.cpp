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

void enterKey(CommandButton *cell, DigitKey key, const QString &empty)
{
    switch (key.kind) {
    case DigitKey::Digit:
        cell->setCaption(QString::number(key.digit));
        break;
    case DigitKey::Empty:
        cell->setCaption(empty);
        break;
    case DigitKey::Up:
        digitUp(cell);
        break;
    case DigitKey::Down:
        digitDown(cell);
        break;
    }
}

void light(Shape *lamp, bool right)
{
    lamp->setFillColor(right ? vb::Green : vb::Red);
    lamp->setVerdict(right ? Verdict::Right : Verdict::Wrong);
    lamp->show();
}

void judge(CommandButton *cell, bool right, vb::Colour rightColour)
{
    cell->setBackColor(right ? rightColour : vb::Red);
    cell->setVerdict(right ? Verdict::Right : Verdict::Wrong);
}

void unjudge(CommandButton *cell)
{
    cell->setBackColor(vb::White);
    cell->setVerdict(Verdict::None);
}

void addResultsLine(ExerciseKind kind, bool right, const QString &text)
{
    ++Module1::ResultsCounter;
    forms().form5()->AddRecord({kind, right, QString::number(Module1::ResultsCounter) + QStringLiteral(". ") + text});
}

QString verdictTail(const QString &word) { return QStringLiteral(" ** ") + word + QStringLiteral(" **"); }
