#include "Sound.h"
#include "TempDataDir.h"
#include "WaveFile.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

// Plays through a real sound server: a PulseAudio daemon of its own with a null sink, started
// before anything in this program touches the audio devices.
class SoundPlaybackTest : public TempDataDir
{
protected:
    static void SetUpTestSuite()
    {
        const QString daemon = QStandardPaths::findExecutable("pulseaudio");
        if (daemon.isEmpty())
            return;
        runtime = new QTemporaryDir;
        const QString socket = runtime->path() + "/native";
        qputenv("XDG_RUNTIME_DIR", runtime->path().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        server = new QProcess;
        server->start(daemon,
                      {"--daemonize=no", "--exit-idle-time=-1", "-n",
                       "--load=module-null-sink sink_name=test",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        server->waitForStarted();
        for (int waited = 0; waited < 100 && !QFile::exists(socket); ++waited)
            QThread::msleep(50);
    }

    static void TearDownTestSuite()
    {
        if (server) {
            server->kill();
            server->waitForFinished();
        }
        delete server;
        delete runtime;
        server = nullptr;
        runtime = nullptr;
    }

    void SetUp() override
    {
        if (!server || server->state() != QProcess::Running)
            GTEST_SKIP() << "no PulseAudio daemon to play through";
        ASSERT_FALSE(QMediaDevices::audioOutputs().isEmpty());
    }

    static QString playingStreams()
    {
        QProcess pactl;
        pactl.start("pactl", {"list", "short", "sink-inputs"});
        pactl.waitForFinished();
        return QString::fromLocal8Bit(pactl.readAllStandardOutput()).trimmed();
    }

    static inline QProcess *server = nullptr;
    static inline QTemporaryDir *runtime = nullptr;
};

TEST_F(SoundPlaybackTest, WaitReturnsWhenTheSoundHasEndedAndHoldsBackUserInput)
{
    writeDataFile("Licit.wav", silentWaveFile(600));
    struct KeyCounter : QWidget
    {
        void keyPressEvent(QKeyEvent *) override { ++presses; }
        int presses = 0;
    } window;
    window.show();

    QString streamsWhilePlaying;
    QTimer::singleShot(300, [&] { streamsWhilePlaying = playingStreams(); });
    // Queued as the window system queues a real key press.
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QElapsedTimer clock;
    clock.start();
    Sound::play(dataPath("Licit.wav"), Sound::Wait);
    const qint64 took = clock.elapsed();

    EXPECT_GE(took, 600);
    EXPECT_LT(took, 600 + 300 + 200);
    EXPECT_FALSE(streamsWhilePlaying.isEmpty()) << "the server had nothing to play";
    EXPECT_EQ(window.presses, 0) << "a key press got through while the sound played";
    QCoreApplication::processEvents();
    EXPECT_EQ(window.presses, 1);
}

TEST_F(SoundPlaybackTest, NoWaitReturnsAtOnce)
{
    writeDataFile("Kartya Le.wav", silentWaveFile(800));
    QElapsedTimer clock;
    clock.start();
    Sound::play(dataPath("Kartya Le.wav"), Sound::NoWait);
    EXPECT_LT(clock.elapsed(), 300);
}
