// A graphical-style command button: back colour, optional picture above the
// caption. The digit cells of the exercise windows are command buttons too: a
// cell carries the verdict of its last check.
#pragma once

#include "ui/placed.h"

#include <QAbstractButton>

// What a check said of a digit cell.
enum class Verdict { None, Right, Wrong };

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
    void setFontSize(double points);
    QSize sizeHint() const override { return size(); }

    // What a screen reader calls the button; its caption when none is given.
    QString spokenName() const { return spokenName_.isEmpty() ? text() : spokenName_; }
    void setSpokenName(const QString &name);

    // The verdict of the last check of this cell (the colour is set with it, by the window's rules).
    Verdict verdict() const { return verdict_; }
    void setVerdict(Verdict v);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void nameChanged();
    vb::Colour back_ = vb::ButtonFace;
    QPixmap picture_;
    QString spokenName_;
    Verdict verdict_ = Verdict::None;
};
