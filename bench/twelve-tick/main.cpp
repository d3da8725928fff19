// Times one tick of the Twelve window's move timer while all four put cards travel to the
// middle and turn over, painting included, on a table twice its designed size (the window
// maximised on a large screen): twelve-tick [turns] [scale]. Run it from a Release build.
#include "DataDir.h"
#include "LauncherWindow.h"
#include "StartUp.h"
#include "TwelveTable.h"
#include "TwelveWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int DefaultTurns = 50;
constexpr double DefaultScale = 2;
// Slow cards, so every turn gives many ticks in which all four move.
const QByteArray SlowSettings = "[Beallitas]\r\nMozgSeb=4\r\nFordSeb=4\r\n";

int heldCard(const TwelveGame &game)
{
    for (int card = 0; card < CardCount; ++card)
        if (game.Holding[HumanSeat][card])
            return card;
    return -1;
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int turns = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultTurns;
    const double scale = argc > 2 ? std::max(1.0, std::atof(argv[2])) : DefaultScale;

    QTemporaryDir data;
    overrideDataDirForTests(data.path());
    QFile settings(data.filePath(QStringLiteral("Twelve.ini")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write(SlowSettings) != SlowSettings.size())
        return 1;
    settings.close();

    const std::unique_ptr<LauncherWindow> launcher(createWindows());
    TwelveWindow window(launcher.get());
    window.show();
    const QSize table = (QSizeF(TwelveTableLayout::TableSize) * scale).toSize();
    window.resize(window.size() - window.table->size() + table);
    QCoreApplication::processEvents();

    std::vector<qint64> nanoseconds;
    QElapsedTimer clock;
    for (int turn = 0; turn < turns; ++turn) {
        window.NewGame();
        window.cardMouseDown(heldCard(window.state()));
        while (window.turnFlow().GameState() != TurnState::Choosing
               && window.moveTimer->isActive()) {
            clock.start();
            window.moveTick();
            QCoreApplication::processEvents();
            nanoseconds.push_back(clock.nsecsElapsed());
        }
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto at = [&](double fraction) {
        return nanoseconds[static_cast<size_t>(fraction * (nanoseconds.size() - 1))] / 1000.0;
    };
    std::printf("%zu ticks with four cards travelling or turning, painting included, table %dx%d\n",
                nanoseconds.size(), window.table->width(), window.table->height());
    std::printf("median %.1f us, 90th percentile %.1f us, maximum %.1f us\n", at(0.5), at(0.9),
                at(1.0));
    return 0;
}
