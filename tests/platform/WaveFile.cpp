#include "WaveFile.h"

#include <QtEndian>

QByteArray silentWaveFile(int milliseconds)
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
    append32(16); // format chunk size
    append16(1); // PCM
    append16(1); // mono
    append32(rate);
    append32(rate); // bytes per second
    append16(1); // block align
    append16(8); // bits per sample
    bytes.append("LIST");
    append32(4);
    bytes.append("INFO");
    bytes.append("data");
    append32(dataBytes);
    bytes.append(QByteArray(static_cast<int>(dataBytes), char(0x80)));
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    return bytes;
}
