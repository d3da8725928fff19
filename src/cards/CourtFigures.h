#pragma once

#include "CardId.h"

class QPainter;

// The framed, double-headed figures of the Jack, Queen and King.
namespace CourtFigures {

void paint(QPainter &painter, CardId::Suit suit, int rank);

}
