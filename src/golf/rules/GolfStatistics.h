#pragma once

#include "GolfLayout.h"

#include <QString>
#include <array>
#include <optional>

class StatisticsFile;

// What the statistics keep of Golf, for one layout or all of them together.
struct GolfTally
{
    qint64 played = 0;
    qint64 won = 0;
    // Won after the player asked for a hint; counted in won too.
    qint64 wonWithHints = 0;
    // Finished by Solve: played, not won.
    qint64 solved = 0;
    // Games in a row: positive while the player wins, negative while he does not.
    qint64 streak = 0;
    qint64 longestWinning = 0;
    qint64 longestLosing = 0;
    // The fewest cards the player left himself; none before his first finished game.
    std::optional<int> fewestLeft;
    // Finished games by the cards they left, 0 to 52.
    std::array<qint64, GolfLayout::DeckSize + 1> left{};

    friend bool operator==(const GolfTally &, const GolfTally &) = default;
};

// How a finished game ended, as the statistics count it.
enum class GolfEnding { ByThePlayer, AfterHints, BySolve };

// The Golf part of the statistics file. A game counts as played from the player's first move;
// one left before its end counts as lost when the next game is dealt. Every change is written
// at once.
namespace GolfStatistics {

inline constexpr char AllLayouts[] = "Golf";
QString section(GolfLayout layout);

GolfTally read(const StatisticsFile &file, const QString &section);
void write(StatisticsFile &file, const QString &section, const GolfTally &tally);

// A finished game, or one left unfinished (no cards left to count).
void add(GolfTally &tally, std::optional<int> cardsLeft, GolfEnding ending);

// The game under way, as the file remembers it until it is finished or counted as lost.
struct Unfinished
{
    GolfLayout layout;
    bool hints = false;
};
std::optional<Unfinished> unfinished(const StatisticsFile &file);

// The player made a move: the game under way is played from now on, with the hints he asked
// for before it.
void moveMade(StatisticsFile &file, GolfLayout layout, bool hints = false);
// The player asked for a hint in the game under way; false when no game is under way yet.
bool hintTaken(StatisticsFile &file, GolfLayout layout);
// A new deal: a game left unfinished counts as lost.
void dealt(StatisticsFile &file);
// The game under way ended.
void ended(StatisticsFile &file, GolfLayout layout, int cardsLeft, bool bySolve);
// A Backup took back the end just counted: the counts go back to what they were before it,
// which the caller kept from before ended(), and the game is under way again.
void endTakenBack(StatisticsFile &file, GolfLayout layout, const GolfTally &layoutBefore,
                  const GolfTally &allBefore, const Unfinished &game);
void reset(StatisticsFile &file);

}
