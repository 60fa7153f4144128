#include "app/sound.h"

#include "app/appfolder.h"
#include "app/sounddevice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <utility>

namespace Sound {

namespace {

enum class State { Idle, Loading, Ready, Failed };

struct Device {
    State state = State::Idle;
    SoundDevice *device = nullptr;
    QString pending;        // the latest clip asked for before the device was ready
    QStringList toPrepare;  // clips to get ready, one per turn of the event loop
    QString library;        // where the device is, when not beside the executable
    int handed = 0;
};

Device &sound()
{
    static Device d;
    return d;
}

void beep() { QApplication::beep(); }

void playNow(const QString &file)
{
    Device &d = sound();
    d.handed += d.device != nullptr;
    if (!d.device || !d.device->play(file))
        beep();
}

void prepareNext()
{
    Device &d = sound();
    if (d.toPrepare.isEmpty())
        return;
    d.device->prepare(d.toPrepare.takeFirst());
    QTimer::singleShot(0, qApp, prepareNext);
}

// On the program's own thread, once the library is loaded (or could not be).
void deviceLoaded(MakeSoundDevice make)
{
    Device &d = sound();
    d.device = make ? make(beep) : nullptr;
    d.state = d.device ? State::Ready : State::Failed;
    if (!d.pending.isEmpty())
        playNow(std::exchange(d.pending, QString()));
    if (!d.device)
        return;
    const QDir folder(AppFolder::resource("/sonidos"));
    for (const QString &name : folder.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
        if (plausibleClip(folder.filePath(name)))
            d.toPrepare << folder.filePath(name);
    QTimer::singleShot(0, qApp, prepareNext);
}

} // namespace

void warmUp()
{
    Device &d = sound();
    if (d.state != State::Idle || !qApp)
        return;
    d.state = State::Loading;
    // The library and the sound stack it brings are read from disk and linked
    // on a thread of their own; the device is made back on this one.
    const QString library =
        !d.library.isEmpty() ? d.library : QCoreApplication::applicationDirPath() + QStringLiteral("/cuentas-sound.so");
    auto *loading = QThread::create([library] {
        const auto make = reinterpret_cast<MakeSoundDevice>(QLibrary::resolve(library, "cuentas_sound_device"));
        QMetaObject::invokeMethod(qApp, [make] { deviceLoaded(make); }, Qt::QueuedConnection);
    });
    QObject::connect(loading, &QThread::finished, loading, &QObject::deleteLater);
    loading->start();
}

bool ready() { return sound().state == State::Ready; }

int handedToDevice() { return sound().handed; }

void setLibrary(const QString &path)
{
    Device &d = sound();
    d.library = path;
    if (d.state == State::Failed)
        d.state = State::Idle;
}

void waitUntilReady()
{
    warmUp();
    while (sound().state == State::Loading || !sound().toPrepare.isEmpty())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

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
    const QString file = AppFolder::resource(relative);
    Device &d = sound();
    if (!plausibleClip(file)) {
        if (d.device)
            d.device->stop();
        beep();
        return;
    }
    switch (d.state) {
    case State::Ready:
    case State::Failed:
        playNow(file);
        break;
    case State::Idle:
    case State::Loading:
        d.pending = file;
        warmUp();
        break;
    }
}

} // namespace Sound
