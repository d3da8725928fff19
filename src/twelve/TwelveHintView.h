#pragma once

#include "TwelveTurn.h"

#include <QObject>

class HintFrame;

class TwelveTable;

// Shows the hint on the table: a frame around the card to put or to take, or in an auction the
// worth of the card on sale in the status bar. The frame lets clicks through to the card and
// goes as soon as a card is pressed or the framed card moves or hides.
class TwelveHintView : public QObject
{
    Q_OBJECT
public:
    explicit TwelveHintView(TwelveTable *table);

    void showHint(const TwelveGame &game, TurnState state);
    // The card framed now; nullptr when no frame shows.
    QWidget *framedCard() const;
    // The hint is done with once a card is put or taken, by click or by key.
    void clear();

private:
    TwelveTable *table;
    HintFrame *frame;
};
