#pragma once

#include "TableKeys.h"

#include <QList>
#include <QString>

class GolfWindow;

// Golf from the keyboard: Left and Right walk the exposed cards and the stock, Return or Space
// plays the framed card or turns the stock, 1..9 and 0 play the exposed card of columns 1..10,
// S turns the stock. Each key runs what the click on that picture runs.
class GolfKeys : public TableKeys
{
public:
    explicit GolfKeys(GolfWindow &window);

    // The keys as Help > Keys lists them.
    static QString summary();

private:
    // The exposed cards from the first column to the last, then the stock while it shows.
    QList<QWidget *> places() const;
    QWidget *exposedCard(int column) const;
    void play(QWidget *place);
    // What the keyboard's card is read as: where it lies and that it can be played.
    void describe(const QList<QWidget *> &row);
    QList<QWidget *> rowForStep() override;
    bool playFramed();
    bool playColumn(int column);
    bool turnStock();

    GolfWindow &window;
};
