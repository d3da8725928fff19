#include "GolfGame.h"

#include "Random.h"

GolfGame::GolfGame(Random &random, GolfView &view, GolfResultRecorder &results)
    : random(random)
    , view(view)
    , results(results)
{ }

void GolfGame::setLayout(GolfLayout layout)
{
    currentLayout = layout;
}

int GolfGame::drawUndealt(std::array<bool, GolfLayout::DeckSize> &dealt)
{
    int id;
    do
        id = random.random(GolfLayout::DeckSize);
    while (dealt[id]);
    dealt[id] = true;
    return id;
}

void GolfGame::NewGame()
{
    gameOver = false;
    resultRecorded = false;

    view.hideAllCards();
    std::array<bool, GolfLayout::DeckSize> dealt{};
    std::array<int, GolfLayout::DeckSize> ids{};
    for (int n = 0; n < GolfLayout::DeckSize; ++n)
        ids[n] = drawUndealt(dealt);
    state = GolfPosition::dealt(currentLayout, ids);

    for (int c = 0; c < Columns(); ++c)
        for (int r = 0; r < Rows(); ++r)
            view.PlaceInColumn(c, r, state.tableau[c][r]);
    view.showStock(true);
    view.setStockCount(state.stockCount + 1);
    view.hideResult();
    showStockTurned();
}

void GolfGame::showPlayed(GolfView::Sound sound)
{
    view.PlaceOnFoundation(state.top(), state.foundationCount);
    if (sound == GolfView::Sound::StockTurned)
        view.setStockCount(state.stockCount);
    view.playSound(sound);
}

void GolfGame::showStockTurned()
{
    showPlayed(GolfView::Sound::StockTurned);
    if (state.stockCount == 0) {
        view.showStock(false);
        CheckEnd();
    }
}

void GolfGame::PlayCard(int id)
{
    const int column = state.columnExposing(id);
    if (!state.canPlay(column))
        return;
    state.apply(GolfMove::play(column));
    showPlayed(GolfView::Sound::CardPlayed);
    CheckEnd();
}

void GolfGame::TurnStock()
{
    if (!state.canTurn())
        return;
    state.apply(GolfMove::turn());
    showStockTurned();
}

void GolfGame::CheckEnd()
{
    if (!state.over())
        return;
    gameOver = true;
    view.ShowResult(cardsLeft());
    if (!resultRecorded) {
        results.RecordResult(currentLayout, cardsLeft(), +1);
        resultRecorded = true;
    }
}

void GolfGame::takeResultBack()
{
    if (!resultRecorded)
        return;
    results.RecordResult(currentLayout, cardsLeft(), -1);
    resultRecorded = false;
}

void GolfGame::Backup()
{
    if (state.foundationCount <= 1)
        return;
    // First, as it may fail: the game then stays ended with its result still counted.
    takeResultBack();
    gameOver = false;
    view.hideResult();

    const int card = state.top();
    const int stockBefore = state.stockCount;
    state.takeBack();
    if (state.stockCount > stockBefore) {
        view.hideCard(card);
        view.setStockCount(state.stockCount);
        if (state.stockCount == 1)
            view.showStock(true);
        return;
    }
    const int column = state.columnExposing(card);
    if (column >= 0)
        view.PlaceInColumn(column, state.columnLen[column] - 1, card);
}
