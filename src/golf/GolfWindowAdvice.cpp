// The Golf window's help from the solver: the status line, Hint, Solve and the deals it can
// win.
#include "GolfSolverStatus.h"
#include "GolfWindow.h"
#include "GolfWinnableDeal.h"
#include "HintFrame.h"
#include "Picture.h"
#include "Random.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {

// Some layouts are almost never won; the search for a winnable deal gives up after this.
constexpr std::chrono::milliseconds WinnableDealSearch{3000};
const QString LookingForDeal = QStringLiteral("Looking for a winnable deal...");

}

// The deal shows at once; with "Winnable deals only" the solver's thread looks for a winnable
// one meanwhile, which takes its place unless the player has made a move by then.
void GolfWindow::dealNewGame()
{
    stopSolving();
    tellFileErrors([this] { statistics.dealt(); });
    resultsGate.newGame();
    golf.NewGame();
    askedAbout.reset();
    lookingForDeal = false;
    dealNote.clear();
    if (!winnableOnlyAction->isChecked()) {
        positionChanged();
        return;
    }
    askedAbout = golf.position();
    currentAdvice.reset();
    hintFrame->clear();
    lookingForDeal = true;
    statusLine->show();
    solverLabel->setText(LookingForDeal);
    advisor.requestDeal(golf.layout(), unsigned(programRandom().random(1 << 30)),
                        WinnableDealSearch);
}

void GolfWindow::dealArrived(const GolfDealSearch &search)
{
    if (!lookingForDeal)
        return;
    if (search.draws.empty()) {
        dealNote = QStringLiteral("No winnable deal found in time");
    } else {
        dealRandom.replayDraws(search.draws);
        golf.NewGame();
        if (search.fewestCardsLeft > 0)
            dealNote = QStringLiteral("No winnable deal found; at best %1 cards can be left")
                           .arg(search.fewestCardsLeft);
    }
    stopLookingForDeal();
}

// The search is over: the deal on the table stays, and the solver is asked about it. A move,
// Solve or the option switched off end it early.
void GolfWindow::stopLookingForDeal()
{
    if (!lookingForDeal)
        return;
    lookingForDeal = false;
    showHintsOption();
    askedAbout.reset();
    positionChanged();
}

void GolfWindow::positionChanged()
{
    const GolfPosition now = golf.position();
    if (askedAbout == now)
        return;
    if (lookingForDeal) {
        lookingForDeal = false;
        showHintsOption();
    } else if (askedAbout) {
        dealNote.clear();
    }
    askedAbout = now;
    currentAdvice.reset();
    hintWanted = false;
    hintFrame->clear();
    solverLabel->setText(dealNote);
    if (showHintsAction->isChecked() || solving() || solveWanted)
        advisor.request(now);
    else
        advisor.withdraw();
}

void GolfWindow::adviceArrived(const GolfPosition &position, const GolfAdvice &advice)
{
    if (askedAbout != position)
        return;
    currentAdvice = advice;
    if (showHintsAction->isChecked() && dealNote.isEmpty())
        solverLabel->setText(solverStatusText(advice));
    if (hintWanted)
        showHint();
    if (solveWanted)
        startSolving();
}

void GolfWindow::onHint()
{
    if (!showHintsAction->isChecked())
        return;
    if (!golf.GameOver())
        tellFileErrors([this] { statistics.hintTaken(golf.layout()); });
    hintWanted = true;
    if (currentAdvice)
        showHint();
}

void GolfWindow::showHint()
{
    hintWanted = false;
    const GolfAdvice &advice = *currentAdvice;
    if (advice.gameOver) {
        // Backup takes back the card on top of the foundation.
        if (advice.movesBack > 0)
            hintFrame->mark(cardPictures[golf.Foundation(golf.FoundationCount())]);
        return;
    }
    const GolfMove move = advice.line.front();
    if (move.kind == GolfMove::Turn)
        hintFrame->mark(stockPicture);
    else
        hintFrame->mark(cardPictures[golf.Tableau(move.column, golf.ColumnLen(move.column) - 1)]);
}

void GolfWindow::onSolve()
{
    if (golf.GameOver() || solving())
        return;
    solveWanted = true;
    stopLookingForDeal();
    if (currentAdvice)
        startSolving();
    else if (askedAbout)
        advisor.request(*askedAbout);
}

bool GolfWindow::solving() const
{
    return solveTimer->isActive();
}

void GolfWindow::startSolving()
{
    solveWanted = false;
    if (currentAdvice->gameOver)
        return;
    solveLine = currentAdvice->line;
    solveNext = 0;
    qApp->installEventFilter(this);
    solveTimer->start();
}

void GolfWindow::stopSolving()
{
    solveWanted = false;
    if (!solving())
        return;
    solveTimer->stop();
    qApp->removeEventFilter(this);
}

void GolfWindow::playNextSolveMove()
{
    if (solveNext >= solveLine.size() || golf.GameOver()) {
        stopSolving();
        return;
    }
    const GolfMove move = solveLine[solveNext++];
    statistics.setSolverMoving(true);
    reportFileErrors([&] {
        if (move.kind == GolfMove::Turn)
            golf.TurnStock();
        else
            golf.PlayCard(golf.Tableau(move.column, golf.ColumnLen(move.column) - 1));
    });
    statistics.setSolverMoving(false);
    if (golf.GameOver())
        stopSolving();
}

void GolfWindow::onShowHints()
{
    showHintsOption();
    askedAbout.reset();
    positionChanged();
}

void GolfWindow::showHintsOption()
{
    const bool on = showHintsAction->isChecked();
    hintAction->setEnabled(on);
    statusLine->setVisible(on || lookingForDeal);
    if (!on)
        hintFrame->clear();
}
