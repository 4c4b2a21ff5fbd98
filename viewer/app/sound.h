#pragma once
// Sounds of the viewer: the start sound and the beep at the ends of the
// data walk. No audio library is linked; a WAV file is handed to the
// desktop's player.

#include <QByteArray>
#include <QString>

namespace vantor {

// Plays a sound file detached through paplay, pw-play or aplay; false when
// none of them is installed.
bool PlaySoundFile(const QString& path);

// A 16-bit mono PCM WAV of a sine tone.
QByteArray ToneWav(int frequencyHz, int durationMs, int sampleRate = 22050);

// The 442 Hz, 200 ms beep; the desktop's beep where no player exists.
void PlayEndBeep();

}  // namespace vantor
