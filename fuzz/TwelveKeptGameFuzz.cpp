// A kept Twelve game ("Twelve.kept") through the reader and the turn engine, in memory. A file
// either gives nothing or a game that writes back to the very same bytes, and the engine goes
// on with it, plays its turns by the rules and keeps games the reader takes again.
//
// Input: the file. Built for libFuzzer, the target mends the checksum of most mutations (see
// LLVMFuzzerCustomMutator), so that they reach the reader's checks and the engine.

#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "Random.h"
#include "TwelveForesight.h"
#include "TwelveKeptGame.h"
#include "TwelvePlayers.h"
#include "TwelveTurn.h"
#include "WholeFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int StepsPlayed = 400;
constexpr TwelveForesight::Effort BriefThought{2, 2, 5};

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
        case TurnState::Thinking:
            // Level 8 thinks for real, but briefly: the fuzzer is after the rules.
            FUZZ_EXPECT(turn.Answer(*TwelveForesight::answer(turn.Question(), {}, BriefThought)));
            break;
        default:
            turn.AnimationFinished();
            break;
        }
        for (int seat = 1; seat <= SeatCount; ++seat)
            FUZZ_EXPECT(game.Scores[game.RoundNo][seat] >= 0);
    }
}

constexpr char SumLine[] = "\nsum ";

// The text before its last sum line, with the checksum that belongs to it; text without a sum
// line gets one at its end.
QByteArray withChecksumMadeRight(const QByteArray &text)
{
    const qsizetype sumAt = text.lastIndexOf(SumLine);
    QByteArray body = sumAt < 0 ? text : text.first(sumAt + 1);
    if (!body.endsWith('\n'))
        body += '\n';
    return TwelveKeptGame::sealed(body);
}

bool checksumRight(const QByteArray &text)
{
    return text.endsWith('\n') && withChecksumMadeRight(text) == text;
}

} // namespace

QByteArray overLimitInput()
{
    return overLimitFile(QByteArray(), FileLimits::MaxKeptGameSize, '\n');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.size() > FileLimits::MaxKeptGameSize) {
        // On disk, as the window meets it: refused unread.
        writeDataFile(QString::fromLatin1(TwelveKeptGame::FileName), bytes);
        const TwelveKeptGame::ReadResult kept
            = TwelveKeptGame::read(UserFile(QString::fromLatin1(TwelveKeptGame::FileName)));
        FUZZ_EXPECT(kept.found && !kept.game);
        return 0;
    }
    countCheckPassed(checksumRight(bytes));
    const TwelveKeptGame::ReadResult kept = TwelveKeptGame::fromRead({WholeFileRead::Read, bytes});
    // Only the record a finished game leaves reads as no game kept.
    FUZZ_EXPECT(kept.found || bytes == "Kovra Twelve kept game\nfinished\n");
    if (!kept.game)
        return 0;
    // A game reads only from the bytes its own version writes, and keeps whatever it read.
    const int version = bytes.split('\n').value(1).mid(int(std::strlen("version "))).toInt();
    FUZZ_EXPECT(TwelveKeptGame::encode(*kept.game, version) == bytes);
    const QByteArray current = TwelveKeptGame::encode(*kept.game);
    const std::optional<TwelveGame> again = TwelveKeptGame::decode(current);
    FUZZ_EXPECT(again && TwelveKeptGame::encode(*again) == current);

    TwelveGame game;
    SeededRandom random(1);
    TwelveTurn turn(game, random);
    // Every game kept on from this one reads back too: the reader takes what play leaves.
    turn.onTurnStarted = [&turn] {
        FUZZ_EXPECT(TwelveKeptGame::decode(TwelveKeptGame::encode(turn.TurnStart())));
    };
    FUZZ_EXPECT(turn.ResumeGame(*kept.game));
    FUZZ_EXPECT(game.RoundNo == kept.game->RoundNo
                && turn.TurnStart().Holding == kept.game->Holding);
    playOn(turn, game);
    return 0;
}

#ifdef KOVRA_LIBFUZZER
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t maxSize);

// Seven mutations in eight get their checksum made right again, so that they reach the checks
// behind it and the engine; the eighth keeps the checksum check itself fuzzed.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed)
{
    size = LLVMFuzzerMutate(data, size, maxSize);
    if (seed % 8 == 0)
        return size;
    const QByteArray mutated(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray resealed = withChecksumMadeRight(mutated);
    if (std::size_t(resealed.size()) > maxSize)
        return size;
    std::copy(resealed.begin(), resealed.end(), data);
    return std::size_t(resealed.size());
}
#endif
