// The control kinds the windows use, each a thin Qt widget with the few
// properties the windows read and write. Geometry is in twips, colours in 0xBBGGRR.
#pragma once

#include "ui/vb.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <QMovie>

// The screen's pixels per layout pixel: 2 on a high-density screen.
qreal screenPixelRatio();
// The file of a picture to load at that ratio: "name@2x.ext" beside "name.ext"
// when the ratio is above 1 and that file exists, otherwise the file itself.
QString pictureFile(const QString &path, qreal ratio = screenPixelRatio());
// A picture, sharp at that ratio: its @2x variant, where there is one, drawn at
// the size of the picture itself.
QPixmap loadPicture(const QString &path, qreal ratio = screenPixelRatio());

// Left/Top/Width/Height in twips, Visible and Enabled, on top of any widget.
template <class Base> class Placed : public Base
{
public:
    using Base::Base;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v) { place(v, top_, width_, height_); }
    void setTop(int v) { place(left_, v, width_, height_); }
    // Move: the left edge only, top and size unchanged.
    void Move(int left) { setLeft(left); }
    virtual void place(int left, int top, int width, int height)
    {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        this->setGeometry(vb::toPixels(left, top, width, height));
    }
    // Visible is the control's own flag, whatever the window's state.
    bool Visible() const { return !this->isHidden(); }
    void setVisibleFlag(bool v) { this->setVisible(v); }
    bool Enabled() const { return this->isEnabled(); }

private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A graphical-style command button: back colour, optional picture above the caption.
class CommandButton : public Placed<QAbstractButton>
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString &c);
    vb::Colour BackColor() const { return back_; }
    void setBackColor(vb::Colour c);
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &p);
    // A button that shows only a picture is named for screen readers by this.
    void setPictureName(const QString &name);
    void setFontSize(double points);
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    vb::Colour back_ = vb::ButtonFace;
    QPixmap picture_;
    QString pictureName_;
};

// A caption on a transparent background; reports mouse movement over it.
class Label : public Placed<QLabel>
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    QString Caption() const { return caption_; }
    void setCaption(const QString &c);
    vb::Colour ForeColor() const { return fore_; }
    void setForeColor(vb::Colour c);
    // One line, cut with "…" at the end when the caption does not fit.
    void setSingleLine(bool on);
signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void showCaption();
    vb::Colour fore_ = 0x000000;
    QString caption_;
    bool singleLine_ = false;
};

class TextBox : public Placed<QLineEdit>
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
    QString Text() const { return text(); }
    void setTextValue(const QString &t) { setText(t); }
};

class ListBox : public Placed<QListWidget>
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);
    void AddItem(const QString &line);
    int ListCount() const { return count(); }
    QString List(int i) const;
};

// A still picture drawn at its natural size from the top-left corner; clickable.
class Image : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &p);
    void setPictureName(const QString &name);
signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QPixmap picture_;
};

// A panel that holds a picture painted into it.
class PictureBox : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    // Paints the given region of the source at the panel's top-left corner, unscaled.
    void PaintPicture(const QPixmap &source, const QRect &sourcePixels);
    QPixmap Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap image_;
};

// A round shape (the only kind the windows use).
class Shape : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    vb::Colour FillColor() const { return fill_; }
    void setFillColor(vb::Colour c);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    vb::Colour fill_ = vb::White;
};

// A straight stroke between two points of the window, its width in pixels.
class Line : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit Line(QWidget *parent = nullptr);
    void setEnds(int x1, int y1, int x2, int y2, int widthPixels);
    // Moves the first end only.
    void setX1(int x1) { setEnds(x1, y1_, x2_, y2_, pen_); }
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0, pen_ = 1;
};

// A timer with an Interval in milliseconds and an Enabled switch.
class Timer : public QObject
{
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr);
    int Interval() const { return timer_.interval(); }
    void setInterval(int ms) { timer_.setInterval(ms); }
    bool Enabled() const { return timer_.isActive(); }
    void setEnabled(bool on);
signals:
    void tick();

private:
    QTimer timer_;
};

// The names of the files of one folder, sorted by name.
class FileList : public QObject
{
    Q_OBJECT
public:
    explicit FileList(QObject *parent = nullptr);
    QString Path() const { return path_; }
    void setPath(const QString &folder);
    int ListCount() const { return static_cast<int>(names_.size()); }
    QString List(int i) const;

private:
    QString path_;
    QStringList names_;
};

// The animated-picture control: shows a GIF file in its rectangle and reports
// the end of an animation that does not loop for ever.
class Vorlando : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit Vorlando(QWidget *parent = nullptr);
    // Shows the file from its first frame, replacing what was shown; "" shows nothing.
    void setFile(const QString &path);
    QString file() const { return file_; }
    bool hasAnimation() const { return movie_ != nullptr; }
    int frameCount() const;
    bool isPlaying() const;
signals:
    void GifEnd();

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

private:
    QString file_;
    QPointer<QMovie> movie_;
    qreal frameRatio_ = 1.0; // 2 for the @2x variant of the file
};
