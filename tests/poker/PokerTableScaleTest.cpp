#include "PokerTableLayout.h"
#include "PokerWindowFixture.h"
#include "ReferencePicture.h"

namespace Layout = PokerTableLayout;

namespace {

class PokerTableScaleTest : public PokerWindowTest
{
protected:
    // Where the table's texts lie as designed: the pay table, the score, the buttons, the coach and
    // the labels under the cards.
    static QList<QRect> designedTextPlaces()
    {
        return {QRect(20, 5, 360, 240), QRect(392, 40, 186, 90), Layout::InvertRect,
                Layout::OkRect,         Layout::CoachRect,       QRect(0, 351, 578, 20)};
    }
};

}

TEST_F(PokerTableScaleTest, AtTheDesignedSizeTheTableLooksAsItDidBeforeItScaled)
{
    open(RuntDeal);
    pressCard(1);
    pressCard(3);
    ASSERT_EQ(window->table->size(), Layout::ClientSize);
    EXPECT_EQ(compareWithReference(window->table, designedTextPlaces(), "poker-designed"),
              QString());
}
