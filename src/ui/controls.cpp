#include "ui/controls.h"

#include "ui/accessible.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    if (const QString name = spokenWith(spokenName_, caption_); name != accessibleName())
        setAccessibleName(name);
}

void Label::setSpokenName(const QString &name)
{
    spokenName_ = name;
    showCaption();
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

ComboBox::ComboBox(QWidget *parent) : Placed<QComboBox>(parent) { setEditable(false); }

ListBox::ListBox(QWidget *parent) : Placed<QListWidget>(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A line wider than the list wraps: every line is read whole.
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

Image::Image(QWidget *parent) : Placed<QAbstractButton>(parent)
{
    installAccessibility();
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPressable(bool on)
{
    pressable_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Image::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(e);
}

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
    p.setOpacity(1);
    drawFocusFrame(p, this);
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
    installAccessibility();
    setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::setFillColor(vb::Colour c)
{
    fill_ = c & 0xFFFFFF;
    update();
}

void Shape::setVerdict(Verdict v)
{
    if (v == verdict_)
        return;
    verdict_ = v;
    update();
    accessibleDescriptionChanged(this);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(vb::toQColor(fill_));
    const int d = qMin(width(), height()) - 2;
    const QRect circle((width() - d) / 2, (height() - d) / 2, d, d);
    p.drawEllipse(circle);
    drawTickOrCross(p, circle, verdict_, qMax(2.5, d / 9.0)); // black on the light's colour, the whole light wide
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
