#include "CardLibrary.h"

#include "CardBacks.h"
#include "CardFaces.h"
#include "CardId.h"

#include <QGuiApplication>

CardLibrary *cardLibrary = nullptr;

namespace {

// The backs of one orientation are turned from the upright ones, which are drawn first if need be.
std::function<QPixmap(int)> turnedFrom(const CardPictureList &upright, CardBacks::Turn turn)
{
    return [&upright, turn](int back) { return CardBacks::turned(upright[back], turn); };
}

}

CardLibrary::CardLibrary(QObject *parent)
    : QObject(parent)
    , faces(CardId::CardCount, [this](int id) { return CardFaces::paint(id, pixelRatio); })
    , backsUpright(CardBacks::BackCount,
                   [this](int back) { return CardBacks::paint(back, pixelRatio); })
    , backsUpsideDown(CardBacks::BackCount, turnedFrom(backsUpright, CardBacks::Turn::UpsideDown))
    , backsCounterClockwise(CardBacks::BackCount,
                            turnedFrom(backsUpright, CardBacks::Turn::CounterClockwise))
    , backsClockwise(CardBacks::BackCount, turnedFrom(backsUpright, CardBacks::Turn::Clockwise))
    , pixelRatio(qGuiApp->devicePixelRatio())
{ }
