#include "ui/accessible.h"

#include "ui/controls.h"
#include "ui/form.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// What a check said, in the words of the window the control is on.
QString verdictWord(const QWidget *w, Verdict v)
{
    const auto *form = qobject_cast<const Form *>(w->window());
    return form && v != Verdict::None ? form->verdictWord(v) : QString();
}

bool operable(const QWidget *w) { return w->isEnabled() && w->isVisibleTo(w->window()); }

class ButtonAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ButtonAccessible(CommandButton *b) : QAccessibleWidget(b, QAccessible::Button) {}
    CommandButton *button() const { return static_cast<CommandButton *>(object()); }

    QAccessible::Role role() const override
    {
        switch (button()->use()) {
        case CommandButton::Use::Digit:
            return QAccessible::SpinBox;
        case CommandButton::Use::Display:
            return QAccessible::StaticText;
        case CommandButton::Use::Command:
            break;
        }
        return QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return button()->spokenName();
        case QAccessible::Value:
            return button()->use() == CommandButton::Use::Digit ? button()->spokenDigit() : QString();
        case QAccessible::Description:
            return button()->verdict() != Verdict::None ? verdictWord(button(), button()->verdict()) : button()->spokenDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface && button()->use() == CommandButton::Use::Digit)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Pressing a command or a cell clicks it; a cell also steps up and down.
    QStringList actionNames() const override
    {
        switch (button()->use()) {
        case CommandButton::Use::Display:
            return {};
        case CommandButton::Use::Digit:
            return {pressAction(), increaseAction(), decreaseAction(), setFocusAction()};
        case CommandButton::Use::Command:
            break;
        }
        return {pressAction(), setFocusAction()};
    }
    // A hidden or disabled control cannot be pressed, by a screen reader either.
    void doAction(const QString &action) override
    {
        if (!operable(button()))
            return;
        if (action == pressAction())
            button()->click();
        else if (action == increaseAction())
            emit button()->keyPressed({DigitKey::Up});
        else if (action == decreaseAction())
            emit button()->keyPressed({DigitKey::Down});
        else
            QAccessibleWidget::doAction(action);
    }

    // The digit as text.
    QString text(int start, int end) const override { return button()->spokenDigit().mid(start, end - start); }
    int characterCount() const override { return int(button()->spokenDigit().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return button()->rect(); }
    int offsetAtPoint(const QPoint &) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = *end = 0;
        return {};
    }
};

// A picture that is a button when it has a click handler.
class ImageAccessible : public QAccessibleWidget
{
public:
    explicit ImageAccessible(Image *i) : QAccessibleWidget(i, QAccessible::Graphic) {}
    QAccessible::Role role() const override
    {
        return static_cast<Image *>(object())->pressable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override
    {
        return static_cast<Image *>(object())->pressable() ? QStringList{pressAction(), setFocusAction()} : QStringList{};
    }
    void doAction(const QString &action) override
    {
        auto *i = static_cast<Image *>(object());
        if (action == pressAction() && i->pressable() && operable(i))
            i->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A light: its name, and whether it lit for a right or a wrong digit.
class LightAccessible : public QAccessibleWidget
{
public:
    explicit LightAccessible(Shape *s) : QAccessibleWidget(s, QAccessible::Indicator) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return verdictWord(widget(), static_cast<Shape *>(object())->verdict());
        return QAccessibleWidget::text(t);
    }
};

class AnnouncementAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncementAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->property("announcement").toString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("CommandButton"))
        return new ButtonAccessible(static_cast<CommandButton *>(object));
    if (className == QLatin1String("Image"))
        return new ImageAccessible(static_cast<Image *>(object));
    if (className == QLatin1String("Shape"))
        return new LightAccessible(static_cast<Shape *>(object));
    if (className == QLatin1String("Vorlando"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Animation);
    if (className == QLatin1String("Announcement"))
        return new AnnouncementAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

std::function<void(QObject *)> &observer()
{
    static std::function<void(QObject *)> o;
    return o;
}

void tell(QAccessibleEvent &event)
{
    if (observer())
        observer()(event.object());
    QAccessible::updateAccessibility(&event);
}

void send(QObject *control, QAccessible::Event type)
{
    QAccessibleEvent event(control, type);
    tell(event);
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed)
}

QString spokenWith(const QString &name, const QString &caption)
{
    if (name.isEmpty())
        return caption;
    return name.contains(QLatin1String("%1")) ? name.arg(caption) : name;
}

void accessibleNameChanged(QObject *control) { send(control, QAccessible::NameChanged); }

void accessibleDescriptionChanged(QObject *control) { send(control, QAccessible::DescriptionChanged); }

void digitChanged(QObject *cell, const QString &before)
{
    const QString now = static_cast<CommandButton *>(cell)->spokenDigit();
    if (now == before)
        return;
    if (!before.isEmpty()) {
        QAccessibleTextRemoveEvent removed(cell, 0, before);
        tell(removed);
    }
    if (!now.isEmpty()) {
        QAccessibleTextInsertEvent inserted(cell, 0, now);
        tell(inserted);
    }
}

void onTold(std::function<void(QObject *)> o) { observer() = std::move(o); }
