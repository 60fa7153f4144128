#include "ui/commandbutton.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// Contrast of two colours as the accessibility guidelines measure it, 1 to 21.
double luminance(const QColor &c)
{
    auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

constexpr double ReadableContrast = 4.5;

// How a caption is inked on its back colour: white on dark colours, black on
// light ones; white that does not stand out enough (on pure red) gets a dark
// outline. A locked button's caption is a little softer, never below the
// readable contrast.
struct Ink {
    QColor fill;
    QColor outline; // invalid: none
};

Ink captionInk(vb::Colour back, bool enabled)
{
    const QColor bg = vb::toQColor(back);
    const double shade = 0.299 * bg.red() + 0.587 * bg.green() + 0.114 * bg.blue();
    Ink ink{shade < 110 ? QColor(Qt::white) : QColor(Qt::black), QColor()};
    if (contrast(ink.fill, bg) < ReadableContrast)
        ink.outline = QColor(Qt::black);
    if (!enabled && !ink.outline.isValid()) {
        for (double t = 0.35; t > 0; t -= 0.05) {
            const QColor soft((1 - t) * ink.fill.red() + t * bg.red(), (1 - t) * ink.fill.green() + t * bg.green(),
                              (1 - t) * ink.fill.blue() + t * bg.blue());
            if (contrast(soft, bg) >= ReadableContrast) {
                ink.fill = soft;
                break;
            }
        }
    }
    return ink;
}

} // namespace

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget *parent) : Placed<QAbstractButton>(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void CommandButton::setCaption(const QString &c)
{
    setText(c);
    nameChanged();
    update();
}

void CommandButton::setSpokenName(const QString &name)
{
    spokenName_ = name;
    nameChanged();
}

void CommandButton::nameChanged() { setAccessibleName(spokenName()); }

void CommandButton::setVerdict(Verdict v)
{
    verdict_ = v;
    update();
}

void CommandButton::setBackColor(vb::Colour c)
{
    back_ = c & 0xFFFFFF;
    update();
}

void CommandButton::setPicture(const QPixmap &p)
{
    picture_ = p;
    update();
}

void CommandButton::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    update();
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    p.fillRect(r, vb::toQColor(back_));
    if (isEnabled()) {
        // A raised bevel, sunken while pressed.
        const QColor light(255, 255, 255, 200), dark(0, 0, 0, 150);
        p.setPen(down ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(QColor(0, 0, 0, 90));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        // Locked: flat, with a dotted frame inside the edge.
        p.setPen(QColor(0, 0, 0, 90));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QPen(QColor(0, 0, 0, 110), 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }

    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    QRect textRect = r.adjusted(2, 2, -2, -2).translated(shift);
    if (!picture_.isNull()) {
        const QSize ps = picture_.deviceIndependentSize().toSize();
        const int textHeight = text().isEmpty() ? 0 : fontMetrics().height();
        const QPoint at(r.center().x() - ps.width() / 2 + 1, r.center().y() - (ps.height() + textHeight) / 2 + 1);
        p.setOpacity(isEnabled() ? 1.0 : 0.45);
        p.drawPixmap(at + shift, picture_);
        p.setOpacity(1.0);
        textRect.setTop(at.y() + ps.height());
    }
    if (!text().isEmpty()) {
        const Ink ink = captionInk(back_, isEnabled());
        p.setFont(font());
        if (ink.outline.isValid()) {
            // The text drawn as a path, so that its outline can be stroked around it.
            QPainterPath path;
            const QFontMetricsF m(font());
            QStringList lines; // word-wrapped to the button, as drawText would
            for (const QString &word : text().split(QLatin1Char(' '))) {
                if (!lines.isEmpty() && m.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= textRect.width())
                    lines.last() += QLatin1Char(' ') + word;
                else
                    lines << word;
            }
            double y = textRect.center().y() - m.height() * lines.size() / 2 + m.ascent();
            for (const QString &line : lines) {
                path.addText(textRect.center().x() - m.horizontalAdvance(line) / 2, y, font(), line);
                y += m.height();
            }
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(ink.outline, qMax(2.5, font().pointSizeF() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(ink.fill);
            p.drawPath(path);
            p.setPen(Qt::NoPen);
            p.drawPath(path);
        } else {
            p.setPen(ink.fill);
            p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
        }
    }
}

