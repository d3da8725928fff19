#include "ScaledCardArt.h"

#include "CardBacks.h"
#include "CardFaces.h"
#include "CardId.h"
#include "CardLibrary.h"

struct ScaledCardArt::Lists
{
    explicit Lists(qreal ratio)
        : faces(CardId::CardCount, [ratio](int id) { return CardFaces::paint(id, ratio); })
        , upright(CardBacks::BackCount, [ratio](int back) { return CardBacks::paint(back, ratio); })
        , counterClockwise(CardBacks::BackCount, turnedFrom(CardBacks::Turn::CounterClockwise))
        , upsideDown(CardBacks::BackCount, turnedFrom(CardBacks::Turn::UpsideDown))
        , clockwise(CardBacks::BackCount, turnedFrom(CardBacks::Turn::Clockwise))
    { }

    std::function<QPixmap(int)> turnedFrom(CardBacks::Turn turn)
    {
        return [this, turn](int back) { return CardBacks::turned(upright[back], turn); };
    }

    CardPictureList faces;
    CardPictureList upright;
    CardPictureList counterClockwise;
    CardPictureList upsideDown;
    CardPictureList clockwise;
};

ScaledCardArt::ScaledCardArt()
    : pixelRatio(cardLibrary->pictureRatio())
{ }

ScaledCardArt::~ScaledCardArt() = default;

void ScaledCardArt::setRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, pixelRatio))
        return;
    pixelRatio = ratio;
    own.reset();
    if (!qFuzzyCompare(ratio, cardLibrary->pictureRatio()))
        own = std::make_unique<Lists>(ratio);
}

const CardPictureList &ScaledCardArt::faces() const
{
    return own ? own->faces : cardLibrary->faces;
}

const CardPictureList &ScaledCardArt::backs(CardBacks::Turn turn) const
{
    using enum CardBacks::Turn;
    switch (turn) {
    case Upright:
        return own ? own->upright : cardLibrary->backsUpright;
    case CounterClockwise:
        return own ? own->counterClockwise : cardLibrary->backsCounterClockwise;
    case UpsideDown:
        return own ? own->upsideDown : cardLibrary->backsUpsideDown;
    case Clockwise:
        break;
    }
    return own ? own->clockwise : cardLibrary->backsClockwise;
}
