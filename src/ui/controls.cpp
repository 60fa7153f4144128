#include "ui/controls.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>

namespace {

// Black text on light backgrounds, white on dark ones, so a digit stays readable.
QColor captionColour(vb::Colour back)
{
    const QColor c = vb::toQColor(back);
    const double luminance = 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
    return luminance < 110 ? QColor(Qt::white) : QColor(Qt::black);
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

    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    QRect textRect = r.adjusted(2, 2, -2, -2).translated(shift);
    if (!picture_.isNull()) {
        const QSize ps = picture_.deviceIndependentSize().toSize();
        const int textHeight = text().isEmpty() ? 0 : fontMetrics().height();
        const QPoint at(r.center().x() - ps.width() / 2 + 1, r.center().y() - (ps.height() + textHeight) / 2 + 1);
        if (isEnabled()) {
            p.drawPixmap(at + shift, picture_);
        } else {
            p.setOpacity(0.45);
            p.drawPixmap(at + shift, picture_);
            p.setOpacity(1.0);
        }
        textRect.setTop(at.y() + ps.height());
    }
    if (!text().isEmpty()) {
        QColor fg = captionColour(back_);
        if (!isEnabled()) {
            const QColor bg = vb::toQColor(back_);
            fg = QColor((fg.red() + 2 * bg.red()) / 3 + 20, (fg.green() + 2 * bg.green()) / 3 + 20,
                        (fg.blue() + 2 * bg.blue()) / 3 + 20);
            if (fg.lightness() > 235)
                fg = QColor(150, 150, 150);
        }
        p.setPen(fg);
        p.setFont(font());
        p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
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
    image_ = source.copy(sourcePixels);
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
    if (QFileInfo(path).isFile()) {
        auto *m = new QMovie(path, QByteArray(), this);
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
    const QPixmap frame = movie_->currentPixmap();
    if (frame.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize s = frame.size();
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
