// A fixed-size window whose client area, controls and layout come from a table.
#pragma once

#include "ui/controls.h"

#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

enum class Kind { Button, Label, TextBox, ListBox, PictureBox, Image, Shape, Line, Timer, FileList, Vorlando };

struct FontStyle {
    const char *face = nullptr; // nullptr: the window's font
    double points = 0;
    bool bold = false;
};

// One row of a window's layout. For a Line the rectangle holds its two end
// points (x1, y1, x2, y2) and lineWidth its width in pixels; for a Timer, left holds the interval.
struct ControlLayout {
    QString name{};
    int index = -1; // -1: not an array element
    Kind kind = Kind::Button;
    QString caption{};
    int left = 0, top = 0, width = 0, height = 0;
    std::optional<vb::Colour> colour{};
    FontStyle font{};
    bool hidden = false;
    QString picture{};      // a stored picture, ":/pictures/…"
    QString accessibleName{}; // for a control that shows only a picture
    int lineWidth = 1;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
};

struct FormLayout {
    QString caption{};
    int left = 0, top = 0, width = 0, height = 0; // client area, twips
    std::optional<vb::Colour> backColour;
    FontStyle font;
    std::vector<ControlLayout> controls;
};

// The elements of one control array, by index; all share one handler.
template <class T> class ControlArray
{
public:
    ControlArray() = default;
    explicit ControlArray(std::map<int, T *> items) : items_(std::move(items)) {}
    T *operator[](int i) const
    {
        auto it = items_.find(i);
        return it == items_.end() ? nullptr : it->second;
    }
    int count() const { return static_cast<int>(items_.size()); }
    const std::map<int, T *> &items() const { return items_; }
    // Connects every element's click to handler(index).
    template <class Fn> void onClick(QObject *context, Fn handler) const
    {
        for (auto [i, c] : items_) {
            const int index = i;
            if constexpr (std::is_same_v<T, CommandButton>)
                QObject::connect(c, &QAbstractButton::clicked, context, [handler, index] { handler(index); });
            else
                QObject::connect(c, &T::clicked, context, [handler, index] { handler(index); });
        }
    }

private:
    std::map<int, T *> items_;
};

class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(const FormLayout &design, QWidget *parent = nullptr);

    // Window position and client size in twips.
    int Left() const;
    int Top() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void MoveTo(int leftTwips, int topTwips);
    void setSize(int widthTwips, int heightTwips);

    // The background picture, drawn unscaled from the top-left corner.
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &p);
    vb::Colour BackColor() const { return back_; }

    QString Caption() const { return windowTitle(); }

    // Shows the window modeless and brings it to the front.
    void Show();

    template <class T> T *control(const QString &name, int index = -1) const
    {
        auto it = controls_.find(name);
        if (it == controls_.end())
            return nullptr;
        auto jt = it->second.find(index);
        return jt == it->second.end() ? nullptr : qobject_cast<T *>(jt->second);
    }
    template <class T> ControlArray<T> array(const QString &name) const
    {
        std::map<int, T *> items;
        auto it = controls_.find(name);
        if (it != controls_.end())
            for (auto [i, o] : it->second)
                if (auto *t = qobject_cast<T *>(o))
                    items[i] = t;
        return ControlArray<T>(std::move(items));
    }

    // Runs once, on the window's first reference (see Forms).
    virtual void Form_Load() {}

signals:
    // The window was closed with its close box and is gone.
    void unloaded();

protected:
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *e) override;
    // Whether the close box may close this window (the main window asks first).
    virtual bool QueryClose() { return true; }

private:
    QObject *create(const ControlLayout &s);

    int width_ = 0, height_ = 0;
    vb::Colour back_ = vb::WindowFace;
    QPixmap picture_;
    std::map<QString, std::map<int, QObject *>> controls_;
};

// Screen size in twips.
QSize screenTwips();

// The rows of a control array whose elements differ only in place: indices
// first, first + 1, … take the rectangles in order.
std::vector<ControlLayout> elements(const ControlLayout &proto, const std::vector<std::array<int, 4>> &rects, int first = 0);

// Joins groups of rows into one table, in order.
std::vector<ControlLayout> table(std::initializer_list<std::vector<ControlLayout>> groups);
