#include "GolfWindowFixture.h"
#include "HintFrame.h"
#include "ReferencePicture.h"

namespace {

class GolfTableScaleTest : public GolfWindowTest
{
protected:
    // A deal with the stock turned a few times and the hint's frame on the card it names.
    void openWithHint()
    {
        open(fourOnFive());
        for (int turn = 0; turn < 5; ++turn)
            window->turnStock();
        window->onHint();
        ASSERT_TRUE(adviceArrives());
        ASSERT_TRUE(window->hintFrame->isVisible());
    }
};

}

TEST_F(GolfTableScaleTest, AtTheDesignedSizeTheTableLooksAsItDidBeforeItScaled)
{
    openWithHint();
    ASSERT_EQ(window->table->size(), QSize(621, 403));
    const QRect counter(0, stock().y() + 103, 79, 30);
    EXPECT_EQ(compareWithReference(window->table, {counter}, "golf-designed"), QString());
}
