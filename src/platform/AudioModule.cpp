#include "AudioPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <map>

namespace {

// Extra time a waiting sound may take to load and start before the wait gives up.
constexpr std::chrono::milliseconds StartAllowance{300};

class SoundEffects : public AudioPlayer
{
public:
    void play(const QString &path, std::chrono::milliseconds wait) override
    {
        if (QMediaDevices::audioOutputs().isEmpty())
            return;
        QSoundEffect &effect = effectFor(path);
        effect.stop();
        effect.play();
        waitForEnd(effect, wait);
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

}

extern "C" Q_DECL_EXPORT AudioPlayer *kovraAudioPlayer()
{
    static SoundEffects player;
    return &player;
}
