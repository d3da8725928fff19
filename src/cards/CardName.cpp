#include "CardName.h"

#include "CardId.h"

#include <array>

QString cardName(int id)
{
    static constexpr std::array<const char *, CardId::RankCount> ranks{
        "Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
        "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
    static constexpr std::array<const char *, 4> suits{"clubs", "diamonds", "spades", "hearts"};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ranks[CardId::rankOf(id)]), QLatin1String(suits[CardId::suitOf(id)]));
}
