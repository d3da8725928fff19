#pragma once

#include "GolfGame.h"
#include "ScriptedRandom.h"

#include <QString>
#include <array>
#include <vector>

// Ranks by their index in a card id.
enum Rank { Two, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };

constexpr int card(Rank rank, int suit = 0)
{
    return suit * 13 + rank;
}

// Where the table shows a card, as the game last told it.
struct CardPlace
{
    enum Kind { Hidden, InColumn, OnFoundation } kind = Hidden;
    int column = -1;
    int row = -1;
    int foundationPosition = -1;

    friend bool operator==(const CardPlace &, const CardPlace &) = default;
};

class RecordingView : public GolfView
{
public:
    void hideAllCards() override { places.fill({}); }
    void hideCard(int id) override { places[id] = {}; }
    void PlaceInColumn(int column, int row, int id) override
    {
        places[id] = {CardPlace::InColumn, column, row};
    }
    void PlaceOnFoundation(int id, int foundationCount) override
    {
        places[id] = {CardPlace::OnFoundation, -1, -1, foundationCount};
    }
    void showStock(bool shown) override { stockShown = shown; }
    void setStockCount(int count) override { stockCounter = count; }
    void ShowResult(int cardsLeft) override { result = cardsLeft; }
    void hideResult() override { result = -1; }
    void playSound(Sound sound) override { sounds.push_back(sound); }

    std::array<CardPlace, GolfLayout::DeckSize> places{};
    bool stockShown = false;
    int stockCounter = -1;
    int result = -1; // cards left as shown, -1 while the result line is hidden
    std::vector<Sound> sounds;
};

// The draws that deal exactly these columns (top card first) and turn the stock in the given
// order. Cards not named go into the stock after the named ones, lowest id turned first.
ScriptedRandom scriptedDeal(GolfLayout layout, const std::vector<std::vector<int>> &columns,
                            const std::vector<int> &turns);

// Foundation starts on the Five of Clubs; column 0 (the key 1) exposes the Four of Clubs over
// the Six of Diamonds, which does not fit on the Four.
ScriptedRandom fourOnFive();
