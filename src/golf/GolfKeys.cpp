#include "GolfKeys.h"

#include "FocusFrame.h"
#include "GolfWindow.h"
#include "KeyDispatch.h"
#include "Picture.h"

GolfKeys::GolfKeys(GolfWindow &window)
    : TableKeys(window, window.table)
    , window(window)
{
    keys->on({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, [this] { return playFramed(); });
    keys->onDigits(GolfLayout::MaxColumns, [this](int column) { return playColumn(column - 1); });
    keys->on({Qt::Key_S}, [this] { return turnStock(); });
}

QString GolfKeys::summary()
{
    return QStringLiteral("Left, Right: move between the exposed cards and the stock\n"
                          "Return, Space: play the framed card, or turn the stock\n"
                          "1 to 9, 0: play the exposed card of column 1 to 10\n"
                          "S: turn the stock\n"
                          "Backspace: back up\n"
                          "F2: new game\n"
                          "Ctrl+T: statistics\n"
                          "F1: help");
}

QWidget *GolfKeys::exposedCard(int column) const
{
    const GolfGame &golf = window.game();
    if (column >= golf.Columns() || golf.ColumnLen(column) == 0)
        return nullptr;
    return window.cardPictures[golf.Tableau(column, golf.ColumnLen(column) - 1)];
}

QList<QWidget *> GolfKeys::places() const
{
    QList<QWidget *> row;
    for (int column = 0; column < window.game().Columns(); ++column)
        if (QWidget *card = exposedCard(column))
            row << card;
    if (window.stockPicture->isVisible())
        row << window.stockPicture;
    return row;
}

void GolfKeys::describe(const QList<QWidget *> &row)
{
    for (int column = 0; column < window.game().Columns(); ++column)
        if (QWidget *card = exposedCard(column); card && row.contains(card))
            card->setAccessibleDescription(QStringLiteral("exposed in column %1").arg(column + 1));
}

QList<QWidget *> GolfKeys::rowForStep()
{
    const QList<QWidget *> row = places();
    describe(row);
    return row;
}

// Plays as the left click on the card or the stock, then the frame stays at its place.
void GolfKeys::play(QWidget *place)
{
    if (place == window.stockPicture)
        window.turnStock();
    else if (place)
        window.cardPressed(static_cast<Picture *>(place), Qt::LeftButton);
    const QList<QWidget *> row = places();
    describe(row);
    mark->settle(row);
}

// Unseen, the keyboard's card is shown first rather than played.
bool GolfKeys::playFramed()
{
    const QList<QWidget *> row = places();
    if (!mark->isOn(row))
        return step(0);
    play(mark->placeIn(row));
    return true;
}

bool GolfKeys::playColumn(int column)
{
    play(exposedCard(column));
    return true;
}

bool GolfKeys::turnStock()
{
    play(window.stockPicture);
    return true;
}
