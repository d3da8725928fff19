#include "TwelveRoom.h"

#include "DataDir.h"
#include "PictureFile.h"
#include "TwelveTableLayout.h"

#include <QPainter>
#include <QPolygon>
#include <array>

namespace TwelveRoom {

namespace {

using TwelveTableLayout::RoomSize;

struct Face
{
    QPolygon outline;
    const char *texture;
    QColor plain;
};

// The corners of the far wall, and where the room's edges leave the picture.
constexpr QPoint FarTopLeft{218, 195};
constexpr QPoint FarTopRight{565, 195};
constexpr QPoint FarBottomLeft{218, 311};
constexpr QPoint FarBottomRight{565, 311};
constexpr QPoint TopLeftEdge{80, 0};
constexpr QPoint TopRightEdge{702, -1};
constexpr QPoint BottomLeftEdge{80, 506};
constexpr QPoint BottomRightEdge{702, 507};

std::array<Face, 5> faces()
{
    const int right = RoomSize.width();
    const int bottom = RoomSize.height();
    return {{
        {QPolygon({TopLeftEdge, FarTopLeft, FarTopRight, TopRightEdge}), "Fal - Zöld.bmp",
         Qt::green},
        {QPolygon({BottomLeftEdge,
                   FarBottomLeft,
                   FarBottomRight,
                   BottomRightEdge,
                   {BottomLeftEdge.x(), bottom}}),
         "Fal - Kék.bmp", Qt::blue},
        {QPolygon({{0, 0},
                   TopLeftEdge,
                   FarTopLeft,
                   FarBottomLeft,
                   BottomLeftEdge,
                   {BottomLeftEdge.x(), bottom},
                   {0, bottom}}),
         "Fal - Sárga.bmp", Qt::yellow},
        {QPolygon({TopRightEdge,
                   {right, -1},
                   {right, bottom},
                   BottomRightEdge,
                   FarBottomRight,
                   FarTopRight}),
         "Fal - Piros.bmp", Qt::red},
        {QPolygon({FarTopLeft, FarTopRight, FarBottomRight, FarBottomLeft}), "Fal - Fehér.bmp",
         Qt::white},
    }};
}

QBrush wallBrush(const Face &face)
{
    const QPixmap texture = pictureFromFile(DataFile(QString::fromUtf8(face.texture)));
    return texture.isNull() ? QBrush(face.plain) : QBrush(texture);
}

}

QPixmap paint(qreal devicePixelRatio)
{
    QPixmap room(RoomSize * devicePixelRatio);
    room.setDevicePixelRatio(devicePixelRatio);
    room.fill(Qt::white);
    QPainter painter(&room);
    // A texture magnified for a large table or a dense screen stays soft instead of blocky.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    for (const Face &face : faces()) {
        painter.setBrush(wallBrush(face));
        painter.drawPolygon(face.outline);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygon({TopLeftEdge, FarTopLeft, FarTopRight, TopRightEdge}));
    painter.drawPolyline(
        QPolygon({BottomLeftEdge, FarBottomLeft, FarBottomRight, BottomRightEdge}));
    painter.drawLine(FarTopLeft, FarBottomLeft);
    painter.drawLine(FarTopRight + QPoint(0, 1), FarBottomRight);
    return room;
}

}
