#pragma once

// A card id 0..51 names one card of the deck: suit = id div 13, rank = id mod 13.
namespace CardId {

inline constexpr int CardCount = 52;
inline constexpr int RankCount = 13;

enum Suit { Clubs = 0, Diamonds = 1, Spades = 2, Hearts = 3 };
// Two = 0 ... Ten = 8, then the court cards; the Ace is the highest rank.
enum Rank { Two = 0, Ten = 8, Jack = 9, Queen = 10, King = 11, Ace = 12 };

constexpr Suit suitOf(int id)
{
    return Suit(id / RankCount);
}

constexpr int rankOf(int id)
{
    return id % RankCount;
}

constexpr bool isRed(Suit suit)
{
    return suit == Diamonds || suit == Hearts;
}

constexpr int idOf(Suit suit, int rank)
{
    return suit * RankCount + rank;
}

}
