#pragma once

#include "TwelveRules.h"

class Random;

// The decisions of the computer seats 2..4: which card to put, what each middle card is worth,
// how high to bid for it and which one to want. All rest on the card value matrix of a hand.

using CardValues = std::array<int, CardCount>;

// Each held card scores, over the three rank windows holding it, how many held cards lie in the
// window; cards not held score 0.
CardValues CardValue(const Hand &hand);
// The held card of least value, the first in id order among equals.
int leastValuedCard(const Hand &hand);
// The sum of the whole matrix.
int cardValueTotal(const Hand &hand);

// Past this turn of a round the computers neither help the human nor blunder.
int steadyAfterTurn(double difficulty);
// From then on, the percentage chance of a random put.
int steadyShuffleChance(double difficulty);
bool playingSteady(const TwelveGame &game);

// Start of a turn: ages the put-rank counts and decides help mode and the human's HelpCard.
void updateHelpMode(TwelveGame &game, Random &random);
// The card a computer seat puts; it leaves the seat's hand.
int choosePutCard(TwelveGame &game, int seat, Random &random);
// The card leaves the seat's hand for the middle, and its rank counts as put.
void putFromHand(TwelveGame &game, int seat, int card);
// CardWorth and MaxBid of every computer seat for the four face-up cards.
void valueMiddleCards(TwelveGame &game);
// Each slot's worth above the least of them: what a seat bids up to, before any cap.
PerSlot<int> worthsAboveLeast(const PerSlot<int> &worths);
// CardWorth of one seat as given, and MaxBid from it: the worth above its least, within the
// seat's points (and the help-mode cap).
void setMiddleCardWorths(TwelveGame &game, int seat, const PerSlot<int> &worths);
// Total of a seat's matrix with each slot's card added to the seat's hand.
PerSlot<int> middleCardWorths(const TwelveGame &game, int seat);
// Every computer that has not bought wants a slot; TurnOver tells whether all seats have bought.
void chooseWantedCards(TwelveGame &game, Random &random);
