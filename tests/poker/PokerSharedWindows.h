#pragma once

#include "uEredmeny.h"
#include "uKartyak.h"
#include "uNyert.h"
#include "uPokerSpeed.h"
#include "uValasz.h"

// The shared dialogs the Poker window talks to, made once a suite: the card library takes a
// while.
struct PokerSharedWindows
{
    TfrmKartyak cards;
    TfrmValasz questions;
    TfrmEredmeny bestScores;
    TfrmNyert nameEntry;
    TfrmPokerSpeed speed;
};
