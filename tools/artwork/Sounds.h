#pragma once

#include <vector>

// The three short sound effects, synthesised: mono samples in -1 .. 1 at SampleRate.
namespace Sounds {

inline constexpr int SampleRate = 44100;

std::vector<double> bidKnock(); // a raise in an auction, a card played in Golf
std::vector<double> stockFlip(); // a stock card turned over
std::vector<double> cardDown(); // a card put on the table

}
