#include "GolfStatistics.h"

#include "StatisticsFile.h"

#include <QStringList>
#include <algorithm>

namespace GolfStatistics {

namespace {

const QString UnderWay = QStringLiteral("Golf under way");
const QString LayoutKey = QStringLiteral("Layout");
const QString HintsKey = QStringLiteral("Hints");

QString leftKey(int cards)
{
    return QStringLiteral("Left%1").arg(cards);
}

void markUnderWay(StatisticsFile &file, GolfLayout layout, bool hints)
{
    file.setText(UnderWay, LayoutKey, QStringLiteral("%1x%2").arg(layout.columns).arg(layout.rows));
    file.setCount(UnderWay, HintsKey, hints);
    file.save();
}

void addTo(StatisticsFile &file, GolfLayout layout, std::optional<int> cardsLeft, GolfEnding ending)
{
    for (const QString &name : {section(layout), QString::fromLatin1(AllLayouts)}) {
        GolfTally tally = read(file, name);
        add(tally, cardsLeft, ending);
        write(file, name, tally);
    }
}

}

QString section(GolfLayout layout)
{
    return QStringLiteral("Golf %1x%2").arg(layout.columns).arg(layout.rows);
}

GolfTally read(const StatisticsFile &file, const QString &section)
{
    GolfTally tally;
    const auto count = [&](const char *key) {
        return std::max<qint64>(0, file.count(section, QString::fromLatin1(key)));
    };
    tally.played = count("Played");
    tally.won = count("Won");
    tally.wonWithHints = count("WonWithHints");
    tally.solved = count("Solved");
    tally.streak = file.count(section, QStringLiteral("Streak"));
    tally.longestWinning = count("LongestWinning");
    tally.longestLosing = count("LongestLosing");
    const qint64 fewest = file.count(section, QStringLiteral("FewestLeft"), -1);
    if (fewest >= 0 && fewest <= GolfLayout::DeckSize)
        tally.fewestLeft = int(fewest);
    for (int cards = 0; cards <= GolfLayout::DeckSize; ++cards)
        tally.left[cards] = std::max<qint64>(0, file.count(section, leftKey(cards)));
    return tally;
}

void write(StatisticsFile &file, const QString &section, const GolfTally &tally)
{
    file.setCount(section, QStringLiteral("Played"), tally.played);
    file.setCount(section, QStringLiteral("Won"), tally.won);
    file.setCount(section, QStringLiteral("WonWithHints"), tally.wonWithHints);
    file.setCount(section, QStringLiteral("Solved"), tally.solved);
    file.setCount(section, QStringLiteral("Streak"), tally.streak);
    file.setCount(section, QStringLiteral("LongestWinning"), tally.longestWinning);
    file.setCount(section, QStringLiteral("LongestLosing"), tally.longestLosing);
    file.setCount(section, QStringLiteral("FewestLeft"), tally.fewestLeft.value_or(-1));
    for (int cards = 0; cards <= GolfLayout::DeckSize; ++cards)
        if (tally.left[cards] > 0 || file.count(section, leftKey(cards)) != 0)
            file.setCount(section, leftKey(cards), tally.left[cards]);
}

void add(GolfTally &tally, std::optional<int> cardsLeft, GolfEnding ending)
{
    ++tally.played;
    const bool won = cardsLeft == 0 && ending != GolfEnding::BySolve;
    if (won) {
        ++tally.won;
        tally.wonWithHints += ending == GolfEnding::AfterHints;
        tally.streak = std::max<qint64>(0, tally.streak) + 1;
    } else {
        tally.streak = std::min<qint64>(0, tally.streak) - 1;
    }
    tally.longestWinning = std::max(tally.longestWinning, tally.streak);
    tally.longestLosing = std::max(tally.longestLosing, -tally.streak);
    if (ending == GolfEnding::BySolve)
        ++tally.solved;
    if (!cardsLeft)
        return;
    const int cards = std::clamp(*cardsLeft, 0, GolfLayout::DeckSize);
    ++tally.left[cards];
    if (ending != GolfEnding::BySolve)
        tally.fewestLeft = std::min(tally.fewestLeft.value_or(cards), cards);
}

std::optional<Unfinished> unfinished(const StatisticsFile &file)
{
    const QStringList sides = file.text(UnderWay, LayoutKey).split(QLatin1Char('x'));
    if (sides.size() != 2)
        return std::nullopt;
    bool columnsRead = false;
    bool rowsRead = false;
    const GolfLayout layout{sides[0].toInt(&columnsRead), sides[1].toInt(&rowsRead)};
    if (!columnsRead || !rowsRead || layout.columns < 1 || layout.columns > GolfLayout::MaxColumns
        || layout.rows < 1 || layout.rows > GolfLayout::MaxRows
        || layout.dealtCards() > GolfLayout::DeckSize)
        return std::nullopt;
    return Unfinished{layout, file.count(UnderWay, HintsKey) != 0};
}

void moveMade(StatisticsFile &file, GolfLayout layout, bool hints)
{
    if (!unfinished(file))
        markUnderWay(file, layout, hints);
}

bool hintTaken(StatisticsFile &file, GolfLayout layout)
{
    const std::optional<Unfinished> game = unfinished(file);
    if (game && !game->hints)
        markUnderWay(file, layout, true);
    return game.has_value();
}

void dealt(StatisticsFile &file)
{
    const std::optional<Unfinished> left = unfinished(file);
    if (!left)
        return;
    addTo(file, left->layout, std::nullopt, GolfEnding::ByThePlayer);
    file.erase(UnderWay);
    file.save();
}

void ended(StatisticsFile &file, GolfLayout layout, int cardsLeft, bool bySolve)
{
    const std::optional<Unfinished> game = unfinished(file);
    const GolfEnding ending = bySolve ? GolfEnding::BySolve
        : game && game->hints         ? GolfEnding::AfterHints
                                      : GolfEnding::ByThePlayer;
    addTo(file, layout, cardsLeft, ending);
    file.erase(UnderWay);
    file.save();
}

void endTakenBack(StatisticsFile &file, GolfLayout layout, const GolfTally &layoutBefore,
                  const GolfTally &allBefore, const Unfinished &game)
{
    write(file, section(layout), layoutBefore);
    write(file, QString::fromLatin1(AllLayouts), allBefore);
    markUnderWay(file, layout, game.hints);
}

void reset(StatisticsFile &file)
{
    for (int columns = 1; columns <= GolfLayout::MaxColumns; ++columns)
        for (int rows = 1; rows <= GolfLayout::MaxRows; ++rows)
            file.erase(section({columns, rows}));
    file.erase(QString::fromLatin1(AllLayouts));
    file.erase(UnderWay);
    file.save();
}

}
