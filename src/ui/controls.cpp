#include "ui/controls.h"

#include <QApplication>
#include <QDir>
#include <cmath>
#include <QFileInfo>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>

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

// ---------------------------------------------------------------- pictures

qreal screenPixelRatio() { return qApp ? qApp->devicePixelRatio() : 1.0; }

namespace {
QString doubleSizeName(const QString &path)
{
    const QFileInfo fi(path);
    const QString suffix = fi.completeSuffix();
    return fi.path() + QLatin1Char('/') + fi.baseName() + QStringLiteral("@2x") + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}
} // namespace

QString pictureFile(const QString &path, qreal ratio)
{
    if (ratio > 1.0) {
        const QString big = doubleSizeName(path);
        if (QFileInfo(big).isFile())
            return big;
    }
    return path;
}

QPixmap loadPicture(const QString &path, qreal ratio)
{
    const QString file = pictureFile(path, ratio);
    QPixmap p(file);
    if (file != path)
        p.setDevicePixelRatio(2.0);
    return p;
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget *parent) : Placed<QAbstractButton>(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void CommandButton::setCaption(const QString &c)
{
    setText(c);
    if (!pictureName_.isEmpty() && c.isEmpty())
        setAccessibleName(pictureName_);
    else
        setAccessibleName(c);
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

void CommandButton::setPictureName(const QString &name)
{
    pictureName_ = name;
    if (text().isEmpty())
        setAccessibleName(name);
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

// ---------------------------------------------------------------- Label

Label::Label(QWidget *parent) : Placed<QLabel>(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setMouseTracking(true);
    setForeColor(0x000000);
}

void Label::setForeColor(vb::Colour c)
{
    fore_ = c & 0xFFFFFF;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, vb::toQColor(fore_));
    setPalette(pal);
}

void Label::setCaption(const QString &c)
{
    caption_ = c;
    showCaption();
}

void Label::setSingleLine(bool on)
{
    singleLine_ = on;
    setWordWrap(!on);
    showCaption();
}

void Label::showCaption()
{
    setText(singleLine_ ? fontMetrics().elidedText(caption_, Qt::ElideRight, contentsRect().width()) : caption_);
    setToolTip(text() != caption_ ? caption_ : QString());
    setAccessibleName(caption_);
}

void Label::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    if (singleLine_)
        showCaption();
}

void Label::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(e);
}

// ---------------------------------------------------------------- TextBox, ListBox

TextBox::TextBox(QWidget *parent) : Placed<QLineEdit>(parent) {}

ListBox::ListBox(QWidget *parent) : Placed<QListWidget>(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::AddItem(const QString &line)
{
    addItem(line);
    scrollToBottom();
}

QString ListBox::List(int i) const
{
    const QListWidgetItem *it = item(i);
    return it ? it->text() : QString();
}

// ---------------------------------------------------------------- Image, PictureBox

Image::Image(QWidget *parent) : Placed<QWidget>(parent) {}

void Image::setPicture(const QPixmap &p)
{
    picture_ = p;
    update();
}

void Image::setPictureName(const QString &name) { setAccessibleName(name); }

void Image::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (!isEnabled())
        p.setOpacity(0.45);
    p.drawPixmap(0, 0, picture_);
}

void Image::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

PictureBox::PictureBox(QWidget *parent) : Placed<QWidget>(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::PaintPicture(const QPixmap &source, const QRect &sourcePixels)
{
    const qreal r = source.devicePixelRatio();
    image_ = source.copy(QRect(sourcePixels.topLeft() * r, sourcePixels.size() * r));
    image_.setDevicePixelRatio(r);
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, image_);
}

// ---------------------------------------------------------------- Shape, Line

Shape::Shape(QWidget *parent) : Placed<QWidget>(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::setFillColor(vb::Colour c)
{
    fill_ = c & 0xFFFFFF;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(vb::toQColor(fill_));
    const int d = qMin(width(), height()) - 2;
    p.drawEllipse(QRect((width() - d) / 2, (height() - d) / 2, d, d));
}

Line::Line(QWidget *parent) : Placed<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Line::setEnds(int x1, int y1, int x2, int y2, int widthPixels)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    pen_ = qMax(1, widthPixels);
    const int pad = vb::TwipsPerPixel * (pen_ + 1);
    place(qMin(x1, x2) - pad, qMin(y1, y2) - pad, qAbs(x2 - x1) + 2 * pad, qAbs(y2 - y1) + 2 * pad);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, pen_, Qt::SolidLine, Qt::FlatCap));
    const QPointF origin = geometry().topLeft();
    auto at = [&](int x, int y) { return QPointF(x / double(vb::TwipsPerPixel), y / double(vb::TwipsPerPixel)) - origin; };
    p.drawLine(at(x1_, y1_), at(x2_, y2_));
}

// ---------------------------------------------------------------- Timer, FileList

Timer::Timer(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool on)
{
    if (on && !timer_.isActive())
        timer_.start();
    else if (!on)
        timer_.stop();
}

FileList::FileList(QObject *parent) : QObject(parent) {}

void FileList::setPath(const QString &folder)
{
    path_ = folder;
    while (path_.size() > 1 && path_.endsWith(QLatin1Char('/')))
        path_.chop(1);
    names_ = QDir(path_).entryList(QDir::Files, QDir::Name);
    // "x@2x.jpg" beside "x.jpg" is the same picture for high-density screens.
    const QStringList all = names_;
    names_.removeIf([&](const QString &n) {
        const qsizetype at = n.lastIndexOf(QStringLiteral("@2x."));
        return at > 0 && all.contains(n.left(at) + n.mid(at + 3));
    });
}

QString FileList::List(int i) const
{
    return i >= 0 && i < names_.size() ? names_.at(i) : QString();
}

// ---------------------------------------------------------------- Vorlando

Vorlando::Vorlando(QWidget *parent) : Placed<QWidget>(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Vorlando::setFile(const QString &path)
{
    file_ = path;
    if (movie_) {
        movie_->stop();
        delete movie_;
    }
    // Only a regular file: a pipe in its place would never finish loading.
    const QString file = pictureFile(path);
    frameRatio_ = file != path ? 2.0 : 1.0;
    if (QFileInfo(file).isFile()) {
        auto *m = new QMovie(file, QByteArray(), this);
        if (m->isValid() && m->frameCount() != 0 && m->jumpToFrame(0)) {
            movie_ = m;
            connect(m, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
            connect(m, &QMovie::finished, this, &Vorlando::GifEnd);
            // A hidden control does not animate: it starts when it is shown.
            if (isVisible())
                m->start();
        } else {
            delete m;
        }
    }
    update();
}

int Vorlando::frameCount() const { return movie_ ? movie_->frameCount() : 0; }

bool Vorlando::isPlaying() const { return movie_ && movie_->state() == QMovie::Running; }

void Vorlando::paintEvent(QPaintEvent *)
{
    if (!movie_)
        return;
    QPixmap frame = movie_->currentPixmap();
    if (frame.isNull())
        return;
    frame.setDevicePixelRatio(frameRatio_);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize s = frame.deviceIndependentSize().toSize();
    if (s.width() > width() || s.height() > height())
        s.scale(size(), Qt::KeepAspectRatio);
    p.drawPixmap(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), frame);
}

void Vorlando::showEvent(QShowEvent *)
{
    if (!movie_)
        return;
    if (movie_->state() == QMovie::Paused)
        movie_->setPaused(false);
    else if (movie_->state() == QMovie::NotRunning && movie_->currentFrameNumber() == 0)
        movie_->start();
}

void Vorlando::hideEvent(QHideEvent *)
{
    if (movie_ && movie_->state() == QMovie::Running)
        movie_->setPaused(true);
}
