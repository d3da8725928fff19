#include "PokerSettings.h"
#include "TempDataDir.h"

namespace {

using PokerSettingsTest = TempDataDir;

TEST_F(PokerSettingsTest, ReadsTheIniWithSafeDefaults)
{
    const struct
    {
        const char *ini;
        int moveStep;
        bool sound;
        bool coach = false;
    } cases[] = {
        {nullptr, 20, true},
        {"[Beallitas]\r\nMozgSeb=9\r\nHang=0\r\n", 9, false},
        {"[Beallitas]\r\nMozgSeb=0\r\n", 20, true},
        {"[Beallitas]\r\nMozgSeb=-7\r\nHang=1\r\n", 20, true},
        {"[Beallitas]\r\nMozgSeb=2000000000\r\n", PokerSettings::MaxMoveStep, true},
        {"[Beallitas]\r\nCoach=1\r\n", 20, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ini ? c.ini : "no file");
        if (c.ini)
            writeDataFile("Poker.ini", c.ini);
        const PokerSettings settings = loadPokerSettings();
        EXPECT_EQ(settings.MoveStep, c.moveStep);
        EXPECT_EQ(settings.sound, c.sound);
        EXPECT_EQ(settings.coach, c.coach);
    }
}

TEST_F(PokerSettingsTest, WritesEveryKey)
{
    savePokerSettings({16, false, true});

    const QByteArray ini = readDataFile("Poker.ini");
    EXPECT_TRUE(ini.contains("[Beallitas]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("MozgSeb=16")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Hang=0")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Coach=1")) << ini.toStdString();
    EXPECT_EQ(loadPokerSettings().MoveStep, 16);
}

}
