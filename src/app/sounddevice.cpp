// The sound device, built into cuentas-sound.so: one QSoundEffect per clip,
// kept for the whole run.
#include "app/sounddevice.h"

#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectDevice : public SoundDevice
{
public:
    explicit EffectDevice(void (*beep)()) : beep_(beep) {}

    void prepare(const QString &file) override { effectFor(file); }

    void stop() override
    {
        if (playing_)
            playing_->stop();
    }

    bool play(const QString &file) override
    {
        stop();
        QSoundEffect *e = effectFor(file);
        if (e->status() == QSoundEffect::Error)
            return false;
        playing_ = e;
        e->play();
        return true;
    }

private:
    QSoundEffect *effectFor(const QString &file)
    {
        QSoundEffect *&e = effects_[file];
        if (!e) {
            // Never destroyed: destroying a sound effect while the application
            // object goes away can wait for ever on the sample loader.
            e = new QSoundEffect();
            QObject::connect(e, &QSoundEffect::statusChanged, e, [e, beep = beep_] {
                if (e->status() == QSoundEffect::Error)
                    beep();
            });
            e->setSource(QUrl::fromLocalFile(file));
        }
        return e;
    }

    void (*beep_)();
    QHash<QString, QSoundEffect *> effects_;
    QPointer<QSoundEffect> playing_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice *cuentas_sound_device(void (*beep)()) { return new EffectDevice(beep); }
