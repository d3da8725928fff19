#pragma once

#include <QImage>

// The launcher's three picture tiles, one per game, each 180 x 300.
namespace Tiles {

inline constexpr QSize TileSize{180, 300};

QImage twelve();
QImage golf();
QImage poker();

}
