// What every control of a window shares: its place in twips, Visible and
// Enabled; and the pictures the controls show, sharp on any screen.
#pragma once

#include "ui/vb.h"

#include <QPixmap>
#include <QString>

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
    bool Enabled() const { return this->isEnabled(); }

private:
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};
