#include "PokerSave.h"

#include "FileError.h"
#include "FileLimits.h"
#include "PokerGame.h"
#include "WholeFile.h"

#include <QtEndian>
#include <algorithm>
#include <limits>

namespace PokerSave {

namespace {

constexpr int FieldSize = 4;

void putField(QByteArray &bytes, std::int64_t value)
{
    using Limits = std::numeric_limits<qint32>;
    const auto stored = qint32(std::clamp<std::int64_t>(value, Limits::min(), Limits::max()));
    char field[FieldSize];
    qToLittleEndian(stored, field);
    bytes.append(field, FieldSize);
}

std::int64_t field(const QByteArray &bytes, int index)
{
    return qFromLittleEndian<qint32>(bytes.constData() + index * FieldSize);
}

QString fileMessage(const QString &problem, const QString &path)
{
    return problem + QStringLiteral(":\n") + path;
}

}

QString withExtension(const QString &path)
{
    const qsizetype folderEnd = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > folderEnd ? path.left(dot) : path) + QLatin1String(Extension);
}

QByteArray encode(const PokerGame &game)
{
    const PokerScore &score = game.score();
    QByteArray bytes;
    bytes.reserve(FileSize);
    for (const std::int64_t count : score.HandCounts)
        putField(bytes, count);
    putField(bytes, score.Money + (game.stakeOutstanding() ? PokerGame::Stake : 0));
    return bytes;
}

std::optional<PokerScore> decode(const QByteArray &bytes)
{
    if (bytes.size() < FileSize)
        return std::nullopt;
    PokerScore score;
    for (int rank = 0; rank < HandRankCount; ++rank)
        score.HandCounts[rank] = field(bytes, rank);
    score.Money = field(bytes, HandRankCount);
    return score;
}

void saveGame(const QString &path, PokerGame &game)
{
    writeWholeFile(path, encode(game));
    game.markSaved();
}

void loadGame(const QString &path, PokerGame &game)
{
    const WholeFileRead file = readWholeFile(path, FileLimits::MaxPokerSaveSize);
    switch (file.outcome) {
    case WholeFileRead::Missing:
        throw FileError(fileMessage(QStringLiteral("File not found"), path));
    case WholeFileRead::Unreadable:
        throw FileError(fileMessage(QStringLiteral("Cannot read file"), path));
    case WholeFileRead::TooLarge:
        throw FileError(fileMessage(QStringLiteral("File too large"), path));
    case WholeFileRead::Read:
        break;
    }
    const std::optional<PokerScore> score = decode(file.bytes);
    if (!score)
        throw FileError(fileMessage(QStringLiteral("Read beyond end of file"), path));
    game.restore(*score);
}

}
