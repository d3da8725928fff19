#include "TwelveStatistics.h"

#include "StatisticsFile.h"
#include "TwelveLevels.h"

#include <QStringList>
#include <algorithm>

namespace TwelveStatistics {

namespace {

const QString UnderWay = QStringLiteral("Twelve under way");
const QString LastGameSection = QStringLiteral("Twelve last game");
// The rounds of the game under way already counted, so a round end shown again (a kept game
// that continues at its round end) is not counted twice.
const QString RoundsCounted = QStringLiteral("RoundsCounted");

std::optional<Rules> underWay(const StatisticsFile &file)
{
    const Rules rules{int(file.count(UnderWay, QStringLiteral("Level"), 0)),
                      int(file.count(UnderWay, QStringLiteral("Scoring"), 0))};
    if (rules.level < 1 || rules.level > int(LevelTable.size())
        || (rules.scoring != SimpleScoring && rules.scoring != AverageScoring))
        return std::nullopt;
    return rules;
}

QString seatKey(int seat)
{
    return QStringLiteral("Seat%1").arg(seat);
}

QString roundKey(int round)
{
    return QStringLiteral("Round%1").arg(round);
}

}

Rules rulesOf(const TwelveGame &game)
{
    return {difficultyLevel(game.Difficulty), game.ScoringMode};
}

QString section(Rules rules)
{
    return QStringLiteral("Twelve %1 %2")
        .arg(rules.level)
        .arg(rules.scoring == AverageScoring ? QStringLiteral("Average")
                                             : QStringLiteral("Simple"));
}

TwelveTally read(const StatisticsFile &file, Rules rules)
{
    const QString name = section(rules);
    const auto count
        = [&](const QString &key) { return std::max<qint64>(0, file.count(name, key)); };
    TwelveTally tally;
    tally.played = count(QStringLiteral("Played"));
    for (int place = 1; place <= SeatCount; ++place)
        tally.places[place - 1] = count(QStringLiteral("Place%1").arg(place));
    tally.roundsWon = count(QStringLiteral("RoundsWon"));
    tally.finished = count(QStringLiteral("Finished"));
    tally.scoreTotal = file.count(name, QStringLiteral("ScoreTotal"));
    return tally;
}

void write(StatisticsFile &file, Rules rules, const TwelveTally &tally)
{
    const QString name = section(rules);
    file.setCount(name, QStringLiteral("Played"), tally.played);
    for (int place = 1; place <= SeatCount; ++place)
        file.setCount(name, QStringLiteral("Place%1").arg(place), tally.places[place - 1]);
    file.setCount(name, QStringLiteral("RoundsWon"), tally.roundsWon);
    file.setCount(name, QStringLiteral("Finished"), tally.finished);
    file.setCount(name, QStringLiteral("ScoreTotal"), tally.scoreTotal);
}

int placeOf(const PerSeat<int> &points)
{
    int place = 1;
    for (int seat = 1; seat <= SeatCount; ++seat)
        place += points[seat] > points[HumanSeat];
    return place;
}

void moveMade(StatisticsFile &file, Rules rules)
{
    if (underWay(file))
        return;
    file.setCount(UnderWay, QStringLiteral("Level"), rules.level);
    file.setCount(UnderWay, QStringLiteral("Scoring"), rules.scoring);
    file.setCount(UnderWay, RoundsCounted, 0);
    file.save();
}

void roundEnded(StatisticsFile &file, const TwelveGame &game)
{
    file.erase(LastGameSection);
    for (int seat = 1; seat <= SeatCount; ++seat)
        file.setText(LastGameSection, seatKey(seat),
                     QString::fromStdString(game.PlayerNames[seat]));
    for (int round = 0; round <= game.RoundNo; ++round) {
        QStringList points;
        for (int seat = 1; seat <= SeatCount; ++seat)
            points << QString::number(game.Scores[round][seat]);
        file.setText(LastGameSection, roundKey(round), points.join(QLatin1Char(' ')));
    }
    const Rules rules = rulesOf(game);
    if (file.count(UnderWay, RoundsCounted) < game.RoundNo) {
        file.setCount(UnderWay, RoundsCounted, game.RoundNo);
        TwelveTally tally = read(file, rules);
        tally.roundsWon += game.HandRun[HumanSeat].Place == 1;
        write(file, rules, tally);
    }
    file.save();
}

void started(StatisticsFile &file, bool keptGameContinues)
{
    const std::optional<Rules> left = underWay(file);
    if (!left || keptGameContinues)
        return;
    TwelveTally tally = read(file, *left);
    ++tally.played;
    ++tally.places[SeatCount - 1];
    write(file, *left, tally);
    file.erase(UnderWay);
    file.save();
}

void ended(StatisticsFile &file, const TwelveGame &game)
{
    const Rules rules = rulesOf(game);
    const PerSeat<int> &points = game.Scores[game.RoundNo];
    TwelveTally tally = read(file, rules);
    ++tally.played;
    ++tally.places[placeOf(points) - 1];
    ++tally.finished;
    tally.scoreTotal += points[HumanSeat];
    write(file, rules, tally);
    file.erase(UnderWay);
    file.save();
}

void reset(StatisticsFile &file)
{
    for (const Rules rules : allRules())
        file.erase(section(rules));
    file.erase(UnderWay);
    file.erase(LastGameSection);
    file.save();
}

LastGame lastGame(const StatisticsFile &file)
{
    LastGame game;
    for (int seat = 1; seat <= SeatCount; ++seat)
        game.names[seat - 1] = file.text(LastGameSection, seatKey(seat));
    for (int round = 0; round <= RoundCount; ++round) {
        const QStringList fields = file.text(LastGameSection, roundKey(round))
                                       .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() != SeatCount)
            break;
        std::array<int, SeatCount> points{};
        bool allRead = true;
        for (int seat = 0; seat < SeatCount; ++seat) {
            bool read = false;
            points[seat] = fields[seat].toInt(&read);
            allRead = allRead && read;
        }
        if (!allRead)
            break;
        game.points.push_back(points);
    }
    return game;
}

std::vector<Rules> allRules()
{
    std::vector<Rules> all;
    for (int level = 1; level <= int(LevelTable.size()); ++level)
        for (const int scoring : {int(SimpleScoring), int(AverageScoring)})
            all.push_back({level, scoring});
    return all;
}

}
