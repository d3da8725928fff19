// A ".kp1" file through load, play and save. A file too short or too large to load changes
// nothing; a loaded game holds the file's counts and its money less the new stake; every move
// keeps the game consistent and pays exactly the pay table; and a saved game loads back the
// same.
//
// Input: a seed for the deals, the moves up to a line break (one byte each), then the file.

#include "DataDir.h"
#include "FileError.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "PokerGame.h"
#include "PokerSave.h"
#include "Random.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

const QString FileName = QStringLiteral("Game.kp1");
const QString SavedName = QStringLiteral("Saved.kp1");
constexpr int MaxMoves = 200;
constexpr int DeckSize = 52;

struct Snapshot
{
    PokerPhase phase;
    PokerCards hand;
    PokerScore score;
    bool saved;

    explicit Snapshot(const PokerGame &game)
        : phase(game.phase())
        , hand(game.hand())
        , score(game.score())
        , saved(game.isSaved())
    { }

    bool operator==(const Snapshot &other) const
    {
        return phase == other.phase && hand == other.hand
            && score.HandCounts == other.score.HandCounts && score.Money == other.score.Money
            && saved == other.saved;
    }
};

bool dealtHand(const PokerGame &game)
{
    const PokerCards &hand = game.hand();
    std::array<bool, DeckSize> seen{};
    for (const int card : hand) {
        if (card < 0 || card >= DeckSize || seen[card])
            return false;
        seen[card] = true;
    }
    return true;
}

bool loads(const QString &fileName, PokerGame &game)
{
    try {
        PokerSave::loadGame(UserFile(fileName), game);
    } catch (const FileError &) {
        return false;
    }
    return true;
}

// The money a loaded game starts its first hand with.
std::int64_t moneyAfterLoad(const PokerScore &saved)
{
    return saved.HandsPlayed() >= PokerGame::HandsPerGame ? saved.Money
                                                          : saved.Money - PokerGame::Stake;
}

void expectLoaded(const PokerGame &game, const PokerScore &file)
{
    FUZZ_EXPECT(game.score().HandCounts == file.HandCounts);
    FUZZ_EXPECT(game.score().Money == moneyAfterLoad(file));
    FUZZ_EXPECT(game.isSaved());
    FUZZ_EXPECT(game.isOver() == (file.HandsPlayed() >= PokerGame::HandsPerGame));
    FUZZ_EXPECT(game.isOver() || (game.phase() == PokerPhase::WaitingForDraw && dealtHand(game)));
}

// One move of the player or the table, checked against the pay table.
void play(PokerGame &game, int move)
{
    constexpr int Kinds = 5;
    const PokerScore before = game.score();
    const PokerPhase phase = game.phase();
    switch (move % Kinds) {
    case 0:
    case 1:
        game.setMarked(move / Kinds % CardsInHand, move % Kinds == 0);
        break;
    case 2:
        game.invertMarks();
        break;
    case 3:
        game.proceed();
        break;
    default:
        game.slideFinished();
        break;
    }
    const PokerScore &after = game.score();
    if (game.phase() == PokerPhase::ResultShown && phase != PokerPhase::ResultShown) {
        const HandRank rank = game.lastRank();
        FUZZ_EXPECT(rank == classifyHand(game.hand()));
        FUZZ_EXPECT(after.HandCounts[rank] == before.HandCounts[rank] + 1);
        FUZZ_EXPECT(after.Money == before.Money + PayTable[rank].payout);
        FUZZ_EXPECT(!game.isSaved());
    } else if (phase == PokerPhase::ClearingAway && game.phase() == PokerPhase::WaitingForDraw) {
        FUZZ_EXPECT(after.Money == before.Money - PokerGame::Stake);
    } else {
        FUZZ_EXPECT(after.Money == before.Money && after.HandCounts == before.HandCounts);
    }
    if (!game.isOver())
        FUZZ_EXPECT(dealtHand(game));
    for (int position = 0; position < CardsInHand; ++position)
        FUZZ_EXPECT(!game.isMarked(position) || game.phase() == PokerPhase::WaitingForDraw);
}

std::int64_t asStored(std::int64_t value)
{
    using Limits = std::numeric_limits<qint32>;
    return std::clamp<std::int64_t>(value, Limits::min(), Limits::max());
}

}

QByteArray overLimitInput()
{
    const QByteArray seedAndNoMoves("\x01\0\0\0\n", 5);
    const QByteArray freshGame = QByteArray(40, '\0') + QByteArray("\xf4\x01\0\0", 4);
    return seedAndNoMoves + overLimitFile(freshGame, FileLimits::MaxPokerSaveSize, '\0');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    SeededRandom random(std::uint32_t(input.takeInt32()));
    const QByteArray moves = input.takeLine(MaxMoves);
    const QByteArray bytes = input.rest();
    writeDataFile(FileName, bytes);

    PokerGame game(random);
    game.newGame();
    game.proceed(); // a hand is evaluated: the game is unsaved
    const Snapshot before(game);
    const bool loaded = loads(FileName, game);
    const std::optional<PokerScore> file
        = bytes.size() <= FileLimits::MaxPokerSaveSize ? PokerSave::decode(bytes) : std::nullopt;
    FUZZ_EXPECT(loaded == file.has_value());
    if (!loaded) {
        FUZZ_EXPECT(Snapshot(game) == before);
        return 0;
    }
    expectLoaded(game, *file);

    for (const char move : moves)
        play(game, static_cast<unsigned char>(move));
    if (!game.canSave())
        return 0;

    PokerSave::saveGame(UserFile(SavedName), game);
    FUZZ_EXPECT(game.isSaved());
    const QByteArray written = readDataFile(SavedName);
    FUZZ_EXPECT(written.size() == PokerSave::FileSize);
    const std::optional<PokerScore> saved = PokerSave::decode(written);
    for (int rank = 0; rank < HandRankCount; ++rank)
        FUZZ_EXPECT(saved->HandCounts[rank] == asStored(game.score().HandCounts[rank]));
    const int stake = game.stakeOutstanding() ? PokerGame::Stake : 0;
    FUZZ_EXPECT(saved->Money == asStored(game.score().Money + stake));

    PokerGame reloaded(random);
    reloaded.newGame();
    FUZZ_EXPECT(loads(SavedName, reloaded));
    expectLoaded(reloaded, *saved);
    return 0;
}
