// Sound clips, played asynchronously.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace Sound {

// Plays a clip asynchronously; a new request cuts off the clip still playing.
// A missing, unreadable or implausible file gives the platform's beep (or silence).
void play(const QString &relative);
// Every relative path asked for, in order (tests read and clear it).
QStringList &requests();
// Whether a file is plausibly a short sound clip: a regular file of at most
// MaxClipBytes, RIFF/WAVE with PCM samples, whose data fits in the file.
bool plausibleClip(const QString &file);
constexpr qint64 MaxClipBytes = 4 * 1024 * 1024;

} // namespace Sound
