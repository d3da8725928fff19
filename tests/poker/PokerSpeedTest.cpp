#include "ModalAnswer.h"
#include "PokerSpeedDialog.h"

#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

TEST(PokerSpeed, ShowsTheRootAndGivesTheSquare)
{
    PokerSpeedDialog dialog;
    int shown = 0;
    onNextModal([&](QWidget *) {
        shown = dialog.speedSlider->value();
        dialog.okButton->click();
    });
    EXPECT_EQ(dialog.chooseMoveStep(20), 16);
    EXPECT_EQ(shown, 4);

    onNextModal([&](QWidget *) {
        dialog.speedSlider->setValue(9);
        dialog.cancelButton->click();
    });
    EXPECT_EQ(dialog.chooseMoveStep(20), 20);

    onNextModal([&](QWidget *) {
        dialog.speedSlider->setValue(1);
        dialog.okButton->click();
    });
    EXPECT_EQ(dialog.chooseMoveStep(1000), 1);
}

}
