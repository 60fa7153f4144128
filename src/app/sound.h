// Sound clips, played asynchronously.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace Sound {

// Plays a clip asynchronously; a new request cuts off the clip still playing.
// A missing, unreadable or implausible file gives the platform's beep (or silence).
// Asked before the sound device is ready, the latest clip plays when it is.
void play(const QString &relative);
// Loads the sound device in the background and gets every clip of the sound
// folder ready, a clip per turn of the event loop; the program goes on meanwhile.
// The presentation window calls it as the child types a name; play() calls it too.
void warmUp();
// The sound device is loaded and set up (false too when it cannot be loaded: then every clip beeps).
bool ready();
// Waits, handling events, until the device is ready or has failed (tests).
void waitUntilReady();
// How many clips have been handed to the sound device (tests).
int handedToDevice();
// Where the sound device library is (tests); a device that failed to load is tried again.
void setLibrary(const QString &path);
// Every relative path asked for, in order (tests read and clear it).
QStringList &requests();
// Whether a file is plausibly a short sound clip: a regular file of at most
// MaxClipBytes, RIFF/WAVE with PCM samples, whose data fits in the file.
bool plausibleClip(const QString &file);
constexpr qint64 MaxClipBytes = 4 * 1024 * 1024;

} // namespace Sound
