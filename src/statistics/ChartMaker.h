#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QWidget;

// The charts of the statistics windows. They are drawn with the charts library, which lives in
// a module of its own that the first statistics window loads, so starting the program does not
// load it.
class ChartMaker
{
public:
    virtual ~ChartMaker() = default;

    // One bar per label, its height a share from 0 to 1.
    virtual QWidget *barChart(const QString &title, const QStringList &labels,
                              const QList<qreal> &shares, QWidget *parent)
        = 0;

    struct Line
    {
        QString name;
        QColor colour;
        QList<QPointF> points;
        // Drawn dashed: a line of what was expected rather than what happened.
        bool dashed = false;
    };
    virtual QWidget *lineChart(const QString &title, const QString &across, const QString &up,
                               const QList<Line> &lines, QWidget *parent)
        = 0;

    // The charts module's maker, loaded on the first call; null when the module is missing.
    static ChartMaker *loaded();
};

// The module's file name without its system prefix and suffix, and its one entry point, which
// returns the maker; the maker lives as long as the program.
inline constexpr char ChartModuleName[] = "kovra_charts";
inline constexpr char ChartMakerEntryName[] = "kovraChartMaker";
using ChartMakerEntry = ChartMaker *(*)();
