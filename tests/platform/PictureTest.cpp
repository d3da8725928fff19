#include "Picture.h"

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
