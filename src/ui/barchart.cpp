#include "ui/barchart.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

BarChart::BarChart(QWidget *parent) : Placed<QWidget>(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFocusPolicy(Qt::NoFocus); // the table beside it is what the keyboard reads
}

void BarChart::setModel(QAbstractItemModel *model)
{
    model_ = model;
    connect(model, &QAbstractItemModel::modelReset, this, qOverload<>(&QWidget::update));
    connect(model, &QAbstractItemModel::dataChanged, this, qOverload<>(&QWidget::update));
    connect(model, &QAbstractItemModel::rowsInserted, this, qOverload<>(&QWidget::update));
    connect(model, &QAbstractItemModel::rowsRemoved, this, qOverload<>(&QWidget::update));
    update();
}

namespace {

// A step of the scale that gives at most about five lines: 1, 2, 5, 10, 20, 50, ...
int niceStep(int top)
{
    for (int magnitude = 1;; magnitude *= 10)
        for (int m : {1, 2, 5})
            if (m * magnitude * 5 >= top)
                return m * magnitude;
}

void tick(QPainter &p, const QRectF &r, bool cross)
{
    QPainterPath path;
    if (cross) {
        path.moveTo(r.topLeft());
        path.lineTo(r.bottomRight());
        path.moveTo(r.topRight());
        path.lineTo(r.bottomLeft());
    } else {
        path.moveTo(r.left(), r.center().y());
        path.lineTo(r.left() + r.width() * 0.4, r.bottom());
        path.lineTo(r.right(), r.top());
    }
    p.drawPath(path);
}

} // namespace

void BarChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(font());
    const qreal line = fm.height(), pad = line * 0.5;
    const int rows = model_ ? model_->rowCount() : 0;
    auto value = [&](int row, int column) { return model_->index(row, column).data().toInt(); };
    int top = 1;
    for (int r = 0; r < rows; ++r)
        top = std::max(top, value(r, 1) + value(r, 2));
    const int step = niceStep(top);
    const int scaleTop = (top + step - 1) / step * step;

    // The legend along the top: a solid box with a tick, a hatched box with a cross.
    const QBrush rightBrush(rightColour()), wrongBrush(wrongColour(), Qt::BDiagPattern);
    auto swatch = [&](qreal x, const QBrush &brush, bool cross, const QString &label) {
        const QRectF box(x, pad, line, line * 0.8);
        p.setPen(QPen(Qt::black, 1));
        p.fillRect(box, Qt::white);
        p.fillRect(box, brush);
        p.drawRect(box);
        p.setPen(QPen(cross ? wrongColour().darker(150) : rightColour().darker(150), std::max<qreal>(1.5, line / 8)));
        tick(p, QRectF(x + line * 1.3, pad, line * 0.7, line * 0.8), cross);
        p.setPen(Qt::black);
        const QRectF text(x + line * 2.2, pad - line * 0.1, fm.horizontalAdvance(label) + 2, line);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, label);
        return text.right() + line;
    };
    if (model_) {
        const qreal x = swatch(pad, rightBrush, false, model_->headerData(1, Qt::Horizontal).toString());
        swatch(x, wrongBrush, true, model_->headerData(2, Qt::Horizontal).toString());
    }

    // The plot: a scale on the left, the days along the bottom.
    const qreal left = fm.horizontalAdvance(QString::number(scaleTop)) + pad * 2;
    const QRectF plot(left, pad * 2 + line * 1.2, width() - left - pad, height() - (pad * 3 + line * 2.4));
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1));
    for (int v = 0; v <= scaleTop; v += step) {
        const qreal y = plot.bottom() - plot.height() * v / scaleTop;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.save();
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - line / 2, left - pad, line), Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
        p.restore();
    }
    if (rows == 0)
        return;
    const qreal slot = plot.width() / rows, bar = std::min(slot * 0.7, line * 2.5);
    // As many labels as fit side by side: every label, every second, ...
    qreal widest = 0;
    for (int r = 0; r < rows; ++r)
        widest = std::max(widest, fm.horizontalAdvance(model_->index(r, 0).data(Qt::UserRole).toString()));
    const int every = std::max(1, int(std::ceil((widest + pad) / slot)));
    for (int r = 0; r < rows; ++r) {
        const qreal x = plot.left() + slot * r + (slot - bar) / 2;
        const int right = value(r, 1), wrong = value(r, 2);
        const qreal hr = plot.height() * right / scaleTop, hw = plot.height() * wrong / scaleTop;
        const QRectF rightBar(x, plot.bottom() - hr, bar, hr), wrongBar(x, plot.bottom() - hr - hw, bar, hw);
        p.fillRect(rightBar, rightBrush);
        p.fillRect(wrongBar, Qt::white);
        p.fillRect(wrongBar, wrongBrush);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        if (hw > 0)
            p.drawRect(wrongBar);
        if (hr > 0)
            p.drawRect(rightBar);
        if ((rows - 1 - r) % every == 0) { // the latest day always has its label, inside the chart
            const QString label = model_->index(r, 0).data(Qt::UserRole).toString();
            const qreal w = fm.horizontalAdvance(label) + 2;
            const qreal at = std::min(x + bar / 2 - w / 2, width() - pad / 2 - w);
            p.drawText(QRectF(at, plot.bottom() + pad / 2, w, line), Qt::AlignHCenter | Qt::AlignTop, label);
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
}
