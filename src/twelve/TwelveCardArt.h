#pragma once

#include "CardPictureList.h"
#include "TwelveRules.h"

#include <memory>

// The card faces and backs of the table, drawn for the table's scale times the screen's pixel
// ratio so they stay sharp at every size: the program's card library where its ratio is the
// one needed, else lists of the table's own, each picture drawn when first shown and kept
// until the ratio changes.
class TwelveCardArt
{
public:
    TwelveCardArt();
    ~TwelveCardArt();

    // Device pixels per designed pixel.
    void setRatio(qreal ratio);
    qreal ratio() const { return pixelRatio; }

    const CardPictureList &faces() const;
    // A seat's backs, turned as the seat holds its cards.
    const CardPictureList &backs(int seat) const;

private:
    struct Lists;
    std::unique_ptr<Lists> own;
    qreal pixelRatio;
};
