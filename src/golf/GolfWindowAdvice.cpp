// The Golf window's help from the solver: the status line, Hint, Solve and the deals it can
// win.
#include "GolfHintMarker.h"
#include "GolfSolver.h"
#include "GolfSolverStatus.h"
#include "GolfWinnableDeal.h"
#include "Picture.h"
#include "uGolf.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {

// Some layouts are almost never won; the search for a winnable deal gives up after this.
constexpr std::chrono::milliseconds WinnableDealSearch{3000};
const QString NoWinnableDeal = QStringLiteral("No winnable deal found: this one is dealt as it came");

}

void TfrmGolf::dealNewGame()
{
    stopSolving();
    resultsGate.newGame();
    bool searched = false;
    bool found = false;
    if (WinnableOnly1->isChecked()) {
        if (!dealSolver)
            dealSolver = std::make_unique<GolfSolver>();
        searched = true;
        found = findWinnableDeal(dealRandom, golf.layout(), *dealSolver, WinnableDealSearch);
    }
    golf.NewGame();
    askedAbout.reset();
    positionChanged();
    if (searched && !found)
        lblSolver->setText(NoWinnableDeal);
}

void TfrmGolf::positionChanged()
{
    const GolfPosition now = GolfPosition::of(golf);
    if (askedAbout == now)
        return;
    askedAbout = now;
    currentAdvice.reset();
    hintWanted = false;
    hintMarker->hide();
    lblSolver->clear();
    if (Hints1->isChecked() || solving() || solveWanted)
        advisor.request(now);
    else
        advisor.withdraw();
}

void TfrmGolf::adviceArrived(const GolfPosition &position, const GolfAdvice &advice)
{
    if (askedAbout != position)
        return;
    currentAdvice = advice;
    if (Hints1->isChecked())
        lblSolver->setText(solverStatusText(advice));
    if (hintWanted)
        showHint();
    if (solveWanted)
        startSolving();
}

void TfrmGolf::Hint1Click()
{
    if (!Hints1->isChecked())
        return;
    hintWanted = true;
    if (currentAdvice)
        showHint();
}

void TfrmGolf::showHint()
{
    hintWanted = false;
    const GolfAdvice &advice = *currentAdvice;
    if (advice.gameOver) {
        // Backup takes back the card on top of the foundation.
        if (advice.movesBack > 0)
            hintMarker->mark(imgKartyak[golf.Foundation(golf.FoundationCount())]);
        return;
    }
    const GolfMove move = advice.line.front();
    if (move.kind == GolfMove::Turn)
        hintMarker->mark(imgHatlap);
    else
        hintMarker->mark(
            imgKartyak[golf.Tableau(move.column, golf.ColumnLen(move.column) - 1)]);
}

void TfrmGolf::Solve1Click()
{
    if (golf.GameOver() || solving())
        return;
    solveWanted = true;
    if (currentAdvice)
        startSolving();
    else if (askedAbout)
        advisor.request(*askedAbout);
}

bool TfrmGolf::solving() const
{
    return tmrSolve->isActive();
}

void TfrmGolf::startSolving()
{
    solveWanted = false;
    if (currentAdvice->gameOver)
        return;
    solveLine = currentAdvice->line;
    solveNext = 0;
    qApp->installEventFilter(this);
    tmrSolve->start();
}

void TfrmGolf::stopSolving()
{
    solveWanted = false;
    if (!solving())
        return;
    tmrSolve->stop();
    qApp->removeEventFilter(this);
}

void TfrmGolf::tmrSolveTimer()
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

void TfrmGolf::Hints1Click()
{
    showHintsOption();
    askedAbout.reset();
    positionChanged();
}

void TfrmGolf::showHintsOption()
{
    const bool on = Hints1->isChecked();
    Hint1->setEnabled(on);
    sbStatusz->setVisible(on);
    if (!on)
        hintMarker->hide();
}
