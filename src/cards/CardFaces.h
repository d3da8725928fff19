#pragma once

#include <QPixmap>

// The 52 card faces: white cards with corner indices, pips for Two to Ten, a court figure for
// Jack, Queen and King and one large pip for the Ace.
namespace CardFaces {

QPixmap paint(int cardId, qreal pixelRatio);

}
