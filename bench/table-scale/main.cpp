// Times the Golf and Poker tables at twice their designed size (the window maximised on a large
// screen): a full repaint after a resize that changes the scale, so every card shown is drawn
// anew, and one tick of each game's animation, painting included (a Golf play, a step of the
// Poker cards sliding away): table-scale [repeats] [scale]. Run it from a Release build.
#include "DataDir.h"
#include "GolfWindow.h"
#include "LauncherWindow.h"
#include "PokerTableLayout.h"
#include "PokerWindow.h"
#include "StartUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int DefaultRepeats = 40;
constexpr double DefaultScale = 2;
// Sounds off, so no play waits for one; slow Poker cards, so a hand gives many slide ticks.
const QByteArray GolfIni = "[Beallitas]\r\nHang=0\r\n";
const QByteArray PokerIni = "[Beallitas]\r\nHang=0\r\nMozgSeb=4\r\n";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class Timings
{
public:
    void time(const std::function<void()> &step)
    {
        QElapsedTimer clock;
        clock.start();
        step();
        QCoreApplication::processEvents();
        nanoseconds.push_back(clock.nsecsElapsed());
    }

    void print(const char *what)
    {
        std::sort(nanoseconds.begin(), nanoseconds.end());
        const auto at = [&](double fraction) {
            return nanoseconds[static_cast<size_t>(fraction * (nanoseconds.size() - 1))] / 1e6;
        };
        std::printf("%-40s %5zu times: median %.2f ms, 90th percentile %.2f ms, maximum %.2f ms\n",
                    what, nanoseconds.size(), at(0.5), at(0.9), at(1.0));
    }

private:
    std::vector<qint64> nanoseconds;
};

// Resizes the window so its table is the given size, and repaints all of it.
void showTableAt(QWidget &window, QWidget &table, QSize size)
{
    window.resize(window.size() - table.size() + size);
    QCoreApplication::processEvents();
    window.repaint();
}

// Resizes between two sizes a few pixels apart, each resize a new scale.
void timeRepaints(QWidget &window, QWidget &table, QSize designed, int repeats, double scale)
{
    const QSize large = (QSizeF(designed) * scale).toSize();
    // The first resizes also make the window's backing store and warm the font caches.
    for (int warming = 0; warming < 4; ++warming)
        showTableAt(window, table, warming % 2 == 0 ? large : large + QSize(6, 4));
    Timings repaints;
    for (int repeat = 0; repeat < repeats; ++repeat) {
        const QSize size = repeat % 2 == 0 ? large : large + QSize(6, 4);
        repaints.time([&] { showTableAt(window, table, size); });
    }
    repaints.print("full repaint after a resize");
    showTableAt(window, table, large);
}

void timeGolf(int repeats, double scale)
{
    constexpr QSize Designed{621, 403};
    std::printf("Golf, table %gx its designed size\n", scale);
    {
        GolfWindow window;
        window.show();
        timeRepaints(window, *window.table, Designed, repeats, scale);
    }
    // A window for each deal, as a deal left unfinished would ask before the next.
    Timings plays;
    for (int deal = 0; deal < repeats; ++deal) {
        GolfWindow window;
        window.show();
        showTableAt(window, *window.table, (QSizeF(Designed) * scale).toSize());
        while (window.game().StockCount() > 0)
            plays.time([&] { window.turnStock(); });
    }
    plays.print("one play (a stock card turned)");
}

void timePoker(int repeats, double scale)
{
    PokerWindow window;
    window.show();
    window.MoveTick();
    std::printf("Poker, table %gx its designed size\n", scale);
    timeRepaints(window, *window.table, PokerTableLayout::ClientSize, repeats, scale);
    Timings ticks;
    for (int hand = 0; hand < repeats; ++hand) {
        window.Invert();
        window.Proceed();
        while (window.slideTimer->isActive())
            ticks.time([&] { window.MoveTick(); });
    }
    ticks.print("one tick of the cards sliding");
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(2, std::atoi(argv[1])) : DefaultRepeats;
    const double scale = argc > 2 ? std::max(1.0, std::atof(argv[2])) : DefaultScale;

    QTemporaryDir data;
    overrideDataDirForTests(data.path());
    if (!writeFile(data.filePath(QStringLiteral("Golf.ini")), GolfIni)
        || !writeFile(data.filePath(QStringLiteral("Poker.ini")), PokerIni))
        return 1;

    const std::unique_ptr<LauncherWindow> launcher(createWindows());
    timeGolf(repeats, scale);
    timePoker(repeats, scale);
    return 0;
}
