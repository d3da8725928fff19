#include "WaveFile.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cmath>

namespace WaveFile {

namespace {
constexpr quint16 PcmFormat = 1;
constexpr quint16 Channels = 1;
constexpr quint16 BitsPerSample = 16;
constexpr quint32 FormatChunkBytes = 16;
constexpr quint32 HeaderBytesAfterSize = 36; // "WAVE" + format chunk + data chunk header
}

QByteArray encode(const std::vector<double> &samples, int sampleRate)
{
    const quint16 blockAlign = Channels * BitsPerSample / 8;
    const quint32 dataBytes = quint32(samples.size()) * blockAlign;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(HeaderBytesAfterSize + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << FormatChunkBytes << PcmFormat << Channels << quint32(sampleRate)
        << quint32(sampleRate) * blockAlign << blockAlign << BitsPerSample;
    out.writeRawData("data", 4);
    out << dataBytes;
    for (const double sample : samples)
        out << qint16(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
    return bytes;
}

}
