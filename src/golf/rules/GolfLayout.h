#pragma once

// How many columns the deal has and how many cards go into each.
struct GolfLayout
{
    static constexpr int MaxColumns = 10;
    static constexpr int MaxRows = 9;
    static constexpr int DeckSize = 52;

    int columns = 7;
    int rows = 5;

    int dealtCards() const { return columns * rows; }
    int stockCards() const { return DeckSize - dealtCards(); }

    friend bool operator==(const GolfLayout &, const GolfLayout &) = default;
};
