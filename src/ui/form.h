// A fixed-size window whose client area, controls and layout come from a table,
// and the one way windows find their controls and wire their handlers.
#pragma once

#include "ui/controls.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

enum class Kind { Button, Label, TextBox, ComboBox, ListBox, PictureBox, Image, Shape, Line, Timer, FileList, Vorlando };

struct FontStyle {
    const char *face = nullptr; // nullptr: the window's font
    double points = 0;
    bool bold = false;
};

// A rectangle of the window, in twips.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};
// A point of the window, in twips.
struct Point {
    int x = 0, y = 0;
};

// One row of a window's layout, written with designated initialisers:
//   {.name = "Command3", .caption = "Empezar", .rect = {5760, 2880, 3375, 615}, .colour = 0x80FFFF}
// Lines and timers have their own helpers below.
struct ControlLayout {
    QString name{};
    int index = -1; // -1: not an array element
    Kind kind = Kind::Button;
    QString caption{};
    Rect rect{};
    std::optional<vb::Colour> colour{};
    FontStyle font{};
    bool visible = true;
    QString picture{};        // a stored picture, ":/pictures/…"
    QString accessibleName{}; // what a screen reader calls it ("%1": its caption), when its caption does not say
    CommandButton::Use use = CommandButton::Use::Command; // a button: a command, a digit cell or a display
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    Point from{}, to{};  // a Line's two ends
    int lineWidth = 1;   // a Line's width in pixels
    int interval = 0;    // a Timer's interval in milliseconds
};

struct FormLayout {
    QString caption{};
    Rect rect{}; // window place and client area size
    std::optional<vb::Colour> backColour{};
    FontStyle font{};
    std::vector<ControlLayout> controls{};
};

// A straight stroke from one point to another, its width in pixels.
ControlLayout line(const QString &name, Point from, Point to, int widthPixels);
// A timer that starts disabled.
ControlLayout timer(const QString &name, int intervalMs);

// One element of a control array that differs from its siblings only in place
// and, optionally, picture.
struct Element {
    Rect rect{};
    QString picture{};
    QString accessibleName{};
    std::optional<vb::Colour> colour{};
};
// The rows of a control array: indices first, first + 1, … take the elements in order.
std::vector<ControlLayout> elements(const ControlLayout &proto, const std::vector<Element> &items, int first = 0);
// A regular row of count cells: cell i stands at first.left + i × step, all else as the first.
std::vector<ControlLayout> cellRow(const ControlLayout &proto, Rect first, int step, int count, int firstIndex = 0);

// Joins groups of rows into one table, in order; the first row lies on top.
std::vector<ControlLayout> table(std::initializer_list<std::vector<ControlLayout>> groups);

// Stops the program with a message naming the window's missing control.
[[noreturn]] void missingControl(const QString &name, int index);

// The elements of one control array, by index; all share one handler.
template <class T> class ControlArray
{
public:
    ControlArray() = default;
    ControlArray(QString name, std::map<int, T *> items) : name_(std::move(name)), items_(std::move(items)) {}
    T *operator[](int i) const
    {
        auto it = items_.find(i);
        if (it == items_.end())
            missingControl(name_, i);
        return it->second;
    }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::map<int, T *> &items() const { return items_; }

    // for (CommandButton *b : Command3): every element, in index order; the
    // standard algorithms take it too.
    class iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = T *;
        using difference_type = std::ptrdiff_t;
        using pointer = T *const *;
        using reference = T *;
        explicit iterator(typename std::map<int, T *>::const_iterator it) : it_(it) {}
        T *operator*() const { return it_->second; }
        iterator &operator++()
        {
            ++it_;
            return *this;
        }
        bool operator!=(const iterator &o) const { return it_ != o.it_; }

    private:
        typename std::map<int, T *>::const_iterator it_;
    };
    iterator begin() const { return iterator(items_.begin()); }
    iterator end() const { return iterator(items_.end()); }

private:
    QString name_;
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
    void MoveTo(int leftTwips, int topTwips);
    void setSize(int widthTwips, int heightTwips);
    // Places the window in the middle of the screen.
    void CenterOnScreen();

    // The background picture, drawn unscaled from the top-left corner.
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &p);
    vb::Colour BackColor() const { return back_; }

    QString Caption() const { return windowTitle(); }

    // Shows the window modeless and brings it to the front, or only shows it,
    // leaving the keyboard where it is.
    void Show(bool activate = true);

    // Holds the calling handler for ms milliseconds (on the monotonic clock), running
    // step at once and every stepMs meanwhile. The program goes on drawing and
    // timing, but the child's clicks and keys wait until the time is over.
    void Hold(int ms, int stepMs, const std::function<void()> &step);

    // A control of the layout table; one the table does not have stops the program.
    template <class T> T *control(const QString &name, int index = -1) const
    {
        auto it = controls_.find(name);
        T *t = nullptr;
        if (it != controls_.end())
            if (auto jt = it->second.find(index); jt != it->second.end())
                t = qobject_cast<T *>(jt->second);
        if (!t)
            missingControl(name, index);
        return t;
    }
    // A control array of the layout table; one the table does not have stops the program.
    template <class T> ControlArray<T> array(const QString &name) const
    {
        std::map<int, T *> items;
        if (auto it = controls_.find(name); it != controls_.end())
            for (auto [i, o] : it->second)
                if (auto *t = qobject_cast<T *>(o); t && i >= 0)
                    items[i] = t;
        if (items.empty())
            missingControl(name, 0);
        return ControlArray<T>(name, std::move(items));
    }

    // Runs once, on the window's first reference (see Forms).
    virtual void Form_Load() {}

    // Says a verdict aloud through a screen reader (the window's notification).
    // What a handler says is said when it has finished, after any move of the
    // focus, as one utterance in the order it was asked for.
    void announce(const QString &text);
    // The words a screen reader says for a right and a wrong digit.
    QString verdictWord(Verdict v) const { return v == Verdict::Right ? rightWord_ : wrongWord_; }
    void setVerdictWords(const QString &right, const QString &wrong);
    // A verdict as a screen reader says it: these words, or the plain word when there are none.
    QString verdictSaid(const QString &words, bool right) const
    {
        return !words.isEmpty() ? words : verdictWord(right ? Verdict::Right : Verdict::Wrong);
    }

    // Gives the focus to the first of these that is shown and enabled.
    static void focusFirst(std::initializer_list<QWidget *> candidates);

signals:
    // The window was closed with its close box and is gone.
    void unloaded();
    // The window's notification said this aloud.
    void announced(const QString &text);
    // The window has been drawn on the screen (each time it is).
    void painted();

protected:
    // Handlers, wired by the window's constructor: onClick(Command5, &Form2::Command5_Click).
    template <class W> void onClick(CommandButton *c, void (W::*handler)()) { wire(c, &QAbstractButton::clicked, handler); }
    template <class W> void onClick(Image *c, void (W::*handler)())
    {
        c->setPressable(true);
        wire(c, &Image::clicked, handler);
    }
    template <class W> void onClick(const ControlArray<CommandButton> &a, void (W::*handler)(int))
    {
        wireArray(a, &QAbstractButton::clicked, handler);
    }
    template <class W> void onClick(const ControlArray<Image> &a, void (W::*handler)(int))
    {
        for (Image *i : a)
            i->setPressable(true);
        wireArray(a, &Image::clicked, handler);
    }
    template <class W> void onMouseMove(const ControlArray<Label> &a, void (W::*handler)(int))
    {
        wireArray(a, &Label::mouseMoved, handler);
    }
    template <class W> void onKeyPress(const ControlArray<CommandButton> &a, void (W::*handler)(int, DigitKey))
    {
        W *w = static_cast<W *>(this);
        for (auto [i, c] : a.items())
            connect(c, &CommandButton::keyPressed, this,
                    [this, w, handler, index = i](DigitKey key) { dispatch([w, handler, index, key] { (w->*handler)(index, key); }); });
    }
    template <class W> void onEnter(TextBox *t, void (W::*handler)()) { wire(t, &QLineEdit::returnPressed, handler); }
    // A choice made in the list (by the user only, not by setListIndex).
    template <class W> void onClick(ComboBox *c, void (W::*handler)()) { wire(c, &QComboBox::activated, handler); }
    template <class W> void onEnter(const ControlArray<CommandButton> &a, void (W::*handler)(int))
    {
        wireArray(a, &CommandButton::enterPressed, handler);
    }

    // The order Tab takes through the window's controls (hidden and disabled ones are passed over).
    void setFocusOrder(const std::vector<QWidget *> &order);
    template <class T> static std::vector<QWidget *> all(const ControlArray<T> &a)
    {
        std::vector<QWidget *> v;
        for (T *t : a)
            v.push_back(t);
        return v;
    }
    // The cells of one row: ← and → move along them. Index 0 stands leftmost, or
    // rightmost when the row is numbered from its units.
    static void linkRow(const ControlArray<CommandButton> &row, bool fromUnits);
    // What Escape does in this window.
    void onEscape(const std::function<void()> &action);
    template <class W> void onTick(Timer *t, void (W::*handler)()) { wire(t, &Timer::tick, handler); }
    template <class W> void onGifEnd(Vorlando *v, void (W::*handler)()) { wire(v, &Vorlando::GifEnd, handler); }

    // Every wired handler runs through here; a window may hold a handler back
    // while one of its own is still running.
    virtual void dispatch(const std::function<void()> &handler) { handler(); }

    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *e) override;
    // Whether the close box may close this window (the main window asks first).
    virtual bool QueryClose() { return true; }

private:
    template <class C, class Signal, class W> void wire(C *c, Signal signal, void (W::*handler)())
    {
        W *w = static_cast<W *>(this);
        connect(c, signal, this, [this, w, handler] { dispatch([w, handler] { (w->*handler)(); }); });
    }
    template <class T, class Signal, class W> void wireArray(const ControlArray<T> &a, Signal signal, void (W::*handler)(int))
    {
        W *w = static_cast<W *>(this);
        for (auto [i, c] : a.items())
            connect(c, signal, this, [this, w, handler, index = i] { dispatch([w, handler, index] { (w->*handler)(index); }); });
    }
    QObject *create(const ControlLayout &s);

    int width_ = 0, height_ = 0;
    void sayPending();
    std::vector<class Announcement *> announcements_; // used in turn, one for each thing said
    std::size_t said_ = 0;                            // how many things the window has said
    QStringList toSay_; // asked for by the handler still running
    QString rightWord_ = QStringLiteral("bien"), wrongWord_ = QStringLiteral("mal");
    vb::Colour back_ = vb::WindowFace;
    QPixmap picture_;
    std::map<QString, std::map<int, QObject *>> controls_;
};

// One of a window's notifications for a screen reader: never seen; shown, it
// says its text, which a screen reader then reads aloud.
class Announcement : public QWidget
{
    Q_OBJECT
public:
    explicit Announcement(QWidget *parent);
    void say(const QString &text);
};

// Screen size in twips.
QSize screenTwips();
