// A kept Twelve game ("Twelve.kept") through the reader and the turn engine. A file either
// gives nothing or a game that writes back to the very same bytes, and the engine goes on with
// it and plays its turns by the rules.
//
// Input: the file.

#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "Random.h"
#include "TwelveKeptGame.h"
#include "TwelvePlayers.h"
#include "TwelveTurn.h"

namespace {

constexpr int StepsPlayed = 400;

// Plays seat 1 by the computers' measure until the round is over or the steps run out.
void playOn(TwelveTurn &turn, TwelveGame &game)
{
    for (int step = 0; step < StepsPlayed && turn.GameState() != TurnState::RoundOver; ++step) {
        switch (turn.GameState()) {
        case TurnState::Travelling:
            if (game.TurnSlot[HumanSeat].MoveState == MoveNotPut)
                FUZZ_EXPECT(turn.PutCard(leastValuedCard(game.Holding[HumanSeat])));
            for (int slot = 1; slot <= SlotCount; ++slot)
                turn.CardArrived(slot);
            break;
        case TurnState::Choosing:
            for (int slot = 1; slot <= SlotCount; ++slot)
                if (turn.ChooseCard(slot))
                    break;
            break;
        case TurnState::Bidding:
            if (turn.BidStep() == BidOutcome::WaitingForHuman)
                turn.NoMore();
            break;
        case TurnState::AtAllCostsPause:
            turn.CloseAuction();
            break;
        default:
            turn.AnimationFinished();
            break;
        }
        for (int seat = 1; seat <= SeatCount; ++seat)
            FUZZ_EXPECT(game.Scores[game.RoundNo][seat] >= 0);
    }
}

} // namespace

QByteArray overLimitInput()
{
    return overLimitFile(QByteArray(), FileLimits::MaxKeptGameSize, '\n');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    writeDataFile(QString::fromLatin1(TwelveKeptGame::FileName), bytes);
    const TwelveKeptGame::ReadResult kept
        = TwelveKeptGame::read(UserFile(QString::fromLatin1(TwelveKeptGame::FileName)));
    FUZZ_EXPECT(kept.found);
    if (!kept.game)
        return 0;
    // A game reads only from the bytes its own version writes, and keeps whatever it read.
    const bool older = !bytes.contains("\nversion " + QByteArray::number(TwelveKeptGame::Version));
    const int version = older ? TwelveKeptGame::Version - 1 : TwelveKeptGame::Version;
    FUZZ_EXPECT(TwelveKeptGame::encode(*kept.game, version) == bytes);
    const QByteArray current = TwelveKeptGame::encode(*kept.game);
    const std::optional<TwelveGame> again = TwelveKeptGame::decode(current);
    FUZZ_EXPECT(again && TwelveKeptGame::encode(*again) == current);

    TwelveGame game;
    SeededRandom random(1);
    TwelveTurn turn(game, random);
    FUZZ_EXPECT(turn.ResumeGame(*kept.game));
    FUZZ_EXPECT(game.RoundNo == kept.game->RoundNo
                && turn.TurnStart().Holding == kept.game->Holding);
    playOn(turn, game);
    return 0;
}
