// The Golf window's help from the solver: the status line, Hint, Solve and the deals it can
// win.
#include "HintFrame.h"
#include "GolfSolver.h"
#include "GolfSolverStatus.h"
#include "GolfWindow.h"
#include "GolfWinnableDeal.h"
#include "Picture.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {

// Some layouts are almost never won; the search for a winnable deal gives up after this.
constexpr std::chrono::milliseconds WinnableDealSearch{3000};
const QString NoWinnableDeal = QStringLiteral("No winnable deal found: this one is dealt as it came");

}

void GolfWindow::dealNewGame()
{
    stopSolving();
    resultsGate.newGame();
    bool searched = false;
    bool found = false;
    if (winnableOnlyAction->isChecked()) {
        if (!dealSolver)
            dealSolver = std::make_unique<GolfSolver>();
        searched = true;
        found = findWinnableDeal(dealRandom, golf.layout(), *dealSolver, WinnableDealSearch);
    }
    golf.NewGame();
    askedAbout.reset();
    positionChanged();
    if (searched && !found)
        solverLabel->setText(NoWinnableDeal);
}

void GolfWindow::positionChanged()
{
    const GolfPosition now = golf.position();
    if (askedAbout == now)
        return;
    askedAbout = now;
    currentAdvice.reset();
    hintWanted = false;
    hintFrame->clear();
    solverLabel->clear();
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
    if (showHintsAction->isChecked())
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
    resultsGate.setSolverMoving(true);
    reportFileErrors([&] {
        if (move.kind == GolfMove::Turn)
            golf.TurnStock();
        else
            golf.PlayCard(golf.Tableau(move.column, golf.ColumnLen(move.column) - 1));
    });
    resultsGate.setSolverMoving(false);
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
    statusLine->setVisible(on);
    if (!on)
        hintFrame->clear();
}
