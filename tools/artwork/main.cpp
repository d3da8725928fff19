// Draws every picture, icon, sound and wall texture of the program into the given folder
// (normally assets/). The output is the same on every run.
#include "IcoFile.h"
#include "Icons.h"
#include "PokerPictures.h"
#include "Sounds.h"
#include "Tiles.h"
#include "TwelvePictures.h"
#include "Walls.h"
#include "WaveFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int JpegQuality = 92;
constexpr quint64 WallSeed = 4242;
// The Twelve pictures come plain, twice and four times as dense (for a large table on a dense
// screen), named as Qt looks for them on dense screens.
constexpr int DenseScales[] = {2, 4};

// One file of the artwork: its path below the output folder and how to make its bytes.
struct Output
{
    QString path;
    std::function<QByteArray()> make;
};

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

std::vector<Output> outputs()
{
    std::vector<Output> all = {
        {"tiles/Twelve.jpg", [] { return encoded(Tiles::twelve(), "jpg", JpegQuality); }},
        {"tiles/Golf.jpg", [] { return encoded(Tiles::golf(), "jpg", JpegQuality); }},
        {"tiles/Poker.jpg", [] { return encoded(Tiles::poker(), "jpg", JpegQuality); }},
        {"poker/Background.jpg",
         [] { return encoded(PokerPictures::mistyForest(), "jpg", JpegQuality); }},
        {"poker/GameOver.jpg",
         [] { return encoded(PokerPictures::gameOver(), "jpg", JpegQuality); }},
        {"poker/Discard.png", [] { return encoded(PokerPictures::discardMark(), "png"); }},
        {"KVR1.ico", [] { return IcoFile::encode(Icons::allSizes(Icons::Product)); }},
        {"Twelve.ico", [] { return IcoFile::encode(Icons::allSizes(Icons::Twelve)); }},
        {"Golf.ico", [] { return IcoFile::encode(Icons::allSizes(Icons::Golf)); }},
        {"Poker.ico", [] { return IcoFile::encode(Icons::allSizes(Icons::Poker)); }},
        {"Licit.wav", [] { return WaveFile::encode(Sounds::bidKnock(), Sounds::SampleRate); }},
        {"Pakli.wav", [] { return WaveFile::encode(Sounds::stockFlip(), Sounds::SampleRate); }},
        {"Kartya Le.wav", [] { return WaveFile::encode(Sounds::cardDown(), Sounds::SampleRate); }},
    };
    for (const TwelvePictures::Picture &picture : TwelvePictures::pictures()) {
        all.push_back(
            {"twelve/" + picture.fileName, [picture] { return encoded(picture.draw(1), "png"); }});
        for (const int scale : DenseScales) {
            const QString dense = QFileInfo(picture.fileName).completeBaseName()
                + QStringLiteral("@%1x.png").arg(scale);
            all.push_back({"twelve/" + dense,
                           [picture, scale] { return encoded(picture.draw(scale), "png"); }});
        }
    }
    for (const int size : Icons::ThemeIconSizes) {
        all.push_back({QStringLiteral("icons/kovra-%1.png").arg(size),
                       [size] { return encoded(Icons::icon(Icons::Product, size), "png"); }});
    }
    quint64 seed = WallSeed;
    for (const Walls::Wall &wall : Walls::walls()) {
        all.push_back(
            {wall.fileName, [wall, seed] { return encoded(Walls::texture(wall, seed), "bmp"); }});
        ++seed;
    }
    return all;
}

bool write(const QString &path, const QByteArray &bytes)
{
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}

int main(int argc, char *argv[])
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kovra-artwork <output folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    int failures = 0;
    for (const Output &output : outputs()) {
        const QString path = folder.filePath(output.path);
        if (write(path, output.make())) {
            std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
        } else {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
