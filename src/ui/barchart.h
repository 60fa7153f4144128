// A bar chart of right and wrong per day, drawn with QPainter from a table
// model: each row a bar, column 0 its label (Qt::UserRole: the short label under
// the bar), column 1 the right ones, column 2 the wrong ones; the headers of
// columns 1 and 2 name them in the legend. Right and wrong differ by more than
// colour: right is solid and carries a tick in the legend, wrong is hatched,
// stacked on top, and carries a cross. Sizes follow the font, so the chart
// reads alike at 1× and 2×. A screen reader reads the same model as a table.
#pragma once

#include "ui/placed.h"

#include <QPointer>
#include <QWidget>

class QAbstractItemModel;

class BarChart : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);
    void setModel(QAbstractItemModel *model);

    // The colours of the two parts.
    static QColor rightColour() { return QColor(0x1F, 0x5F, 0xBF); }
    static QColor wrongColour() { return QColor(0xD0, 0x30, 0x20); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPointer<QAbstractItemModel> model_;
};
