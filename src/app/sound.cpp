#include "app/module1.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace Sound {

namespace {

QHash<QString, QSoundEffect *> &effects()
{
    static QHash<QString, QSoundEffect *> e;
    return e;
}

QPointer<QSoundEffect> &playing()
{
    static QPointer<QSoundEffect> p;
    return p;
}

QSoundEffect *effectFor(const QString &file)
{
    QSoundEffect *&e = effects()[file];
    if (!e) {
        // Kept for the whole run and never destroyed: destroying a sound effect while
        // the application object goes away can wait for ever on the sample loader.
        e = new QSoundEffect();
        QObject::connect(e, &QSoundEffect::statusChanged, e, [e] {
            if (e->status() == QSoundEffect::Error)
                QApplication::beep();
        });
        e->setSource(QUrl::fromLocalFile(file));
    }
    return e;
}

} // namespace

QStringList &requests()
{
    static QStringList r;
    return r;
}

void play(const QString &relative)
{
    requests() << relative;
    if (playing())
        playing()->stop();
    const QString file = AppFolder::resource(relative);
    if (!QFileInfo(file).isFile()) {
        QApplication::beep();
        return;
    }
    QSoundEffect *e = effectFor(file);
    if (e->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    playing() = e;
    e->play();
}

} // namespace Sound
