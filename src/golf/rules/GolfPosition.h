#pragma once

#include "GolfLayout.h"

#include <array>

// One move of the player: play the exposed card of a column, or turn the stock.
struct GolfMove
{
    enum Kind { Play, Turn } kind = Turn;
    int column = -1;

    static GolfMove play(int column) { return {Play, column}; }
    static GolfMove turn() { return {Turn, -1}; }

    friend bool operator==(const GolfMove &, const GolfMove &) = default;
};

// A position of the Golf patience and its rules: the legal moves, their effect, the take-back
// and the end of the game. The game plays on one, and the solver and the hints work on copies.
// Cards that leave a column or the stock stay in the tables: only the lengths shrink, so the
// entry just past a length is the card that left last.
struct GolfPosition
{
    GolfLayout layout;
    std::array<std::array<int, GolfLayout::MaxRows>, GolfLayout::MaxColumns> tableau{};
    std::array<int, GolfLayout::MaxColumns> columnLen{};
    // Stock[stockCount - 1] is turned next.
    std::array<int, GolfLayout::DeckSize - 1> stock{};
    int stockCount = 0;
    std::array<int, GolfLayout::DeckSize> foundation{};
    int foundationCount = 0;

    // The rank rule: one rank apart, Ace and Two neighbours, nothing on a King, no King on an
    // Ace.
    static bool fits(int top, int id);

    // A deal as a new game makes it: the dealt cards column by column (row 0 first), then the
    // stock from Stock[0] on, and the first stock card already turned. The layout must leave at
    // least one card for the stock; ids must be the 52 cards once each.
    static GolfPosition dealt(GolfLayout layout,
                              const std::array<int, GolfLayout::DeckSize> &ids);

    int top() const { return foundation[foundationCount - 1]; }
    // The card a column exposes, or -1 for an empty column.
    int exposed(int column) const;
    // The column whose exposed card this is, or -1.
    int columnExposing(int id) const;
    bool canPlay(int column) const;
    bool canTurn() const { return stockCount > 0; }
    bool allowed(GolfMove move) const;
    // The move must be allowed.
    void apply(GolfMove move);
    // Backup's step: the card on top of the foundation goes back where it came from. False
    // when only the first card is left.
    bool takeBack();
    // The game's end: the stock is empty and no exposed card fits, or every card is played.
    bool over() const;
    int cardsLeft() const { return GolfLayout::DeckSize - foundationCount; }

    friend bool operator==(const GolfPosition &, const GolfPosition &) = default;
};
