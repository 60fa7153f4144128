#include "app/sound.h"
#include "app/appfolder.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
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

bool plausibleClip(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > MaxClipBytes)
        return false;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return false;
    // The chunks follow one another: an 8-byte header (name, size) and the body,
    // padded to an even length. The samples must be PCM and lie within the file.
    bool pcm = false;
    for (qint64 at = 12; at + 8 <= info.size();) {
        f.seek(at);
        const QByteArray chunk = f.read(8);
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (at + 8 + size > info.size())
            return false;
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = f.read(qMin<qint64>(size, 40));
            const auto tag = fmt.size() >= 16 ? qFromLittleEndian<quint16>(fmt.constData()) : 0;
            const bool extensiblePcm = tag == 0xFFFE && fmt.size() >= 26 && qFromLittleEndian<quint16>(fmt.constData() + 24) == 1;
            pcm = tag == 1 || extensiblePcm;
        } else if (chunk.startsWith("data")) {
            return pcm;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

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
    if (!plausibleClip(file)) {
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
