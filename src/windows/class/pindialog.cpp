#include "windows/class/pindialog.h"

#include "ui/form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

PinDialog::PinDialog(TeacherPin &pin, const ClassWords &words, QWidget *parent)
    : QDialog(parent), pin_(pin), words_(words), choosing_(!pin.isSet())
{
    setWindowTitle(words.title);
    setObjectName(QStringLiteral("pin"));
    setFont(QFont(QStringLiteral("Arial"), 11));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(choosing_ ? words.choosePin : words.askPin, this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *fields = new QFormLayout;
    auto *validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), this);
    auto field = [&](const QString &label) {
        auto *f = new QLineEdit(this);
        f->setEchoMode(QLineEdit::Password);
        f->setValidator(validator);
        f->setMaxLength(8);
        f->setAccessibleName(label);
        f->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
        fields->addRow(label, f);
        return f;
    };
    first = field(words.pin);
    if (choosing_)
        second = field(words.repeatPin);
    layout->addLayout(fields);

    message = new QLabel(this);
    message->setWordWrap(true);
    message->setObjectName(QStringLiteral("message"));
    message->setMinimumHeight(message->fontMetrics().height() * 2); // room kept: the dialog does not grow when it speaks
    layout->addWidget(message);

    auto *buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(words.ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(words.cancel, QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PinDialog::tryPin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    announcement_ = new Announcement(this);
    waiting_ = new QTimer(this);
    waiting_->setInterval(1000);
    connect(waiting_, &QTimer::timeout, this, &PinDialog::showWait);
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    first->setFocus();
    showWait();
}

void PinDialog::say(const QString &text)
{
    message->setText(text);
    announcement_->say(text);
}

void PinDialog::showWait()
{
    const int seconds = pin_.secondsToWait();
    first->setEnabled(seconds == 0);
    okButton->setEnabled(seconds == 0);
    if (seconds > 0) {
        message->setText(words_.pinWait.arg(seconds));
        waiting_->start();
        return;
    }
    if (waiting_->isActive()) { // the wait is over
        waiting_->stop();
        message->clear();
        first->setFocus();
    }
}

void PinDialog::tryPin()
{
    const QString typed = first->text();
    if (!TeacherPin::valid(typed)) {
        say(words_.pinShape);
        first->setFocus();
        return;
    }
    if (choosing_) {
        if (second->text() != typed) {
            say(words_.pinsDiffer);
            second->clear();
            second->setFocus();
            return;
        }
        if (pin_.set(typed))
            accept();
        else
            say(words_.trouble(Transfer::Trouble::Failed));
        return;
    }
    switch (pin_.check(typed)) {
    case TeacherPin::Answer::Right:
        accept();
        return;
    case TeacherPin::Answer::Wrong:
        first->clear();
        if (pin_.secondsToWait() > 0) {
            showWait();
            announcement_->say(message->text());
        } else {
            say(words_.pinWrong.arg(pin_.triesLeft()));
            first->setFocus();
        }
        return;
    case TeacherPin::Answer::Waiting:
        showWait();
        return;
    }
}
