// "Statistics.ini" through the three games' counting: whatever the file holds, every count reads
// as a number that cannot go below zero, a finished game of each kind counts exactly once more,
// and the counts read back as written. A file over the size limit is set aside whole and a new
// record begins beside it (on disk: the replay gives it, the fuzzer's inputs stay below the
// limit).
//
// Input: the Golf layout, the cards left, the player's Twelve points, a Poker rank, then the
// file.

#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "GolfStatistics.h"
#include "PokerStatistics.h"
#include "StatisticsFile.h"
#include "TwelveStatistics.h"

#include <algorithm>

namespace {

const QString FileName = QStringLiteral("Statistics.ini");
const QString AsideName = QStringLiteral("Statistics.unreadable-1.ini");

bool nonNegative(const GolfTally &tally)
{
    return tally.played >= 0 && tally.won >= 0 && tally.solved >= 0 && tally.longestWinning >= 0
        && tally.longestLosing >= 0
        && std::all_of(tally.left.begin(), tally.left.end(), [](qint64 n) { return n >= 0; });
}

} // namespace

QByteArray overLimitInput()
{
    return QByteArray("\x06\x04\x0c\x30\x02", 5)
        + overLimitFile("[Golf]\r\nPlayed=4\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    GolfLayout layout;
    layout.columns = input.takeInRange(1, GolfLayout::MaxColumns);
    layout.rows = std::min(input.takeInRange(1, GolfLayout::MaxRows),
                           GolfLayout::DeckSize / layout.columns);
    const int cardsLeft = input.takeInRange(0, GolfLayout::DeckSize - 1);
    const int points = input.takeInRange(0, 255) - 100;
    const auto rank = HandRank(input.takeInRange(0, HandRankCount - 1));
    const QByteArray text = input.rest();
    writeDataFile(FileName, text);

    StatisticsFile file(UserFile(FileName));
    if (overIniLimit(text.size())) {
        FUZZ_EXPECT(!file.setAsideAs().isEmpty());
        FUZZ_EXPECT(readDataFile(AsideName) == text);
    }

    const GolfTally golfBefore = GolfStatistics::read(file, GolfStatistics::AllLayouts);
    FUZZ_EXPECT(nonNegative(golfBefore));
    GolfStatistics::dealt(file);
    const GolfTally golfDealt = GolfStatistics::read(file, GolfStatistics::AllLayouts);
    GolfStatistics::moveMade(file, layout);
    GolfStatistics::ended(file, layout, cardsLeft, false);
    const GolfTally golf
        = GolfStatistics::read(StatisticsFile(UserFile(FileName)), GolfStatistics::AllLayouts);
    FUZZ_EXPECT(golf.played == golfDealt.played + 1);
    FUZZ_EXPECT(golf.left[cardsLeft] == golfDealt.left[cardsLeft] + 1);
    FUZZ_EXPECT(nonNegative(golf));

    TwelveGame game;
    game.Scores[0] = {0, points, 0, 0, 0};
    const TwelveStatistics::Rules rules = TwelveStatistics::rulesOf(game);
    const TwelveTally twelveBefore = TwelveStatistics::read(file, rules);
    TwelveStatistics::ended(file, game);
    const TwelveTally twelve = TwelveStatistics::read(StatisticsFile(UserFile(FileName)), rules);
    FUZZ_EXPECT(twelve.played == twelveBefore.played + 1);
    FUZZ_EXPECT(twelve.scoreTotal == twelveBefore.scoreTotal + points);
    (void)TwelveStatistics::lastGame(file);

    const PokerTally pokerBefore = PokerStatistics::read(file);
    PokerStatistics::handPaid(file, rank, rank, 5);
    const PokerTally poker = PokerStatistics::read(StatisticsFile(UserFile(FileName)));
    FUZZ_EXPECT(poker.hands == pokerBefore.hands + 1);
    FUZZ_EXPECT(poker.made[rank] == pokerBefore.made[rank] + 1);
    FUZZ_EXPECT(poker.paidBack == pokerBefore.paidBack + PayTable[rank].payout);
    return 0;
}
