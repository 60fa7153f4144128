#include "column_helpers.h"

#include "windows/forms.h"
#include "windows/results/form5.h"

#include <QTest>

Form1 *loadMainWindow(const QString &player)
{
    Module1::PlayerName = player;
    Form1 *f = forms().form1();
    f->Show();
    return f;
}

QVector<double> commonDraws(int digits, bool secondRowFull, const QVector<int> &top, const QVector<int> &bottom)
{
    struct Write {
        int row, index, n, k;
    };
    const bool vis1[3] = {true, digits >= 2, digits >= 3};
    const bool vis2[3] = {true, secondRowFull && digits >= 2, secondRowFull && digits >= 3};
    QVector<Write> writes = {{1, 0, 10, 0}, {2, 0, 10, 0}};
    for (int i = 1; i <= 2; ++i) {
        writes.append(vis1[i] ? Write{1, i, 10, 0} : Write{1, i - 1, 9, 1});
        writes.append(vis2[i] ? Write{2, i, 10, 0} : Write{2, i - 1, 9, 1});
    }
    writes.append({1, 2, 9, 1});
    writes.append({2, 2, 9, 1});
    QVector<double> draws;
    for (int w = 0; w < writes.size(); ++w) {
        const Write &x = writes[w];
        bool last = true;
        for (int later = w + 1; later < writes.size(); ++later)
            if (writes[later].row == x.row && writes[later].index == x.index)
                last = false;
        const QVector<int> &want = x.row == 1 ? top : bottom;
        const int d = last && x.index < want.size() ? want[x.index] : x.k;
        draws.append(pick(x.n, x.k, qBound(x.k, d, x.k + x.n - 1)));
    }
    return draws;
}

namespace {
QVector<int> unitsFirst(const QString &digits)
{
    QVector<int> v;
    for (auto it = digits.crbegin(); it != digits.crend(); ++it)
        v << it->digitValue();
    return v;
}
} // namespace

QVector<double> additionDraws(const QString &top, const QString &bottom)
{
    return commonDraws(int(top.size()), true, unitsFirst(top), unitsFirst(bottom));
}

QVector<double> productDraws(const QString &top) { return commonDraws(int(top.size()), false, unitsFirst(top), {}); }

QVector<double> divisionDraws(int divisor, int quotient) { return commonDraws(3, true, {}, {}) << r8(divisor) << r8(quotient); }

void chooseDigits(Form1 *f, int digits)
{
    for (int guard = 0; guard < 3 && f->Command2->Caption() != QString::number(digits); ++guard) {
        scriptRandom({});
        click(f->Command2);
    }
}

void oneDigitAddition(Form1 *f, int a, int b)
{
    chooseDigits(f, 1);
    scriptRandom(additionDraws(QString::number(a), QString::number(b)));
    click(f->Command1[1]);
}

void typeAnswer(Form1 *f, const QStringList &boxes)
{
    for (int i = 0; i < boxes.size(); ++i)
        if (!boxes[i].isEmpty()) {
            const int d = boxes[i].toInt();
            clickTimes(f->Command3[i], d == 0 ? 10 : d);
        }
}

void typeNumber(Form1 *f, int value)
{
    QStringList boxes;
    do {
        boxes << QString::number(value % 10);
        value /= 10;
    } while (value > 0);
    typeAnswer(f, boxes);
}

QString rowText(const ControlArray<Label> &row)
{
    QString s;
    for (int i = 2; i >= 0; --i)
        if (row[i]->Visible())
            s += row[i]->Caption();
    return s;
}

int visibleBoxes(Form1 *f)
{
    int n = 0;
    for (int i = 0; i <= 3; ++i)
        if (f->Command3[i]->Visible()) {
            ++n;
            // every box has its count-down picture, and only the boxes in use do
            if (!f->Image1[i]->Visible())
                return -1;
        } else if (f->Image1[i]->Visible()) {
            return -1;
        }
    return n;
}

QString lastLine()
{
    ListBox *list = forms().form5()->List1;
    return list->ListCount() ? list->List(list->ListCount() - 1) : QString();
}
