// The animated-picture control: shows a GIF file in its rectangle and reports
// the end of an animation that does not loop for ever.
#pragma once

#include "ui/placed.h"

#include <QPointer>
#include <QWidget>

#include <QMovie>

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
