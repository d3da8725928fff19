#pragma once

#include <QImage>

// The pictures that come with the Poker window.
namespace PokerPictures {

inline constexpr QSize BackgroundSize{578, 377}; // the window's client area
inline constexpr QSize GameOverSize{327, 103};
inline constexpr QSize DiscardSize{71, 96};

QImage mistyForest();
QImage gameOver();
QImage discardMark(); // transparent apart from the cross
}
