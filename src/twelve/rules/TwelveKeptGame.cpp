#include "TwelveKeptGame.h"

#include "FileError.h"
#include "FileLimits.h"
#include "TwelveLevels.h"
#include "TwelveNames.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace TwelveKeptGame {

namespace {

const QByteArray Magic = "Kovra Twelve kept game";
const QByteArray FinishedRecord = Magic + "\nfinished\n";
// Points only fall through bids, which never exceed them, and rise by at most a prize a round.
constexpr int HighestPoints = StartingPoints + RoundCount * PrizeTable[1];
// A round ends drawn at the start of this turn.
constexpr int HighestTurnNo = DrawnRoundTurns;
// Every seat puts one card a turn.
constexpr int HighestRankPutCount = SeatCount * HighestTurnNo;

QByteArray numbers(const auto &values, int from, int to)
{
    QByteArray line;
    for (int i = from; i <= to; ++i)
        line += ' ' + QByteArray::number(values[i]);
    return line;
}

QByteArray handLine(const Hand &hand)
{
    QByteArray cards(CardCount, '0');
    for (int card = 0; card < CardCount; ++card)
        if (hand[card])
            cards[card] = '1';
    return cards;
}

QByteArray checksumLine(QByteArrayView body)
{
    return "sum " + QByteArray::number(qChecksum(body)) + '\n';
}

} // namespace

QByteArray sealed(QByteArrayView body)
{
    return body.toByteArray() + checksumLine(body);
}

namespace {

// Reads the lines of a kept game in their fixed order; any deviation makes it fail for good.
class LineReader
{
public:
    explicit LineReader(const QList<QByteArray> &lines)
        : lines(lines)
    { }

    // The words after the keyword of the next line.
    QList<QByteArray> next(const QByteArray &keyword, int wordCount)
    {
        if (!ok || at >= lines.size()) {
            ok = false;
            return {};
        }
        QList<QByteArray> words = lines[at++].split(' ');
        if (words.size() != wordCount + 1 || words.takeFirst() != keyword)
            ok = false;
        return ok ? words : QList<QByteArray>(wordCount);
    }

    int integer(const QByteArray &word, int lowest, int highest)
    {
        bool converted = false;
        const int value = word.toInt(&converted);
        if (!converted || value < lowest || value > highest)
            ok = false;
        return value;
    }

    bool atEnd() const { return at == lines.size(); }

    bool ok = true;

private:
    const QList<QByteArray> &lines;
    int at = 0;
};

bool validDifficulty(double difficulty)
{
    return std::isfinite(difficulty) && difficulty >= EasiestDifficulty
        && difficulty <= HardestDifficulty;
}

// Every card in exactly one hand, thirteen to a seat, as at the start of every turn.
bool handsDealt(const TwelveGame &game)
{
    for (int card = 0; card < CardCount; ++card) {
        int holders = 0;
        for (int seat = 1; seat <= SeatCount; ++seat)
            holders += game.Holding[seat][card];
        if (holders != 1)
            return false;
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (heldCount(game.Holding[seat]) != HandSize)
            return false;
    return true;
}

bool scoresPlayed(const TwelveGame &game)
{
    for (int round = 1; round <= RoundCount; ++round)
        for (int seat = 1; seat <= SeatCount; ++seat)
            if ((round > game.RoundNo) != (game.Scores[round][seat] == NotPlayed))
                return false;
    return true;
}

PerSeat<int> pointsBefore(const TwelveGame &game, int round)
{
    if (round > 1)
        return game.Scores[round - 1];
    PerSeat<int> starting;
    starting.fill(StartingPoints);
    return starting;
}

// In a round played to its end each seat gained at most its prize (bids only take points), and
// the prizes went one to a place, or to nobody in a drawn round.
bool gainsWithinPrizes(const TwelveGame &game, int round)
{
    const PerSeat<int> before = pointsBefore(game, round);
    std::array<int, SeatCount> gains{};
    for (int seat = 1; seat <= SeatCount; ++seat)
        gains[seat - 1] = game.Scores[round][seat] - before[seat];
    std::ranges::sort(gains, std::greater());
    for (int place = 1; place <= SeatCount; ++place)
        if (gains[place - 1] > PrizeTable[place])
            return false;
    return true;
}

// The points as play leaves them at the start of a turn: the rounds before this one paid their
// prizes, this one has only taken bids, and before its first turn not even those.
bool pointsPossible(const TwelveGame &game)
{
    for (int round = 1; round < game.RoundNo; ++round)
        if (!gainsWithinPrizes(game, round))
            return false;
    const PerSeat<int> before = pointsBefore(game, game.RoundNo);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const int points = game.Scores[game.RoundNo][seat];
        if (points > before[seat] || (game.TurnNo == 0 && points != before[seat]))
            return false;
    }
    return true;
}

// Each card put counts once for its rank, and at most one card a seat is put each turn.
bool putCountsPossible(const TwelveGame &game)
{
    const int puts = std::accumulate(game.RankPutCount.begin(), game.RankPutCount.end(), 0);
    return puts <= SeatCount * game.TurnNo;
}

bool seatNamesPlayable(const TwelveGame &game)
{
    PerSeat<QString> names;
    for (int seat = 1; seat <= SeatCount; ++seat)
        names[seat] = QString::fromStdString(game.PlayerNames[seat]);
    return ::namesPlayable(names);
}

} // namespace

QByteArray encode(const TwelveGame &game, int version)
{
    QByteArray body = Magic + '\n';
    body += "version " + QByteArray::number(version) + '\n';
    body += "difficulty " + QByteArray::number(game.Difficulty, 'g', 17) + '\n';
    body += "scoring " + QByteArray::number(game.ScoringMode) + '\n';
    for (int seat = 1; seat <= SeatCount; ++seat)
        body += "name " + QByteArray::fromStdString(game.PlayerNames[seat]).toHex() + '\n';
    body += "round " + QByteArray::number(game.RoundNo) + '\n';
    body += "turn " + QByteArray::number(game.TurnNo) + '\n';
    for (int round = 1; round <= RoundCount; ++round)
        body += "scores" + numbers(game.Scores[round], 1, SeatCount) + '\n';
    for (int seat = 1; seat <= SeatCount; ++seat)
        body += "hand " + handLine(game.Holding[seat]) + '\n';
    body += "put" + numbers(game.RankPutCount, 0, RankCount - 1) + '\n';
    if (version >= 2) {
        body += "since";
        for (int card = 0; card < CardCount; ++card)
            if (game.Holding[HumanSeat][card])
                body += ' ' + QByteArray::number(game.HumanSince[card]);
        body += '\n';
    }
    if (version >= 3) {
        body += "seen" + numbers(game.SeenWith, 0, CardCount - 1) + '\n';
        body += "putby" + numbers(game.SeenFrom, 0, CardCount - 1) + '\n';
    }
    return sealed(body);
}

std::optional<TwelveGame> decode(QByteArrayView bytes)
{
    const QByteArray text = bytes.toByteArray();
    if (!text.endsWith('\n'))
        return std::nullopt;
    // The checksum covers every byte before its own line.
    const qsizetype sumAt = text.lastIndexOf("sum ", text.size() - 1);
    if (sumAt <= 0 || text[sumAt - 1] != '\n'
        || text.mid(sumAt) != checksumLine(QByteArrayView(text).first(sumAt)))
        return std::nullopt;
    QList<QByteArray> lines = text.first(sumAt).split('\n');
    lines.removeLast(); // after the last line break
    if (lines.isEmpty() || lines.takeFirst() != Magic)
        return std::nullopt;

    LineReader reader(lines);
    const int version = reader.integer(reader.next("version", 1).value(0), 1, Version);
    if (!reader.ok)
        return std::nullopt;
    TwelveGame game;
    bool converted = false;
    game.Difficulty = reader.next("difficulty", 1).value(0).toDouble(&converted);
    reader.ok = reader.ok && converted && validDifficulty(game.Difficulty);
    game.ScoringMode
        = reader.integer(reader.next("scoring", 1).value(0), SimpleScoring, AverageScoring);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const QByteArray hex = reader.next("name", 1).value(0);
        const QByteArray utf8 = QByteArray::fromHex(hex);
        const QString name = QString::fromUtf8(utf8);
        // Written back exactly.
        reader.ok = reader.ok && utf8.toHex() == hex && name.toUtf8() == utf8;
        game.PlayerNames[seat] = utf8.toStdString();
    }
    game.RoundNo = reader.integer(reader.next("round", 1).value(0), 1, RoundCount);
    game.TurnNo = reader.integer(reader.next("turn", 1).value(0), 0, HighestTurnNo);
    for (int round = 1; round <= RoundCount; ++round) {
        const QList<QByteArray> row = reader.next("scores", SeatCount);
        for (int seat = 1; seat <= SeatCount; ++seat)
            game.Scores[round][seat]
                = reader.integer(row.value(seat - 1), NotPlayed, HighestPoints);
    }
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const QByteArray cards = reader.next("hand", 1).value(0);
        reader.ok = reader.ok && cards.size() == CardCount
            && cards.count('0') + cards.count('1') == CardCount;
        for (int card = 0; card < CardCount && reader.ok; ++card)
            game.Holding[seat][card] = cards[card] == '1';
    }
    const QList<QByteArray> put = reader.next("put", RankCount);
    for (int rank = 0; rank < RankCount; ++rank)
        game.RankPutCount[rank] = reader.integer(put.value(rank), 0, HighestRankPutCount);
    const QList<QByteArray> since
        = version >= 2 ? reader.next("since", HandSize) : QList<QByteArray>();
    for (int card = 0, held = 0; card < CardCount && reader.ok; ++card)
        if (game.Holding[HumanSeat][card])
            game.HumanSince[card] = version >= 2
                ? reader.integer(since.value(held++), 0, game.TurnNo)
                : game.TurnNo;
    if (version >= 3) {
        const QList<QByteArray> seen = reader.next("seen", CardCount);
        const QList<QByteArray> putBy = reader.next("putby", CardCount);
        for (int card = 0; card < CardCount; ++card) {
            game.SeenWith[card] = reader.integer(seen.value(card), 0, SeatCount);
            game.SeenFrom[card] = reader.integer(putBy.value(card), 0, SeatCount);
            // When a turn starts, a card seen going to a seat is still there, and every card
            // put has gone to somebody.
            const int with = game.SeenWith[card];
            reader.ok = reader.ok && (with == 0 || game.Holding[with][card])
                && (game.SeenFrom[card] == 0 || with != 0);
        }
    }
    // Numbers only as they are written ("1", not "01" or "+1"): the file is what encode gives.
    if (!reader.ok || !reader.atEnd() || !handsDealt(game) || !scoresPlayed(game)
        || !pointsPossible(game) || !putCountsPossible(game) || !seatNamesPlayable(game)
        || encode(game, version) != text)
        return std::nullopt;
    return game;
}

void write(const QString &path, const TwelveGame &game)
{
    writeWholeFile(path, encode(game));
}

ReadResult read(const QString &path)
{
    return fromRead(readWholeFile(path, FileLimits::MaxKeptGameSize));
}

ReadResult fromRead(const WholeFileRead &file)
{
    if (file.outcome == WholeFileRead::Missing
        || (file.outcome == WholeFileRead::Read && file.bytes == FinishedRecord))
        return {};
    if (file.outcome != WholeFileRead::Read)
        return {true, std::nullopt};
    return {true, decode(file.bytes)};
}

bool forget(const QString &path)
{
    if (!QFileInfo::exists(path) || QFile::remove(path))
        return true;
    try {
        writeWholeFile(path, FinishedRecord);
        return true;
    } catch (const FileError &) {
        return false;
    }
}

} // namespace TwelveKeptGame
