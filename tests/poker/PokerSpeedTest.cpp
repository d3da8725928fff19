#include "ModalAnswer.h"
#include "uPokerSpeed.h"

#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

TEST(PokerSpeed, ShowsTheRootAndGivesTheSquare)
{
    TfrmPokerSpeed dialog;
    int shown = 0;
    onNextModal([&](QWidget *) {
        shown = dialog.trbMozgSeb->value();
        dialog.BitBtn1->click();
    });
    EXPECT_EQ(dialog.chooseMoveStep(20), 16);
    EXPECT_EQ(shown, 4);

    onNextModal([&](QWidget *) {
        dialog.trbMozgSeb->setValue(9);
        dialog.BitBtn2->click();
    });
    EXPECT_EQ(dialog.chooseMoveStep(20), 20);

    onNextModal([&](QWidget *) {
        dialog.trbMozgSeb->setValue(1);
        dialog.BitBtn1->click();
    });
    EXPECT_EQ(dialog.chooseMoveStep(1000), 1);
}

}
