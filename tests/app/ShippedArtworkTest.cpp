#include "Sound.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QString shipped(const char *fileName)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromUtf8(fileName);
}

bool hasVisiblePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

}

TEST(ShippedArtwork, EveryIconHoldsItsThreeSizes)
{
    for (const char *name : {"KVR1.ico", "Twelve.ico", "Golf.ico", "Poker.ico"}) {
        const QIcon icon(shipped(name));
        for (const int side : {16, 32, 48}) {
            const QSize size(side, side);
            ASSERT_TRUE(icon.availableSizes().contains(size)) << name << " " << side;
            const QImage image = icon.pixmap(size).toImage();
            EXPECT_TRUE(image.hasAlphaChannel()) << name << " " << side;
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name << " " << side << ": corner shows";
            EXPECT_TRUE(hasVisiblePixel(image)) << name << " " << side;
        }
    }
}

// The games wait for these sounds to end, so they must be short.
TEST(ShippedArtwork, SoundsArePlayableAndShort)
{
    for (const char *name : {"Licit.wav", "Pakli.wav", "Kartya Le.wav"}) {
        const auto length = Sound::waveLength(shipped(name));
        EXPECT_GT(length, 0ms) << name;
        EXPECT_LE(length, 400ms) << name;
    }
}

TEST(ShippedArtwork, WallTexturesLoad)
{
    for (const char *name : {"Fal - Zöld.bmp", "Fal - Kék.bmp", "Fal - Sárga.bmp",
                             "Fal - Piros.bmp", "Fal - Fehér.bmp"}) {
        const QImage texture(shipped(name));
        ASSERT_FALSE(texture.isNull()) << name;
        EXPECT_EQ(texture.width(), texture.height()) << name;
    }
}

TEST(ShippedArtwork, CompiledInPicturesHaveTheirSizes)
{
    const struct
    {
        const char *path;
        QSize size;
    } pictures[] = {
        {":/tiles/Twelve.jpg", {180, 300}},   {":/tiles/Golf.jpg", {180, 300}},
        {":/tiles/Poker.jpg", {180, 300}},    {":/poker/Background.jpg", {578, 377}},
        {":/poker/GameOver.jpg", {327, 103}}, {":/poker/Discard.png", {71, 96}},
    };
    for (const auto &picture : pictures) {
        const QImage image(QString::fromLatin1(picture.path));
        EXPECT_EQ(image.size(), picture.size) << picture.path;
    }
    // The discard cross lies over a card, which must show through around it.
    const QImage cross(QStringLiteral(":/poker/Discard.png"));
    EXPECT_EQ(qAlpha(cross.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(cross.pixel(35, 48)), 255);
}
