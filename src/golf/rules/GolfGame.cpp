#include "GolfGame.h"

#include "Random.h"

#include <cstdlib>

namespace {

constexpr int RanksPerSuit = 13;
constexpr int King = 11;
constexpr int Ace = 12;

}

GolfGame::GolfGame(Random &random, GolfView &view, GolfResultRecorder &results)
    : random(random)
    , view(view)
    , results(results)
{ }

bool GolfGame::Fits(int top, int id)
{
    const int t = top % RanksPerSuit;
    const int k = id % RanksPerSuit;
    const int d = std::abs(t - k);
    return (d == 1 || d == RanksPerSuit - 1) && t != King && !(t == Ace && k == King);
}

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
    foundationCount = 0;

    view.hideAllCards();
    std::array<bool, GolfLayout::DeckSize> dealt{};
    columnLen.fill(0);
    for (int c = 0; c < Columns(); ++c) {
        for (int r = 0; r < Rows(); ++r)
            tableau[c][r] = drawUndealt(dealt);
        columnLen[c] = Rows();
    }
    stockCount = currentLayout.stockCards();
    for (int i = 0; i < stockCount; ++i)
        stock[i] = drawUndealt(dealt);

    for (int c = 0; c < Columns(); ++c)
        for (int r = 0; r < Rows(); ++r)
            view.PlaceInColumn(c, r, tableau[c][r]);
    view.showStock(true);
    view.setStockCount(stockCount);
    view.hideResult();

    TurnStock();
}

int GolfGame::columnExposing(int id) const
{
    for (int c = 0; c < Columns(); ++c)
        if (columnLen[c] > 0 && tableau[c][columnLen[c] - 1] == id)
            return c;
    return -1;
}

void GolfGame::putOnFoundation(int id)
{
    foundation[foundationCount++] = id;
    view.PlaceOnFoundation(id, foundationCount);
}

void GolfGame::PlayCard(int id)
{
    const int column = columnExposing(id);
    if (column < 0 || !Fits(Foundation(foundationCount), id))
        return;
    putOnFoundation(id);
    --columnLen[column];
    view.playSound(GolfView::Sound::CardPlayed);
    CheckEnd();
}

void GolfGame::TurnStock()
{
    if (stockCount == 0)
        return;
    putOnFoundation(stock[stockCount - 1]);
    --stockCount;
    view.setStockCount(stockCount);
    view.playSound(GolfView::Sound::StockTurned);
    if (stockCount == 0) {
        view.showStock(false);
        CheckEnd();
    }
}

void GolfGame::CheckEnd()
{
    if (foundationCount < GolfLayout::DeckSize) {
        if (stockCount > 0)
            return;
        const int top = Foundation(foundationCount);
        for (int c = 0; c < Columns(); ++c)
            if (columnLen[c] > 0 && Fits(top, tableau[c][columnLen[c] - 1]))
                return;
    }
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
    if (foundationCount <= 1)
        return;
    // First, as it may fail: the game then stays ended with its result still counted.
    takeResultBack();
    gameOver = false;
    view.hideResult();

    const int card = Foundation(foundationCount);
    if (stockCount < currentLayout.stockCards() && stock[stockCount] == card) {
        view.hideCard(card);
        --foundationCount;
        ++stockCount;
        view.setStockCount(stockCount);
        if (stockCount == 1)
            view.showStock(true);
        return;
    }
    for (int c = 0; c < Columns(); ++c) {
        if (columnLen[c] < Rows() && tableau[c][columnLen[c]] == card) {
            view.PlaceInColumn(c, columnLen[c], card);
            --foundationCount;
            ++columnLen[c];
            return;
        }
    }
}
