#pragma once

#include "GolfGame.h"

// A table nobody looks at, and results nobody keeps: for games played on the side, such as
// the trial deals behind "Winnable deals only".
class GolfUnseenTable : public GolfView, public GolfResultRecorder
{
public:
    void hideAllCards() override { }
    void hideCard(int) override { }
    void PlaceInColumn(int, int, int) override { }
    void PlaceOnFoundation(int, int) override { }
    void showStock(bool) override { }
    void setStockCount(int) override { }
    void ShowResult(int) override { }
    void hideResult() override { }
    void playSound(Sound) override { }
    void RecordResult(GolfLayout, int, int) override { }
};
