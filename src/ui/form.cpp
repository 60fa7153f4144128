#include "ui/form.h"

#include "ui/accessible.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace {

QFont fontOf(const FontStyle &f, const QFont &base)
{
    QFont font = base;
    if (f.face) {
        font.setFamily(QString::fromLatin1(f.face));
        font.setPointSizeF(f.points);
        font.setBold(f.bold);
    }
    return font;
}

} // namespace

Form::Form(const FormLayout &design, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(design.caption);
    if (design.font.face)
        setFont(fontOf(design.font, font()));
    if (design.backColour)
        back_ = *design.backColour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vb::toQColor(back_));
    setPalette(pal);
    setAutoFillBackground(true);
    setSize(design.rect.width, design.rect.height);
    MoveTo(design.rect.left, design.rect.top);

    // Created in table order, which is also the order of the focus chain; then
    // stacked so that the first row of the table lies on top.
    for (const ControlLayout &row : design.controls)
        controls_[row.name][row.index] = create(row);
    // A screen reader that falls behind (a busy computer, a second client reading
    // the tree) and then finds two showings of one notification waiting, takes the
    // first for a stale copy of the second and drops it: Orca does. So each thing
    // said has a notification of its own, used again only eight things later.
    for (int i = 0; i < 8; ++i)
        announcements_.push_back(new Announcement(this));
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it)
        if (auto *w = qobject_cast<QWidget *>(controls_[it->name][it->index]))
            w->raise();
}

QObject *Form::create(const ControlLayout &s)
{
    auto finish = [&](auto *w) {
        if (s.font.face)
            w->setFont(fontOf(s.font, font()));
        if constexpr (!std::is_same_v<std::remove_pointer_t<decltype(w)>, Line>)
            w->place(s.rect.left, s.rect.top, s.rect.width, s.rect.height);
        w->setObjectName(s.index < 0 ? s.name : QStringLiteral("%1(%2)").arg(s.name).arg(s.index));
        if (!s.visible)
            w->hide();
        return w;
    };
    switch (s.kind) {
    case Kind::Button: {
        auto *b = finish(new CommandButton(this));
        b->setUse(s.use);
        b->setBackColor(s.colour.value_or(vb::ButtonFace));
        if (!s.picture.isEmpty())
            b->setPicture(loadPicture(s.picture));
        b->setSpokenName(s.accessibleName);
        b->setCaption(s.caption);
        return b;
    }
    case Kind::Label: {
        auto *l = finish(new Label(this));
        l->setCaption(s.caption);
        l->setAlignment(s.align);
        return l;
    }
    case Kind::TextBox: {
        auto *t = finish(new TextBox(this));
        t->setText(s.caption);
        return t;
    }
    case Kind::ComboBox:
        return finish(new ComboBox(this));
    case Kind::ListBox:
        return finish(new ListBox(this));
    case Kind::PictureBox:
        return finish(new PictureBox(this));
    case Kind::Image: {
        auto *i = finish(new Image(this));
        if (!s.picture.isEmpty())
            i->setPicture(loadPicture(s.picture));
        i->setPictureName(s.accessibleName);
        return i;
    }
    case Kind::Shape:
        return finish(new Shape(this));
    case Kind::Line: {
        auto *l = new Line(this);
        l->setEnds(s.from.x, s.from.y, s.to.x, s.to.y, s.lineWidth);
        return finish(l);
    }
    case Kind::Timer: {
        auto *t = new Timer(this);
        t->setObjectName(s.name);
        t->setInterval(s.interval);
        return t;
    }
    case Kind::FileList: {
        auto *f = new FileList(this);
        f->setObjectName(s.name);
        return f;
    }
    case Kind::Vorlando:
        return finish(new Vorlando(this));
    }
    return nullptr;
}

int Form::Left() const { return static_cast<int>(vb::toTwips(pos().x())); }

int Form::Top() const { return static_cast<int>(vb::toTwips(pos().y())); }

void Form::MoveTo(int leftTwips, int topTwips) { move(vb::toPixels(leftTwips), vb::toPixels(topTwips)); }

void Form::setSize(int widthTwips, int heightTwips)
{
    width_ = widthTwips;
    height_ = heightTwips;
    setFixedSize(vb::toPixels(widthTwips), vb::toPixels(heightTwips));
}

void Form::CenterOnScreen()
{
    const QSize screen = screenTwips();
    MoveTo((screen.width() - Width()) / 2, (screen.height() - Height()) / 2);
}

void Form::setPicture(const QPixmap &p)
{
    picture_ = p;
    update();
}

void Form::Show(bool activate)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    if (activate) {
        raise();
        activateWindow();
    }
}

void Form::Hold(int ms, int stepMs, const std::function<void()> &step)
{
    QEventLoop held;
    QTimer steps;
    steps.setInterval(stepMs);
    connect(&steps, &QTimer::timeout, this, step);
    step();
    steps.start();
    QTimer::singleShot(ms, &held, &QEventLoop::quit);
    held.exec(QEventLoop::ExcludeUserInputEvents);
}

void Form::announce(const QString &text)
{
    if (text.isEmpty())
        return;
    if (toSay_.isEmpty())
        QMetaObject::invokeMethod(this, &Form::sayPending, Qt::QueuedConnection);
    toSay_ << text;
}

// Everything the last handler asked for, as sentences of one utterance.
void Form::sayPending()
{
    QString text;
    for (const QString &part : std::as_const(toSay_)) {
        if (!text.isEmpty())
            text += QStringLiteral(". ").mid(QStringLiteral(".!?").contains(text.back()) ? 1 : 0);
        text += part;
    }
    toSay_.clear();
    if (text.isEmpty())
        return;
    announcements_[(said_ + announcements_.size() - 1) % announcements_.size()]->hide();
    announcements_[said_++ % announcements_.size()]->say(text);
    emit announced(text);
}

void Form::setVerdictWords(const QString &right, const QString &wrong)
{
    rightWord_ = right;
    wrongWord_ = wrong;
}

void Form::focusFirst(std::initializer_list<QWidget *> candidates)
{
    for (QWidget *w : candidates)
        if (w && w->isVisibleTo(w->window()) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void Form::setFocusOrder(const std::vector<QWidget *> &order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form::linkRow(const ControlArray<CommandButton> &row, bool fromUnits)
{
    for (auto [i, cell] : row.items()) {
        CommandButton *before = i > row.LBound() ? row[i - 1] : nullptr;
        CommandButton *after = i < row.UBound() ? row[i + 1] : nullptr;
        if (fromUnits)
            cell->setNeighbours(after, before);
        else
            cell->setNeighbours(before, after);
    }
}

void Form::onEscape(const std::function<void()> &action)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, action);
}

Announcement::Announcement(QWidget *parent) : QWidget(parent)
{
    installAccessibility();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcement::say(const QString &text)
{
    setProperty("announcement", text);
    show();
}

void Form::paintEvent(QPaintEvent *)
{
    if (!picture_.isNull()) {
        QPainter p(this);
        p.drawPixmap(0, 0, picture_);
    }
    emit painted();
}

void Form::closeEvent(QCloseEvent *e)
{
    if (!QueryClose()) {
        e->ignore();
        return;
    }
    e->accept();
    emit unloaded();
}

QSize screenTwips()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->geometry().size() : QSize(1024, 768);
    return QSize(static_cast<int>(vb::toTwips(px.width())), static_cast<int>(vb::toTwips(px.height())));
}

ControlLayout line(const QString &name, Point from, Point to, int widthPixels)
{
    return {.name = name, .kind = Kind::Line, .from = from, .to = to, .lineWidth = widthPixels};
}

ControlLayout timer(const QString &name, int intervalMs) { return {.name = name, .kind = Kind::Timer, .interval = intervalMs}; }

std::vector<ControlLayout> elements(const ControlLayout &proto, const std::vector<Element> &items, int first)
{
    std::vector<ControlLayout> rows;
    int i = first;
    for (const Element &e : items) {
        ControlLayout s = proto;
        s.index = i++;
        s.rect = e.rect;
        if (!e.picture.isEmpty())
            s.picture = e.picture;
        if (!e.accessibleName.isEmpty())
            s.accessibleName = e.accessibleName;
        if (e.colour)
            s.colour = e.colour;
        rows.push_back(s);
    }
    return rows;
}

std::vector<ControlLayout> cellRow(const ControlLayout &proto, Rect first, int step, int count, int firstIndex)
{
    std::vector<Element> items;
    for (int i = 0; i < count; ++i)
        items.push_back({.rect = {first.left + i * step, first.top, first.width, first.height}});
    return elements(proto, items, firstIndex);
}

std::vector<ControlLayout> table(std::initializer_list<std::vector<ControlLayout>> groups)
{
    std::vector<ControlLayout> rows;
    for (const auto &g : groups)
        rows.insert(rows.end(), g.begin(), g.end());
    return rows;
}

void missingControl(const QString &name, int index)
{
    qFatal("the layout has no control %s%s", qPrintable(name),
           index < 0 ? "" : qPrintable(QStringLiteral("(%1)").arg(index)));
}
