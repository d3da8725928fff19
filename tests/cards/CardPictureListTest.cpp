#include "CardPictureList.h"
#include "Picture.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A list whose pictures are drawn in a colour of their own, noting what it drew.
class CardPictureListTest : public testing::Test
{
protected:
    std::vector<int> drawn;
    const CardPictureList list{3, [this](int index) {
                                   drawn.push_back(index);
                                   QPixmap picture(2, 2);
                                   picture.fill(QColor(80 * index, 0, 0));
                                   return picture;
                               }};
};

}

TEST_F(CardPictureListTest, DrawsEachPictureWhenFirstAskedForAndKeepsIt)
{
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(list.size(), 3);
    const qint64 second = list[1].cacheKey();
    EXPECT_EQ(list[1].cacheKey(), second);
    EXPECT_EQ(list.at(1).cacheKey(), second);
    EXPECT_EQ(drawn, std::vector<int>{1});

    const std::vector<QPixmap> &all = list;
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].cacheKey(), second);
    EXPECT_EQ(all[2].toImage().pixelColor(0, 0), QColor(160, 0, 0));
    EXPECT_EQ(drawn, (std::vector<int>{1, 0, 2}));
}

TEST_F(CardPictureListTest, AnIndexOutsideTheListThrowsBeforeAnythingIsDrawn)
{
    for (const int index : {-1, 3, 52}) {
        EXPECT_THROW(list[index], std::out_of_range) << index;
        EXPECT_THROW(list.source(index), std::out_of_range) << index;
    }
    EXPECT_TRUE(drawn.empty());
}

TEST_F(CardPictureListTest, APictureControlDrawsItsCardWhenItFirstShowsIt)
{
    Picture picture;
    picture.resize(4, 4);
    picture.setPixmapSource(list.source(2));
    EXPECT_TRUE(drawn.empty());
    picture.grab();
    EXPECT_EQ(drawn, std::vector<int>{2});
    EXPECT_EQ(picture.pixmap().cacheKey(), list[2].cacheKey());
    EXPECT_EQ(drawn, std::vector<int>{2});
}
