#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

// Tiling wall textures: the flood-fill brushes of the Twelve table's room picture and the score
// sheet's background. Subtle on purpose, so cards and text on top stay easy to read.
namespace Walls {

inline constexpr int TextureSize = 128;

struct Wall
{
    QString fileName;
    QColor base;
    bool trellis; // a faint wallpaper lattice; plain linen without it
};

const std::vector<Wall> &walls();
QImage texture(const Wall &wall, quint64 seed);

}
