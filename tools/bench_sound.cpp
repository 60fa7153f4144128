// How soon a sound is heard. Two measures, on a real sound server:
//  1. from the first letter of the name (when the sound device starts loading)
//     until the device and every clip are ready;
//  2. from a click's play request to the clip playing, for a clip the device got
//     ready, as the device does it (a prepared QSoundEffect).
//   build/bin/bench_sound_load; build/bin/bench_sound   (needs a sound server, e.g. `pulseaudio -D`)
// The first is built without the sound stack, as the program is.
#include "app/appfolder.h"
#include "app/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#ifndef LOAD_ONLY
#include <QSoundEffect>
#endif
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QElapsedTimer t;
    t.start();
    Sound::waitUntilReady();
    std::printf("sound device ready %.1f ms after loading began (%s)\n", t.nsecsElapsed() / 1e6, Sound::ready() ? "ready" : "failed");
#ifndef LOAD_ONLY

    std::vector<double> latencies;
    const QDir clips(AppFolder::resource("/sonidos"));
    for (const QString &name : clips.entryList({"*.wav"}, QDir::Files)) {
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(clips.filePath(name)));
        while (effect.status() == QSoundEffect::Loading || effect.status() == QSoundEffect::Null)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer p;
            bool started = false;
            QObject::connect(&effect, &QSoundEffect::playingChanged, [&] { started = started || effect.isPlaying(); });
            p.start();
            effect.play();
            while (!started && p.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            latencies.push_back(p.nsecsElapsed() / 1e6);
            effect.stop();
            QObject::disconnect(&effect, nullptr, nullptr, nullptr);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty())
        std::printf("request to playing, %zu plays: median %.2f ms, slowest %.2f ms\n", latencies.size(), latencies[latencies.size() / 2],
                    latencies.back());
#endif
}
