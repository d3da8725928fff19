#pragma once

#include "GolfLayout.h"
#include "GolfPosition.h"

#include <array>

class Random;

// What the table shows; the game tells it every change it makes.
class GolfView
{
public:
    enum class Sound { CardPlayed, StockTurned };

    virtual ~GolfView() = default;
    virtual void hideAllCards() = 0;
    virtual void hideCard(int id) = 0;
    // The card dealt to column c, row r goes (back) to its place and comes to the front.
    virtual void PlaceInColumn(int column, int row, int id) = 0;
    // The card arrived as the foundationCount-th card of the foundation.
    virtual void PlaceOnFoundation(int id, int foundationCount) = 0;
    // The stock picture with its counter; hidden once the stock is empty.
    virtual void showStock(bool shown) = 0;
    virtual void setStockCount(int count) = 0;
    // The game has ended with this many cards not on the foundation.
    virtual void ShowResult(int cardsLeft) = 0;
    virtual void hideResult() = 0;
    // Played to its end before the game goes on; whether sound is on is the table's business.
    virtual void playSound(Sound sound) = 0;
};

// Where finished games are counted. A result is added with delta +1 and taken back with -1.
class GolfResultRecorder
{
public:
    virtual ~GolfResultRecorder() = default;
    // May throw FileError; the game then counts the result as not recorded.
    virtual void RecordResult(GolfLayout layout, int cardsLeft, int delta) = 0;
};

// The Golf patience as it is played: deals, moves and take-backs on a GolfPosition, each change
// shown on the table and every finished game counted. Card ids are 0..51, rank = id mod 13
// (0 = Two ... 11 = King, 12 = Ace).
class GolfGame
{
public:
    GolfGame(Random &random, GolfView &view, GolfResultRecorder &results);

    // Takes effect with the next NewGame. At most 10 columns, 9 rows and 50 dealt cards, as the
    // settings file and dialog ensure.
    void setLayout(GolfLayout layout);

    void NewGame();
    void PlayCard(int id);
    void TurnStock();
    void Backup();
    void CheckEnd();

    const GolfPosition &position() const { return state; }
    GolfLayout layout() const { return currentLayout; }
    int Columns() const { return currentLayout.columns; }
    int Rows() const { return currentLayout.rows; }
    int Tableau(int column, int row) const { return state.tableau[column][row]; }
    int ColumnLen(int column) const { return state.columnLen[column]; }
    int Stock(int index) const { return state.stock[index]; }
    int StockCount() const { return state.stockCount; }
    // 1-based: Foundation(FoundationCount()) is the top card.
    int Foundation(int position) const { return state.foundation[position - 1]; }
    int FoundationCount() const { return state.foundationCount; }
    int cardsLeft() const { return state.cardsLeft(); }
    bool GameOver() const { return gameOver; }
    bool ResultRecorded() const { return resultRecorded; }

private:
    int drawUndealt(std::array<bool, GolfLayout::DeckSize> &dealt);
    // Shows the card just put on the foundation, with its sound.
    void showPlayed(GolfView::Sound sound);
    void showStockTurned();
    void takeResultBack();

    Random &random;
    GolfView &view;
    GolfResultRecorder &results;
    GolfLayout currentLayout;
    GolfPosition state;
    bool gameOver = false;
    bool resultRecorded = false;
};
