#include "Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <map>

namespace Sound {

namespace {

// Extra time a waiting sound may take to load and start before the wait gives up.
constexpr std::chrono::milliseconds StartAllowance{300};

class AudioOutput : public Backend
{
public:
    void play(const QString &path, Mode mode) override
    {
        if (!QFileInfo::exists(path) || QMediaDevices::audioOutputs().isEmpty())
            return;
        QSoundEffect &effect = effectFor(path);
        effect.stop();
        effect.play();
        if (mode == Wait)
            waitForEnd(effect, waveLength(path));
    }

private:
    // Effects belong to the application object, so they go before the audio system does.
    QSoundEffect &effectFor(const QString &path)
    {
        QPointer<QSoundEffect> &effect = effects[path];
        if (!effect) {
            effect = new QSoundEffect(QCoreApplication::instance());
            effect->setSource(QUrl::fromLocalFile(path));
        }
        return *effect;
    }

    // The effect's own "finished" report is not reliable, so the wait is measured from the
    // moment the sound really starts, by the length its header gives.
    static void waitForEnd(QSoundEffect &effect, std::chrono::milliseconds length)
    {
        if (length.count() <= 0)
            return;
        QEventLoop loop;
        QTimer end;
        end.setTimerType(Qt::PreciseTimer);
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        auto startEnd = [&] {
            if (!end.isActive())
                end.start(length);
        };
        QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
            if (effect.isPlaying())
                startEnd();
        });
        QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (effect.status() == QSoundEffect::Error)
                loop.quit();
        });
        QTimer cap;
        cap.setTimerType(Qt::PreciseTimer);
        cap.setSingleShot(true);
        QObject::connect(&cap, &QTimer::timeout, &loop, &QEventLoop::quit);
        cap.start(length + StartAllowance);
        if (effect.isPlaying())
            startEnd();
        if (effect.status() != QSoundEffect::Error)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    std::map<QString, QPointer<QSoundEffect>> effects;
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
