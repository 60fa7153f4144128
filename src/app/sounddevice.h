// The sound device: the one part of the program that needs the sound libraries.
// It lives in a library of its own beside the executable (cuentas-sound.so),
// loaded in the background once the first window is on screen, so that starting
// the program never waits for the sound stack.
#pragma once

#include <QString>

class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    // Gets a clip ready, so that its first play starts at once.
    virtual void prepare(const QString &file) = 0;
    // Plays a clip asynchronously, cutting off the one still playing. False
    // when it cannot; a clip that fails later calls the beep it was given.
    virtual bool play(const QString &file) = 0;
    // Cuts off the clip still playing.
    virtual void stop() = 0;
};

// What the library exports: the device, which calls `beep` for a clip it cannot play.
extern "C" {
using MakeSoundDevice = SoundDevice *(*)(void (*beep)());
SoundDevice *cuentas_sound_device(void (*beep)());
}
