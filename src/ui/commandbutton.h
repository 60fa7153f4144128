// A graphical-style command button: back colour, optional picture above the
// caption. The digit cells of the exercise windows are command buttons too: a
// cell takes digits from the keyboard, and carries the verdict of its last
// check, shown by its colour and by a ✓ or ✗ mark.
#pragma once

#include "ui/digit.h"
#include "ui/placed.h"

#include <QAbstractButton>

class CommandButton : public Placed<QAbstractButton>
{
    Q_OBJECT
public:
    // A command is pressed; a digit cell holds a digit the child writes; a
    // display only shows what the window writes into it (a score, a digit of
    // the exercise) and takes no focus.
    enum class Use { Command, Digit, Display };

    explicit CommandButton(QWidget *parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString &c);
    vb::Colour BackColor() const { return back_; }
    void setBackColor(vb::Colour c);
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap &p);
    void setFontSize(double points);
    QSize sizeHint() const override { return size(); }

    Use use() const { return use_; }
    void setUse(Use u);

    // What a screen reader calls the button, "%1" standing for its caption; the
    // caption itself when none is given. A button that shows only a picture
    // also shows it as its tooltip.
    QString spokenName() const;
    void setSpokenName(const QString &name);
    // The digit a cell holds, as a screen reader reads it: empty for an empty cell.
    QString spokenDigit() const;
    // What a screen reader says after the name while no check has judged the cell (the exercise it belongs to).
    QString spokenDescription() const { return spokenDescription_; }
    void setSpokenDescription(const QString &d);

    // The verdict of the last check of this cell (the colour is set with it, by the window's rules).
    Verdict verdict() const { return verdict_; }
    void setVerdict(Verdict v);

    // The cells left and right of this one in its row: ← and → move between them.
    void setNeighbours(CommandButton *left, CommandButton *right);

    // Where the caption and the mark are drawn (the mark's rectangle is empty without a verdict).
    QRectF captionBounds() const;
    QRectF markBounds() const;

signals:
    // A key pressed on a digit cell.
    void keyPressed(DigitKey key);
    // Enter on a digit cell: the window does what comes next (a check).
    void enterPressed();

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void nameChanged();
    QFont captionFont() const;
    QRectF judgedCaptionArea() const;
    qreal outlineWidth(const QFont &f) const;
    QRectF captionExtent(const QFont &f) const;
    vb::Colour back_ = vb::ButtonFace;
    QPixmap picture_;
    QString spokenName_, spokenDescription_;
    Verdict verdict_ = Verdict::None;
    Use use_ = Use::Command;
    CommandButton *left_ = nullptr, *right_ = nullptr;
};

// The keyboard's focus, drawn as a black and a white ring, so that one of them
// stands out on any colour; shown only while the keyboard is in use.
void drawFocusFrame(QPainter &p, QWidget *w);
// A ✓ or a ✗ on a white disc with a dark ring, in the rectangle.
void drawMark(QPainter &p, const QRectF &r, Verdict v);
// The ✓ or ✗ alone, black, across the rectangle.
void drawTickOrCross(QPainter &p, const QRectF &r, Verdict v, qreal penWidth);
