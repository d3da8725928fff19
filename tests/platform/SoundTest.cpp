#include "Sound.h"
#include "FileLimits.h"
#include "SizedFile.h"
#include "TempDataDir.h"
#include "WaveFile.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>
#include <sys/stat.h>

using SoundTest = TempDataDir;

TEST_F(SoundTest, WaveLengthComesFromTheHeader)
{
    writeDataFile("Beep.wav", silentWaveFile(250));
    writeDataFile("Text.wav", "not a wave file at all");
    writeDataFile("Short.wav", "RIFF");
    EXPECT_EQ(Sound::waveLength(dataPath("Beep.wav")).count(), 250);
    EXPECT_EQ(Sound::waveLength(dataPath("Text.wav")).count(), 0);
    EXPECT_EQ(Sound::waveLength(dataPath("Short.wav")).count(), 0);
    EXPECT_EQ(Sound::waveLength(dataPath("Missing.wav")).count(), 0);
}

TEST_F(SoundTest, MissingFileOrNoAudioOutputNeverBlocks)
{
    writeDataFile("Long.wav", silentWaveFile(3000));
    QElapsedTimer clock;
    clock.start();
    Sound::play(dataPath("Missing.wav"), Sound::Wait);
    // A pipe would never end reading, a huge file would fill the memory: neither is played.
    ASSERT_EQ(mkfifo(QFile::encodeName(dataPath("Pipe.wav")).constData(), 0600), 0);
    Sound::play(dataPath("Pipe.wav"), Sound::Wait);
    writeDataFile("Huge.wav", sizedFile(silentWaveFile(100), FileLimits::MaxSoundSize + 1, 0));
    Sound::play(dataPath("Huge.wav"), Sound::Wait);
    if (QMediaDevices::audioOutputs().isEmpty())
        Sound::play(dataPath("Long.wav"), Sound::Wait);
    EXPECT_LT(clock.elapsed(), 1000);
}
