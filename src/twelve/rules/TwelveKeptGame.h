#pragma once

#include "TwelveRules.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

struct WholeFileRead;

// An unfinished Twelve game kept between launches: the game as it stood at the start of its
// current turn, with its own level, scoring and names. A text file of keyword lines with a
// version and a checksum of every line before it, so a damaged, cut or foreign file is told
// apart from a game.
namespace TwelveKeptGame {

inline constexpr char FileName[] = "Twelve.kept";
// Version 2 adds since when the human holds each of his cards; a version 1 file still reads,
// as if he had just been given them. Version 3 adds the seat each card was last seen going to
// and the seat that last put it, which the computers that think ahead know; an older file reads
// as if nobody had seen a card move.
inline constexpr int Version = 3;

// The bytes for a game at the start of a turn (its TurnSlot and auction state are not kept).
QByteArray encode(const TwelveGame &game, int version = Version);
// The game, or nothing when the bytes are not a whole, consistent kept game of this version.
std::optional<TwelveGame> decode(QByteArrayView bytes);
// The body followed by its checksum line, as encode ends a file.
QByteArray sealed(QByteArrayView body);

// Replaces the file whole; throws FileError and leaves the old file when that fails.
void write(const QString &path, const TwelveGame &game);

struct ReadResult
{
    bool found = false; // a file was there that is not a finished game's
    std::optional<TwelveGame> game; // and it held a game
};
ReadResult read(const QString &path);
// The same for a file already read.
ReadResult fromRead(const WholeFileRead &file);

// Forgets the kept game at path: removes the file or, where it cannot be removed, writes over it
// the record of a finished game, which reads as no file. False when a game is still there.
bool forget(const QString &path);

} // namespace TwelveKeptGame
