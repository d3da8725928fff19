#include "Sound.h"
#include "TempDataDir.h"
#include "WaveFile.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QtEndian>

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
    if (QMediaDevices::audioOutputs().isEmpty())
        Sound::play(dataPath("Long.wav"), Sound::Wait);
    EXPECT_LT(clock.elapsed(), 1000);
}
