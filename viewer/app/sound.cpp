#include "app/sound.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor {

namespace {

void AppendLe(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xff));
}

}  // namespace

bool PlaySoundFile(const QString& path) {
    for (const char* player : {"paplay", "pw-play", "aplay"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (found.isEmpty()) continue;
        QStringList arguments;
        if (QLatin1String(player) == QLatin1String("aplay")) arguments << QStringLiteral("-q");
        arguments << path;
        // Detached, so the caller never waits for the sound.
        return QProcess::startDetached(found, arguments);
    }
    return false;
}

QByteArray ToneWav(int frequencyHz, int durationMs, int sampleRate) {
    const quint32 samples = quint32(qint64(sampleRate) * durationMs / 1000);
    const quint32 dataBytes = samples * 2;
    QByteArray wav;
    wav.reserve(int(44 + dataBytes));
    wav.append("RIFF");
    AppendLe(wav, 36 + dataBytes, 4);
    wav.append("WAVEfmt ");
    AppendLe(wav, 16, 4);  // format chunk size
    AppendLe(wav, 1, 2);   // PCM
    AppendLe(wav, 1, 2);   // mono
    AppendLe(wav, quint32(sampleRate), 4);
    AppendLe(wav, quint32(sampleRate) * 2, 4);  // bytes per second
    AppendLe(wav, 2, 2);                        // bytes per frame
    AppendLe(wav, 16, 2);                       // bits per sample
    wav.append("data");
    AppendLe(wav, dataBytes, 4);
    const double step = 2 * std::numbers::pi * frequencyHz / sampleRate;
    for (quint32 i = 0; i < samples; ++i) {
        // Half volume, with 5 ms ramps so the tone does not click.
        const double ramp =
            std::min({1.0, i / (0.005 * sampleRate), (samples - i) / (0.005 * sampleRate)});
        const auto value = qint16(std::lround(16000 * ramp * std::sin(step * i)));
        AppendLe(wav, quint16(value), 2);
    }
    return wav;
}

void PlayEndBeep() {
    // Written once per run and removed at exit.
    static QTemporaryFile file(QDir::temp().filePath(QStringLiteral("korvalde-beep-XXXXXX.wav")));
    static const bool written = file.open() && file.write(ToneWav(442, 200)) > 0 && file.flush();
    if (!written || !PlaySoundFile(file.fileName())) QApplication::beep();
}

}  // namespace vantor
