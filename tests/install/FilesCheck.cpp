// A test-only stand-in for the player, put beside an installed or copied program: it starts the
// way the program does (the same libraries, names and start-up, its folders found from its own
// path) and uses the games' own windows and files, so a test can see where that program reads
// its data and keeps the files it writes.
//   kovra-files-check play    finish a Golf game with the sound switched off, enter a Poker score
//   kovra-files-check check   read the Golf setting and result and the Poker score back
// Prints the folders it was given and one line per check; the exit code is the number of
// failed checks.
#include "Application.h"
#include "BestScores.h"
#include "DataDir.h"
#include "GolfResults.h"
#include "GolfWindow.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "LauncherWindow.h"
#include "PokerWindow.h"
#include "StartUp.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

const QString PlayerName = QStringLiteral("Install Check");
constexpr int PokerScore = 4321;
// Far more moves than a game of Golf can take: every move takes a card out of play.
constexpr int MostGolfMoves = 200;
constexpr int DialogWatchIntervalMs = 100;
const GolfLayout StandardLayout;

int failures = 0;

void expect(bool ok, const QString &what)
{
    std::printf("%s %s\n", ok ? "ok" : "FAILED", qPrintable(what));
    if (!ok)
        ++failures;
}

// No dialog is meant to open; one that does (a file that cannot be written or read) would wait
// for a player who is not there. Its text is reported and it is closed.
void closeUnexpectedDialogs()
{
    auto *watch = new QTimer(qApp);
    watch->setInterval(DialogWatchIntervalMs);
    QObject::connect(watch, &QTimer::timeout, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        QStringList texts;
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            texts << label->text();
        expect(false, QStringLiteral("no dialog opens, but one said: ") + texts.join(u' '));
        dialog->close();
    });
    watch->start();
}

// Gives the name at once and shows nothing, as the player who typed it would see it saved.
class QuietScoreView : public BestScoreView
{
public:
    QString askName(int) override { return PlayerName; }
    void reportDamagedFile() override { expect(false, QStringLiteral("the list is intact")); }
    void reportWriteError(const QString &message) override { expect(false, message); }
    void showList() override { }
};

// Plays every exposed card that fits and turns the stock otherwise (a right click on any card),
// until the game ends.
void finishGolfGame(GolfWindow &golf)
{
    const GolfGame &game = golf.game();
    for (int move = 0; move < MostGolfMoves && !game.GameOver(); ++move) {
        const int top = game.Foundation(game.FoundationCount());
        int fitting = -1;
        for (int column = 0; column < game.Columns() && fitting < 0; ++column) {
            const int length = game.ColumnLen(column);
            if (length > 0 && GolfPosition::fits(top, game.Tableau(column, length - 1)))
                fitting = game.Tableau(column, length - 1);
        }
        golf.cardPressed(golf.cardPictures[fitting < 0 ? top : fitting],
                         fitting < 0 ? Qt::RightButton : Qt::LeftButton);
    }
}

void checkInstalledData(GolfWindow &golf)
{
    expect(!golf.windowIcon().isNull(), QStringLiteral("the Golf window has its icon"));
    expect(helpViewer->showHelpFile(QStringLiteral("Golf.rtf"), false),
           QStringLiteral("the Golf help opens from ") + DataFile(QStringLiteral("Golf.rtf")));
    helpViewer->close();
}

void play(LauncherWindow *launcher)
{
    auto golf = std::make_unique<GolfWindow>(launcher);
    golf->show();
    checkInstalledData(*golf);
    golf->soundAction->setChecked(false);
    finishGolfGame(*golf);
    expect(golf->game().GameOver(), QStringLiteral("the Golf game ended"));
    golf->close();

    auto poker = std::make_unique<PokerWindow>(launcher);
    poker->show();
    QuietScoreView view;
    bestScoreList().ShowBestScores(PokerScore, view);
}

// The windows are not closed: a game in progress would ask whether to quit.
void check(LauncherWindow *launcher)
{
    auto golf = std::make_unique<GolfWindow>(launcher);
    golf->show();
    expect(!golf->soundAction->isChecked(), QStringLiteral("Golf starts with the sound off"));
    const auto results = GolfResultsFile().shownResults(StandardLayout);
    expect(results.back() == 1, QStringLiteral("Golf counts one finished game"));

    auto poker = std::make_unique<PokerWindow>(launcher);
    poker->show();
    BestScoreList &list = bestScoreList();
    const bool intact = list.read(IniFile(list.filePath()));
    expect(intact && list.entry(1).Name == PlayerName.toLatin1()
               && list.entry(1).Score == PokerScore,
           QStringLiteral("the Poker list leads with the score entered"));
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setProgramNames();
    const QStringList arguments = QApplication::arguments();
    const QString mode = arguments.value(1);
    if (arguments.size() != 2
        || (mode != QLatin1String("play") && mode != QLatin1String("check"))) {
        std::fprintf(stderr, "usage: kovra-files-check play|check\n");
        return 2;
    }
    const std::unique_ptr<LauncherWindow> launcher(createWindows());
    closeUnexpectedDialogs();
    std::printf("data: %s\nuser: %s\n",
                qPrintable(fileFolders().data.join(QLatin1String(" then "))),
                qPrintable(fileFolders().user));
    if (mode == QLatin1String("play"))
        play(launcher.get());
    else
        check(launcher.get());
    return failures;
}
