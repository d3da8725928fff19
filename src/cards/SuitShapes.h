#pragma once

#include "CardId.h"

#include <QColor>
#include <QPainterPath>

// The four suit symbols as vector paths, so they never depend on a font having the glyphs.
namespace SuitShapes {

// The symbol filling the box, upright.
QPainterPath path(CardId::Suit suit, const QRectF &box);

QColor colour(CardId::Suit suit);

}
