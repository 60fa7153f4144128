#include "ui/commandbutton.h"

#include "ui/accessible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
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

// Whether the keyboard is in use: a key pressed anywhere turns it on, a press
// of the mouse turns it off. The focus frame shows only while it is on, so a
// child with a mouse sees the windows as they always were.
class KeyboardUse : public QObject
{
public:
    bool on = false;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        const bool key = e->type() == QEvent::KeyPress, mouse = e->type() == QEvent::MouseButtonPress;
        if ((key && !on) || (mouse && on)) {
            on = key;
            if (QWidget *f = QApplication::focusWidget())
                f->update();
        }
        return false;
    }
};

KeyboardUse &keyboardUse()
{
    static KeyboardUse *use = [] {
        auto *k = new KeyboardUse;
        qApp->installEventFilter(k);
        return k;
    }();
    return *use;
}

// The text a caption draws as: one line per word that does not fit beside the one before.
QStringList wrapped(const QString &text, const QFontMetricsF &m, qreal width)
{
    QStringList lines;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (!lines.isEmpty() && m.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= width)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines;
}

} // namespace

void drawFocusFrame(QPainter &p, QWidget *w)
{
    if (!w->hasFocus() || !keyboardUse().on)
        return;
    const QRect r = w->rect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(r).adjusted(3, 3, -3, -3));
    p.restore();
}

void drawMark(QPainter &p, const QRectF &r, Verdict v)
{
    if (v == Verdict::None || r.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal ring = qMax<qreal>(1, r.width() / 12);
    p.setPen(QPen(Qt::black, ring));
    p.setBrush(Qt::white);
    p.drawEllipse(r.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
    drawTickOrCross(p, r.adjusted(r.width() * 0.05, r.height() * 0.05, -r.width() * 0.05, -r.height() * 0.05), v,
                    qMax<qreal>(1.5, r.width() / 7));
    p.restore();
}

void drawTickOrCross(QPainter &p, const QRectF &r, Verdict v, qreal penWidth)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    if (v == Verdict::Right) {
        const QPointF tick[] = {at(0.24, 0.52), at(0.43, 0.72), at(0.77, 0.30)};
        p.drawPolyline(tick, 3);
    } else if (v == Verdict::Wrong) {
        p.drawLine(at(0.3, 0.3), at(0.7, 0.7));
        p.drawLine(at(0.7, 0.3), at(0.3, 0.7));
    }
    p.restore();
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget *parent) : Placed<QAbstractButton>(parent)
{
    installAccessibility();
    keyboardUse();
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void CommandButton::setUse(Use u)
{
    use_ = u;
    setFocusPolicy(u == Use::Display ? Qt::NoFocus : Qt::StrongFocus);
    setCursor(u == Use::Display ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

// A screen reader hears of a change only when there is one: every needless
// event lengthens the queue it works through before it reaches a verdict.
void CommandButton::setCaption(const QString &c)
{
    if (c == text())
        return;
    const QString before = spokenDigit();
    setText(c);
    if (use_ == Use::Digit)
        digitChanged(this, before);
    else
        nameChanged();
    update();
}

QString CommandButton::spokenName() const { return spokenWith(spokenName_, text()); }

void CommandButton::setSpokenName(const QString &name)
{
    if (name == spokenName_)
        return;
    spokenName_ = name;
    nameChanged();
}

QString CommandButton::spokenDigit() const { return text() == QLatin1String("-") ? QString() : text(); }

void CommandButton::setSpokenDescription(const QString &d)
{
    if (d == spokenDescription_)
        return;
    spokenDescription_ = d;
    accessibleDescriptionChanged(this);
}

void CommandButton::nameChanged()
{
    // A button that shows only a picture says in words what it does.
    setToolTip(!picture_.isNull() && text().isEmpty() ? spokenName() : QString());
    accessibleNameChanged(this);
}

void CommandButton::setVerdict(Verdict v)
{
    if (verdict_ == v)
        return;
    verdict_ = v;
    update();
    accessibleDescriptionChanged(this);
}

void CommandButton::setNeighbours(CommandButton *left, CommandButton *right)
{
    left_ = left;
    right_ = right;
}

void CommandButton::setBackColor(vb::Colour c)
{
    back_ = c & 0xFFFFFF;
    update();
}

void CommandButton::setPicture(const QPixmap &p)
{
    picture_ = p;
    nameChanged();
    update();
}

void CommandButton::setFontSize(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    update();
}

void CommandButton::keyPressEvent(QKeyEvent *e)
{
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter presses a command, as Space does; on a digit cell it asks the
        // window for what comes next. It never changes a digit.
        if (use_ == Use::Command)
            click();
        else if (use_ == Use::Digit)
            emit enterPressed();
        else
            e->ignore();
        return;
    }
    if (use_ == Use::Digit) {
        if (key == Qt::Key_Space)
            return; // a cell is written with digits and arrows: Space after Tab writes nothing
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            // The nearest cell of the row that can take the focus, that way.
            for (CommandButton *c = key == Qt::Key_Left ? left_ : right_; c; c = key == Qt::Key_Left ? c->left_ : c->right_)
                if (c->isVisibleTo(window()) && c->isEnabled()) {
                    c->setFocus(Qt::OtherFocusReason);
                    break;
                }
            return;
        }
        DigitKey k;
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            k = {DigitKey::Digit, key - Qt::Key_0};
        else if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
            k = {DigitKey::Empty};
        else if (key == Qt::Key_Up || key == Qt::Key_Plus)
            k = {DigitKey::Up};
        else if (key == Qt::Key_Down || key == Qt::Key_Minus)
            k = {DigitKey::Down};
        else
            return QAbstractButton::keyPressEvent(e);
        if (!e->isAutoRepeat() || k.kind == DigitKey::Up || k.kind == DigitKey::Down)
            emit keyPressed(k);
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

QRectF CommandButton::markBounds() const
{
    if (verdict_ == Verdict::None)
        return {};
    const qreal s = qBound<qreal>(12, qMin(width(), height()) * 0.3, 18);
    return QRectF(width() - s - 2, 2, s, s);
}

// The width of the outline stroked around a caption in this font.
qreal CommandButton::outlineWidth(const QFont &f) const
{
    return captionInk(back_, isEnabled()).outline.isValid() ? qMax(2.5, f.pointSizeF() / 7) : 0.0;
}

// What a caption covers in this font, its outline included, from its baseline origin.
QRectF CommandButton::captionExtent(const QFont &f) const
{
    const qreal m = outlineWidth(f) / 2;
    return QFontMetricsF(f).tightBoundingRect(text()).adjusted(-m, -m, m, m);
}

// Where a judged cell's digit stands: below its mark.
QRectF CommandButton::judgedCaptionArea() const { return QRectF(rect()).adjusted(2, markBounds().bottom() + 1, -2, -2); }

// A judged cell's digit stands below its mark, whole, as large as fits there.
QFont CommandButton::captionFont() const
{
    QFont f = font();
    if (verdict_ == Verdict::None || text().isEmpty())
        return f;
    const QRectF area = judgedCaptionArea();
    const QRectF glyph = captionExtent(f);
    const qreal scale = std::min({1.0, area.width() / glyph.width(), area.height() / glyph.height()});
    if (scale < 1)
        f.setPointSizeF(f.pointSizeF() * scale * 0.97);
    return f;
}

QRectF CommandButton::captionBounds() const
{
    const QFont f = captionFont();
    const QRectF glyph = captionExtent(f);
    if (verdict_ == Verdict::None || text().isEmpty())
        return glyph.translated(QRectF(rect()).center() - glyph.center());
    return glyph.translated(judgedCaptionArea().center() - glyph.center());
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
        const bool judged = verdict_ != Verdict::None;
        const QFont f = captionFont();
        const QFontMetricsF m(f);
        p.setFont(f);
        if (ink.outline.isValid() || judged) {
            // The text as a path: a judged digit placed by its own outline below
            // the mark, and any caption whose outline is stroked around it.
            QPainterPath path;
            if (judged) {
                path.addText(captionBounds().center() - captionExtent(f).center() + shift, f, text());
            } else {
                const QStringList lines = wrapped(text(), m, textRect.width());
                double y = textRect.center().y() - m.height() * lines.size() / 2 + m.ascent();
                for (const QString &line : lines) {
                    path.addText(textRect.center().x() - m.horizontalAdvance(line) / 2, y, f, line);
                    y += m.height();
                }
            }
            p.setRenderHint(QPainter::Antialiasing);
            if (ink.outline.isValid()) {
                p.setPen(QPen(ink.outline, outlineWidth(f), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(ink.fill);
                p.drawPath(path);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(ink.fill);
            p.drawPath(path);
        } else {
            p.setPen(ink.fill);
            p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
        }
    }
    drawMark(p, markBounds(), verdict_);
    drawFocusFrame(p, this);
}
