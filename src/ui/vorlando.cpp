#include "ui/vorlando.h"

#include "ui/accessible.h"

#include <QFileInfo>
#include <QPainter>

Vorlando::Vorlando(QWidget *parent) : Placed<QWidget>(parent)
{
    installAccessibility();
    setAttribute(Qt::WA_TranslucentBackground);
}

void Vorlando::setFile(const QString &path)
{
    file_ = path;
    if (movie_) {
        movie_->stop();
        delete movie_;
    }
    // Only a regular file: a pipe in its place would never finish loading.
    const QString file = pictureFile(path);
    frameRatio_ = file != path ? 2.0 : 1.0;
    if (QFileInfo(file).isFile()) {
        auto *m = new QMovie(file, QByteArray(), this);
        if (m->isValid() && m->frameCount() != 0 && m->jumpToFrame(0)) {
            movie_ = m;
            connect(m, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
            connect(m, &QMovie::finished, this, &Vorlando::GifEnd);
            // A hidden control does not animate: it starts when it is shown.
            if (isVisible())
                m->start();
        } else {
            delete m;
        }
    }
    update();
}

int Vorlando::frameCount() const { return movie_ ? movie_->frameCount() : 0; }

bool Vorlando::isPlaying() const { return movie_ && movie_->state() == QMovie::Running; }

void Vorlando::paintEvent(QPaintEvent *)
{
    if (!movie_)
        return;
    QPixmap frame = movie_->currentPixmap();
    if (frame.isNull())
        return;
    frame.setDevicePixelRatio(frameRatio_);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize s = frame.deviceIndependentSize().toSize();
    if (s.width() > width() || s.height() > height())
        s.scale(size(), Qt::KeepAspectRatio);
    p.drawPixmap(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), frame);
}

void Vorlando::showEvent(QShowEvent *)
{
    if (!movie_)
        return;
    if (movie_->state() == QMovie::Paused)
        movie_->setPaused(false);
    else if (movie_->state() == QMovie::NotRunning && movie_->currentFrameNumber() == 0)
        movie_->start();
}

void Vorlando::hideEvent(QHideEvent *)
{
    if (movie_ && movie_->state() == QMovie::Running)
        movie_->setPaused(true);
}
