#include "GolfSettings.h"
#include "GolfWindowPlacement.h"
#include "TempDataDir.h"

namespace {

using GolfSettingsTest = TempDataDir;

}

TEST_F(GolfSettingsTest, MissingFileGivesTheDefaults)
{
    const GolfSettings settings = readGolfSettings();
    EXPECT_TRUE(settings.sound);
    EXPECT_EQ(settings.backIndex, 0);
    EXPECT_EQ(settings.layout, (GolfLayout{7, 5}));
    EXPECT_EQ(settings.geometry.width, 629);
    EXPECT_EQ(settings.geometry.height, 459);
    EXPECT_EQ(settings.geometry.left, 20);
    EXPECT_EQ(settings.geometry.top, 20);
    EXPECT_FALSE(settings.geometry.maximized);
}

TEST_F(GolfSettingsTest, StoredValuesAreValidated)
{
    const struct
    {
        QByteArray lines;
        int backIndex;
        GolfLayout layout;
    } cases[] = {
        {"AktHatlapSSz=8\r\nAktOszlSzam=10\r\nAktSorSzam=9", 8, {10, 5}},
        {"AktHatlapSSz=9\r\nAktOszlSzam=11\r\nAktSorSzam=10", 0, {7, 5}},
        {"AktHatlapSSz=-1\r\nAktOszlSzam=0\r\nAktSorSzam=0", 0, {7, 5}},
        {"AktOszlSzam=1\r\nAktSorSzam=1", 0, {1, 1}},
        {"AktOszlSzam=6\r\nAktSorSzam=9", 0, {6, 8}},
        {"AktOszlSzam=seven\r\nAktSorSzam=9", 0, {7, 7}},
    };
    for (const auto &c : cases) {
        writeDataFile("Golf.ini", "[Beallitas]\r\n" + c.lines + "\r\n");
        const GolfSettings settings = readGolfSettings();
        EXPECT_EQ(settings.backIndex, c.backIndex) << c.lines.constData();
        EXPECT_EQ(settings.layout, c.layout) << c.lines.constData();
    }
}

TEST_F(GolfSettingsTest, WrittenSettingsReadBack)
{
    writeDataFile("Golf.ini", "[Other]\r\nKept=1\r\n[Beallitas]\r\nFormStatusz=0\r\n");
    EXPECT_TRUE(readGolfSettings().geometry.maximized) << "any state but 1 is maximized";

    GolfSettings settings;
    settings.sound = false;
    settings.backIndex = 4;
    settings.layout = {9, 5};
    settings.geometry = {700, 500, -1200, 30, false};
    writeGolfSettings(settings);

    const GolfSettings read = readGolfSettings();
    EXPECT_FALSE(read.sound);
    EXPECT_EQ(read.backIndex, 4);
    EXPECT_EQ(read.layout, (GolfLayout{9, 5}));
    EXPECT_EQ(read.geometry.width, 700);
    EXPECT_EQ(read.geometry.left, -1200) << "geometry is stored as it is";
    EXPECT_FALSE(read.geometry.maximized);
    const QByteArray file = readDataFile("Golf.ini");
    EXPECT_TRUE(file.contains("FormStatusz=1\r\n"));
    EXPECT_TRUE(file.contains("Hang=0\r\n"));
    EXPECT_TRUE(file.contains("Kept=1\r\n"));
}

// Sizes and places beyond any window are brought within what a window can have, so placing the
// window cannot overflow.
TEST_F(GolfSettingsTest, ExtremeGeometryIsKeptWithinWhatAWindowCanHave)
{
    const int limit = GolfWindowGeometry::Limit;
    const struct
    {
        const char *stored;
        int value;
    } cases[] = {{"2147483647", limit}, {"-2147483648", -limit}, {"16777215", limit}};
    const QRect primary(0, 0, 1920, 1080);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        writeDataFile("Golf.ini",
                      QByteArray("[Beallitas]\r\nFormSzel=") + c.stored + "\r\nFormMag=" + c.stored
                          + "\r\nFormBal=" + c.stored + "\r\nFormTeto=" + c.stored + "\r\n");
        const GolfWindowGeometry geometry = readGolfSettings().geometry;
        EXPECT_EQ(geometry.left, c.value);
        EXPECT_EQ(geometry.top, c.value);
        EXPECT_EQ(geometry.width, std::max(c.value, 0));
        EXPECT_EQ(geometry.height, std::max(c.value, 0));
        const QRect placed
            = keepOnScreens(QRect(geometry.left, geometry.top, geometry.width, geometry.height),
                            {primary}, primary, GolfReturnOffset);
        EXPECT_EQ(placed.topLeft(), QPoint(20, 20)) << "it is off every screen";
    }
}

TEST(GolfWindowPlacement, ResizeSnapsToTheLayoutWithinTheMonitor)
{
    const QSize monitor(1024, 768);
    const struct
    {
        QSize size;
        GolfLayout layout;
        QSize monitor;
        QSize expected;
    } cases[] = {
        {{629, 459}, {7, 5}, monitor, {629, 459}},
        {{300, 200}, {7, 5}, monitor, {563, 388}},
        {{300, 200}, {10, 9}, {640, 400}, {640, 380}},
        {{700, 390}, {10, 9}, {640, 400}, {700, 390}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(snapToLayout(c.size, c.layout, c.monitor), c.expected) << c.size.width();
}

TEST(GolfWindowPlacement, WindowOffEveryScreenMovesToThePrimary)
{
    const QRect primary(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1024);
    const QList<QRect> screens{primary, right};
    const struct
    {
        QRect window;
        QRect expected;
    } cases[] = {
        {{20, 20, 629, 459}, {20, 20, 629, 459}},
        {{2000, 100, 629, 459}, {2000, 100, 629, 459}},
        {{-600, 10, 629, 459}, {-600, 10, 629, 459}},
        {{3300, 100, 629, 459}, {20, 20, 629, 459}},
        {{-2000, -900, 629, 459}, {20, 20, 629, 459}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keepOnScreens(c.window, screens, primary, GolfReturnOffset), c.expected)
            << c.window.x();
    EXPECT_EQ(keepOnScreens({100, 100, 629, 459}, {QRect(1920, 0, 800, 600)},
                            QRect(1920, 0, 800, 600), GolfReturnOffset),
              QRect(1940, 20, 629, 459))
        << "the default offset counts from the primary screen's corner";
}
