#pragma once

#include <QDialog>
#include <QList>
#include <QSet>
#include <functional>

class ChartMaker;
class QLabel;
class QPushButton;
class QTabWidget;

// One view of a game's statistics: the numbers as text, which a screen reader reads, and a
// chart beside them when the charts module is there.
struct StatisticsPage
{
    QString title;
    // Rich text: a table of names and numbers.
    QString text;
    std::function<QWidget *(ChartMaker &maker, QWidget *parent)> chart;
};

// A game's statistics window: a tab per page, "Reset" (after the game's question) and "Close".
// The pages are asked for each time the window shows them, so they agree with the file.
class StatisticsWindow : public QDialog
{
    Q_OBJECT
public:
    StatisticsWindow(const QString &caption, std::function<QList<StatisticsPage>()> pages,
                     std::function<bool()> reset, QWidget *parent = nullptr);

    QTabWidget *tabs;
    QPushButton *resetButton;
    QPushButton *closeButton;

    // Shows the pages anew, keeping the tab that was open where it still is.
    void refresh();

private:
    void fillPage(int index);

    std::function<QList<StatisticsPage>()> pages;
    QList<StatisticsPage> shown;
    QSet<int> filled;
    std::function<bool()> reset;
};
