#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QSize>
#include <functional>

class QPainter;

// The drawing surface shared by every card picture: logical sizes, the rounded card shape and
// rendering at a device pixel ratio so the pictures stay sharp on dense screens.
namespace CardCanvas {

inline constexpr QSize CardSize{71, 96};
inline constexpr QSize SideCardSize{96, 71};
inline constexpr qreal CornerRadius = 4;

// The card outline inside a picture of this size, on the pixel centres of the outermost pixels.
QPainterPath cardShape(QSizeF size);

// Paints a picture of the given logical size on a transparent, antialiased canvas whose painter
// works in logical pixels.
QPixmap render(QSize logicalSize, qreal pixelRatio, const std::function<void(QPainter &)> &paint);

}
