// The control kinds the windows use, each a thin Qt widget with the few
// properties the windows read and write. Geometry is in twips, colours in 0xBBGGRR.
#pragma once

#include "ui/commandbutton.h"
#include "ui/placed.h"
#include "ui/vorlando.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

// A caption on a transparent background; reports mouse movement over it.
class Label : public Placed<QLabel>
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    QString Caption() const { return caption_; }
    void setCaption(const QString &c);
    // What a screen reader calls the label, "%1" standing for its caption; the caption when none is given.
    void setSpokenName(const QString &name);
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
    QString spokenName_;
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

// A closed list to choose one item from, by mouse or by the arrow keys.
class ComboBox : public Placed<QComboBox>
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);
    void AddItem(const QString &item) { addItem(item); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int i) { setCurrentIndex(i); }
    QString Text() const { return currentText(); }
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

// A still picture drawn at its natural size from the top-left corner; a button
// when the window gives it a click handler.
class Image : public Placed<QAbstractButton>
{
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &p);
    void setPictureName(const QString &name);
    QSize sizeHint() const override { return size(); }
    // A picture with a click handler is a button: it takes the focus, and Space or Enter press it.
    bool pressable() const { return pressable_; }
    void setPressable(bool on);

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QPixmap picture_;
    bool pressable_ = false;
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

// A round shape (the only kind the windows use): the division's lights.
class Shape : public Placed<QWidget>
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    vb::Colour FillColor() const { return fill_; }
    void setFillColor(vb::Colour c);
    // A light lit for a right or a wrong digit carries a ✓ or a ✗ as well as its colour.
    Verdict verdict() const { return verdict_; }
    void setVerdict(Verdict v);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    vb::Colour fill_ = vb::White;
    Verdict verdict_ = Verdict::None;
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
