#pragma once

#include "BestScoreNameDialog.h"
#include "BestScoresWindow.h"
#include "CardLibrary.h"
#include "PokerSpeedDialog.h"
#include "QuestionDialog.h"

// The shared dialogs the Poker window talks to, made once a suite: the card library takes a
// while.
struct PokerSharedWindows
{
    CardLibrary cards;
    QuestionDialog questions;
    BestScoresWindow bestScores;
    BestScoreNameDialog nameEntry;
    PokerSpeedDialog speed;
};
