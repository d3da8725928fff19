// The charts module: the statistics windows' charts, drawn with Qt Charts.
#include "ChartMaker.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

QChartView *viewOf(QChart *chart, const QString &title, QWidget *parent)
{
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 220);
    // The numbers beside the chart are what a screen reader reads.
    view->setAccessibleName(title);
    return view;
}

class QtChartMaker : public ChartMaker
{
public:
    QWidget *barChart(const QString &title, const QStringList &labels, const QList<qreal> &shares,
                      QWidget *parent) override
    {
        auto *bars = new QBarSet(title);
        for (const qreal share : shares)
            *bars << share * 100;
        auto *series = new QBarSeries;
        series->append(bars);
        auto *chart = new QChart;
        chart->addSeries(series);
        chart->legend()->hide();
        auto *across = new QBarCategoryAxis;
        across->append(labels);
        // Names rather than numbers lie slanted, so each can be read whole.
        constexpr int LongestUpright = 3;
        if (std::any_of(labels.begin(), labels.end(),
                        [](const QString &label) { return label.size() > LongestUpright; }))
            across->setLabelsAngle(-60);
        chart->addAxis(across, Qt::AlignBottom);
        series->attachAxis(across);
        auto *up = new QValueAxis;
        up->setRange(0, std::max<qreal>(1, *std::max_element(shares.begin(), shares.end()) * 100));
        up->setLabelFormat(QStringLiteral("%.0f%%"));
        chart->addAxis(up, Qt::AlignLeft);
        series->attachAxis(up);
        return viewOf(chart, title, parent);
    }

    QWidget *lineChart(const QString &title, const QString &acrossTitle, const QString &upTitle,
                       const QList<Line> &lines, QWidget *parent) override
    {
        auto *chart = new QChart;
        auto *across = new QValueAxis;
        across->setTitleText(acrossTitle);
        across->setLabelFormat(QStringLiteral("%.0f"));
        auto *up = new QValueAxis;
        up->setTitleText(upTitle);
        up->setLabelFormat(QStringLiteral("%.0f"));
        chart->addAxis(across, Qt::AlignBottom);
        chart->addAxis(up, Qt::AlignLeft);
        // Every point inside the axes, which then round to numbers that read well.
        qreal left = 0, right = 1, low = 0, high = 1;
        bool first = true;
        for (const Line &line : lines)
            for (const QPointF &point : line.points) {
                left = first ? point.x() : std::min(left, point.x());
                right = first ? point.x() : std::max(right, point.x());
                low = first ? point.y() : std::min(low, point.y());
                high = first ? point.y() : std::max(high, point.y());
                first = false;
            }
        across->setRange(left, std::max(right, left + 1));
        up->setRange(low, std::max(high, low + 1));
        for (const Line &line : lines) {
            auto *series = new QLineSeries;
            series->setName(line.name);
            series->append(line.points);
            QPen pen(line.colour, 2);
            if (line.dashed)
                pen.setStyle(Qt::DashLine);
            series->setPen(pen);
            chart->addSeries(series);
            series->attachAxis(across);
            series->attachAxis(up);
        }
        across->applyNiceNumbers();
        up->applyNiceNumbers();
        return viewOf(chart, title, parent);
    }
};

}

extern "C" Q_DECL_EXPORT ChartMaker *kovraChartMaker()
{
    static QtChartMaker maker;
    return &maker;
}
