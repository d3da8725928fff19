// The program's own start, watched by the start-up probe.
//
//   kovra-startup            prints the usage when the launcher is mapped and once settled
//   kovra-startup GAME       then clicks the tile of GAME (twelve, golf or poker) and prints
//                            the milliseconds from the click to the mapped game window and to
//                            the end of its first paint
//
// It links the same libraries and runs the same start-up code as the program; only the probe
// is added, which reads the process's figures and stops the run.

#include "LauncherWindow.h"
#include "Picture.h"
#include "StartUp.h"
#include "StartupProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

// Posted as the window system would deliver them, so the launcher handles the click in its own
// event loop and the game's modal loop runs as it does for a player.
void postClick(QWidget *tile)
{
    const QPointF centre = QRectF(tile->rect()).center();
    const QPointF global = tile->mapToGlobal(centre);
    QCoreApplication::postEvent(tile,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(tile,
                                new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    const std::unique_ptr<LauncherWindow> launcher(createWindows());

    const std::map<QString, Picture *> tiles{{"twelve", launcher->twelveTile},
                                             {"golf", launcher->golfTile},
                                             {"poker", launcher->pokerTile}};
    Picture *tile = nullptr;
    if (argc > 1) {
        const auto found = tiles.find(QString::fromLocal8Bit(argv[1]));
        if (found == tiles.end()) {
            std::fprintf(stderr, "usage: kovra-startup [twelve|golf|poker]\n");
            return EXIT_FAILURE;
        }
        tile = found->second;
    }

    QElapsedTimer sinceClick;
    const StartupProbe probe([&](QWindow *window) {
        if (window == launcher->windowHandle()) {
            StartupProbe::printUsage("mapped");
            if (tile) {
                sinceClick.start();
                postClick(tile);
            } else {
                quitWhenSettled();
            }
            return;
        }
        // The first paint runs inside the expose, so a zero timer fires once the game window
        // shows its cards. The game's modal loop never returns to the launcher's: the run ends.
        const double mapped = sinceClick.nsecsElapsed() / 1e6;
        QTimer::singleShot(0, [&sinceClick, mapped] {
            std::printf("open_mapped_ms=%.1f open_painted_ms=%.1f\n", mapped,
                        sinceClick.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS);
        });
    });
    launcher->show();
    return QApplication::exec();
}
