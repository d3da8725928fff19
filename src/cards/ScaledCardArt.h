#pragma once

#include "CardBacks.h"
#include "CardPictureList.h"

#include <memory>

// The card faces and backs of a table that scales, drawn for the table's scale times the
// screen's pixel ratio so they stay sharp at every size: the program's card library where its
// ratio is the one needed, else lists of the table's own, each picture drawn when first shown
// and kept until the ratio changes.
class ScaledCardArt
{
public:
    ScaledCardArt();
    ~ScaledCardArt();

    // Device pixels per designed pixel.
    void setRatio(qreal ratio);
    qreal ratio() const { return pixelRatio; }

    const CardPictureList &faces() const;
    const CardPictureList &backs(CardBacks::Turn turn = CardBacks::Turn::Upright) const;

private:
    struct Lists;
    std::unique_ptr<Lists> own;
    qreal pixelRatio;
};
