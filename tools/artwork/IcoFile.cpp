#include "IcoFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QIODevice>

namespace IcoFile {

namespace {

constexpr int HeaderBytes = 6;
constexpr int EntryBytes = 16;
constexpr int BitmapInfoBytes = 40;
constexpr quint16 IconType = 1;
constexpr quint16 BitsPerPixel = 32;
// Pixels at least this transparent are marked transparent in the 1-bit mask too.
constexpr int MaskAlphaLimit = 128;

int maskRowBytes(int width)
{
    return (width + 31) / 32 * 4;
}

// The bitmap of one icon image: header (height counts image and mask), BGRA rows bottom-up,
// then the mask rows bottom-up.
QByteArray bitmap(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 imageBytes = quint32(w * h * 4 + maskRowBytes(w) * h);
    out << quint32(BitmapInfoBytes) << qint32(w) << qint32(2 * h) << quint16(1) << BitsPerPixel
        << quint32(0) << imageBytes << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskRowBytes(w), '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) < MaskAlphaLimit)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(mask.constData(), int(mask.size()));
    }
    return bytes;
}

}

QByteArray encode(const QList<QImage> &images)
{
    QList<QByteArray> bitmaps;
    for (const QImage &image : images)
        bitmaps.append(bitmap(image));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << IconType << quint16(images.size());
    quint32 offset = quint32(HeaderBytes + EntryBytes * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A width or height of 256 is written as 0.
        out << quint8(images[i].width() & 0xFF) << quint8(images[i].height() & 0xFF) << quint8(0)
            << quint8(0) << quint16(1) << BitsPerPixel << quint32(bitmaps[i].size()) << offset;
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray &bitmap : bitmaps)
        out.writeRawData(bitmap.constData(), int(bitmap.size()));
    return file;
}

}
