#include "Sound.h"

#include "AudioPlayer.h"
#include "FileLimits.h"
#include "ModuleEntry.h"
#include "WholeFile.h"

#include <QFile>
#include <QtEndian>

namespace Sound {

namespace {

// The multimedia libraries come with the first sound, not at start. Without the module no
// sound plays, as on a machine without audio output.
AudioPlayer *audioPlayer()
{
    static AudioPlayer *const player = []() -> AudioPlayer * {
        const auto entry = reinterpret_cast<AudioPlayerEntry>(
            moduleEntry(AudioModuleName, AudioPlayerEntryName));
        return entry ? entry() : nullptr;
    }();
    return player;
}

class AudioOutput : public Backend
{
public:
    void play(const QString &path, Mode mode) override
    {
        if (wholeFileCheck(path, FileLimits::MaxSoundSize) != WholeFileRead::Read)
            return;
        if (AudioPlayer *player = audioPlayer())
            player->play(path, mode == Wait ? waveLength(path) : std::chrono::milliseconds{});
    }
};

Backend *replacement = nullptr;

Backend &backend()
{
    static AudioOutput audio;
    return replacement ? *replacement : audio;
}

}

void play(const QString &path, Mode mode)
{
    backend().play(path, mode);
}

void setBackend(Backend *backend)
{
    replacement = backend;
}

std::chrono::milliseconds waveLength(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return {};
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            break;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            if (size < 16)
                break;
            const QByteArray format = file.read(16);
            if (format.size() < 16)
                break;
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
            file.skip(qint64(size) - 16 + (size & 1));
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                break;
            return std::chrono::milliseconds(qint64(size) * 1000 / byteRate);
        } else {
            file.skip(qint64(size) + (size & 1));
        }
    }
    return {};
}

}
