#include "Sound.h"
#include "TempDataDir.h"

#include <QElapsedTimer>
#include <QtEndian>

namespace {

// A PCM wave file of the given length: 8 kHz, 8 bit, mono.
QByteArray waveFile(int milliseconds)
{
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray bytes("RIFF....WAVEfmt ");
    auto append32 = [&](quint32 v) {
        char raw[4];
        qToLittleEndian(v, raw);
        bytes.append(raw, 4);
    };
    auto append16 = [&](quint16 v) {
        char raw[2];
        qToLittleEndian(v, raw);
        bytes.append(raw, 2);
    };
    append32(16);
    append16(1);
    append16(1);
    append32(rate);
    append32(rate);
    append16(1);
    append16(8);
    bytes.append("LIST");
    append32(4);
    bytes.append("INFO");
    bytes.append("data");
    append32(dataBytes);
    bytes.append(QByteArray(static_cast<int>(dataBytes), char(0x80)));
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    return bytes;
}

}

using SoundTest = TempDataDir;

TEST_F(SoundTest, WaveLengthComesFromTheHeader)
{
    writeDataFile("Beep.wav", waveFile(250));
    writeDataFile("Text.wav", "not a wave file at all");
    writeDataFile("Short.wav", "RIFF");
    EXPECT_EQ(Sound::waveLength(dataPath("Beep.wav")).count(), 250);
    EXPECT_EQ(Sound::waveLength(dataPath("Text.wav")).count(), 0);
    EXPECT_EQ(Sound::waveLength(dataPath("Short.wav")).count(), 0);
    EXPECT_EQ(Sound::waveLength(dataPath("Missing.wav")).count(), 0);
}

TEST_F(SoundTest, MissingFileOrNoAudioOutputNeverBlocks)
{
    writeDataFile("Long.wav", waveFile(3000));
    QElapsedTimer clock;
    clock.start();
    Sound::play(dataPath("Missing.wav"), Sound::Wait);
    // The test machines have no sound card unless a test starts a sound server.
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        Sound::play(dataPath("Long.wav"), Sound::Wait);
    EXPECT_LT(clock.elapsed(), 1000);
}
