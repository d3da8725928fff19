#include "TwelveCardArt.h"

#include "CardBacks.h"
#include "CardFaces.h"
#include "CardLibrary.h"

struct TwelveCardArt::Lists
{
    explicit Lists(qreal ratio)
        : faces(CardCount, [ratio](int id) { return CardFaces::paint(id, ratio); })
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

TwelveCardArt::TwelveCardArt()
    : pixelRatio(cardLibrary->pictureRatio())
{ }

TwelveCardArt::~TwelveCardArt() = default;

void TwelveCardArt::setRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, pixelRatio))
        return;
    pixelRatio = ratio;
    own.reset();
    if (!qFuzzyCompare(ratio, cardLibrary->pictureRatio()))
        own = std::make_unique<Lists>(ratio);
}

const CardPictureList &TwelveCardArt::faces() const
{
    return own ? own->faces : cardLibrary->faces;
}

const CardPictureList &TwelveCardArt::backs(int seat) const
{
    // Seats round the table from the player: upright, turned counter-clockwise, upside down,
    // turned clockwise.
    switch (seat) {
    case 1:
        return own ? own->upright : cardLibrary->backsUpright;
    case 2:
        return own ? own->counterClockwise : cardLibrary->backsCounterClockwise;
    case 3:
        return own ? own->upsideDown : cardLibrary->backsUpsideDown;
    default:
        return own ? own->clockwise : cardLibrary->backsClockwise;
    }
}
