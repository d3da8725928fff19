#pragma once

#include <QPixmap>

// The nine back designs, turned as the card lies on the table, and the frame that marks the
// chosen back in the deck chooser.
namespace CardBacks {

inline constexpr int BackCount = 9;

// How a back lies: upright, upside down, turned counter-clockwise (its right edge at the top) or
// clockwise (its top edge at the right).
enum class Turn { Upright, UpsideDown, CounterClockwise, Clockwise };

QPixmap paint(int backIndex, qreal pixelRatio);
QPixmap turned(const QPixmap &upright, Turn turn);

inline constexpr QSize SelectionFrameSize{87, 113};
inline constexpr int SelectionFrameWidth = 8;
QPixmap paintSelectionFrame(qreal pixelRatio);

}
