#include "Sound.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

namespace {

bool multimediaLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

}

// The program links what the launcher needs; the multimedia libraries, large and slow to load,
// come with the first sound a game plays.
TEST(SoundLibraries, AreLoadedByTheFirstSoundNotAtStart)
{
    ASSERT_FALSE(multimediaLoaded());
    Sound::play(QCoreApplication::applicationDirPath() + QStringLiteral("/Licit.wav"),
                Sound::NoWait);
    EXPECT_TRUE(multimediaLoaded());
}
