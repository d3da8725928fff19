#pragma once

#include "PokerHand.h"

#include <QString>
#include <optional>

class PokerGame;

// A saved Poker game (".kp1"): eleven little-endian signed 32-bit integers, the counts per hand
// rank and the money, 44 bytes with no header. The cards on the table are not kept: a loaded
// game goes on with a freshly dealt hand.
namespace PokerSave {

inline constexpr int FileSize = 44;
inline constexpr char Extension[] = ".kp1";
inline constexpr char FileFilter[] = "Kovra Poker 1 (*.kp1)";

// The chosen path with its extension, if any, replaced by ".kp1".
QString withExtension(const QString &path);

// The file's bytes for this game. The stake of a hand not yet paid is given back, since a
// loaded game deals anew and takes the stake again. Values beyond 32 bits are stored at the
// nearest value that fits.
QByteArray encode(const PokerGame &game);
// Values are taken as they are; bytes beyond the first 44 are ignored, fewer give nothing.
std::optional<PokerScore> decode(const QByteArray &bytes);

// Writes the game atomically and marks it saved; throws FileError and leaves the game's saved
// state alone when the file cannot be written.
void saveGame(const QString &path, PokerGame &game);
// Reads the whole record first: a missing, unreadable, short or far too large file throws
// FileError and leaves the game unchanged.
void loadGame(const QString &path, PokerGame &game);

}
