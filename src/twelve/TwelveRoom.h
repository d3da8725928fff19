#pragma once

#include <QPixmap>

// The table's background: black lines that make it look like a room seen from above the
// player's seat, with a wall texture on each of its five faces (a plain colour where a texture
// file is missing or unreadable).
namespace TwelveRoom {

QPixmap paint(qreal devicePixelRatio);

}
