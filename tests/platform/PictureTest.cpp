#include "Picture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QPixmap filled(QColor colour)
{
    QPixmap pixmap(4, 4);
    pixmap.fill(colour);
    return pixmap;
}

}

TEST(PictureTest, APixmapSourceIsAskedOnceWhenThePictureIsFirstPaintedOrRead)
{
    int asked = 0;
    const QPixmap red = filled(Qt::red);
    Picture picture;
    picture.resize(8, 8);
    picture.setPixmapSource([&] {
        ++asked;
        return red;
    });
    EXPECT_EQ(asked, 0);
    const QImage shown = picture.grab().toImage();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(shown.pixelColor(4, 4), QColor(Qt::red));
    EXPECT_EQ(picture.pixmap().cacheKey(), red.cacheKey());
    picture.grab();
    EXPECT_EQ(asked, 1);
}

TEST(PictureTest, TheLastPixmapGivenWinsWhetherDrawnAlreadyOrNot)
{
    int asked = 0;
    Picture picture;
    picture.setPixmap(filled(Qt::red));
    picture.setPixmapSource([&] {
        ++asked;
        return filled(Qt::green);
    });
    const QPixmap blue = filled(Qt::blue);
    picture.setPixmap(blue);
    EXPECT_EQ(picture.pixmap().cacheKey(), blue.cacheKey());
    EXPECT_EQ(asked, 0) << "a source replaced before it was needed is never asked";
}

// Painted in bands or copied straight, a picture shows exactly what one stretched draw of its
// pixmap shows: no seam, gap or doubled line, at any screen density.
TEST(PictureTest, StretchedOrNotAPictureLooksLikeOneSmoothDrawOfItsPixmap)
{
    QImage art(60, 150, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            art.setPixelColor(x, y, QColor(x * 4, y, 255 - y, 60 + (x + y) % 150));
    const QPixmap pixmap = QPixmap::fromImage(art);
    const struct
    {
        qreal ratio;
        QSize widget;
    } cases[]
        = {{1, {60, 150}},    {1, {23, 150}}, {1.25, {31, 97}}, {1.5, {40, 100}}, {1.5, {17, 100}},
           {1.33, {45, 113}}, {2, {30, 75}},  {2, {11, 75}},    {1.33, {25, 90}}};
    for (const auto &[ratio, widget] : cases) {
        Picture picture;
        picture.resize(widget);
        picture.setPixmap(pixmap);
        const QSize device = (QSizeF(widget) * ratio).toSize();
        QImage shown(device, QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::transparent);
        QImage expected = shown;
        picture.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(QPoint(), widget), pixmap);
        painter.end();
        EXPECT_EQ(shown, expected)
            << "ratio " << ratio << ", " << widget.width() << "x" << widget.height();
    }
}
