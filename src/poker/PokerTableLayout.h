#pragma once

#include <QColor>
#include <QRect>

// Where everything lies on the Poker table, and its colours: one place for the window's numbers.
namespace PokerTableLayout {

inline constexpr QSize ClientSize{578, 377};
inline constexpr QSize CardSize{71, 96};
inline constexpr int FirstCardLeft = 20;
inline constexpr int CardStep = 91;
// Cards lie this far above the bottom edge, their hold labels this far.
inline constexpr int CardRise = 126;
inline constexpr int HoldLabelRise = 26;

inline constexpr int CardLeft(int position)
{
    return FirstCardLeft + CardStep * position;
}
inline constexpr QPoint CardPlace(int position)
{
    return {CardLeft(position), ClientSize.height() - CardRise};
}

inline constexpr int WindowFontPixels = 13;
inline constexpr int SmallFontPoints = 10;
inline constexpr int SmallLabelHeight = 20;

inline constexpr QPoint ScoreCaptionPlace{436, 48};
inline constexpr QRect ScoreRect{392, 72, 185, 57};
inline constexpr int ScoreFontPixels = 40;

inline constexpr QRect InvertRect{477, 256, 83, 41};
inline constexpr QRect OkRect{477, 304, 83, 41};
inline constexpr int ButtonFontPixels = 20;

inline constexpr QRect ResultRect{95, 284, 285, 57};
inline constexpr int ResultBevel = 3;
inline constexpr int ResultFontPixels = 20;

inline constexpr QRect GameOverRect{70, 260, 329, 105};
inline constexpr QRect GameOverPictureRect{1, 1, 327, 103};
inline constexpr QSize GameOverButtonSize{75, 25};
// The buttons sit on the lower band of the picture, below its lettering.
inline constexpr QPoint NewGameButtonPlace{78, 74};
inline constexpr QPoint ExitButtonPlace{176, 74};

// The coach's line, between the score and the buttons.
inline constexpr QRect CoachRect{396, 136, 176, 114};
inline constexpr int CoachFontPixels = 12;

inline constexpr QColor Navy{0, 0, 128};
inline constexpr QColor Maroon{128, 0, 0};
inline constexpr QColor Green{0, 128, 0};
inline constexpr QColor Yellow{255, 255, 0};
inline constexpr QColor ResultBackground{64, 74, 74};
// The hint's frames round the cards to keep: apart from the red discard crosses.
inline constexpr QColor HintColour{255, 215, 0};
// Shown when the background picture cannot be loaded.
inline constexpr QColor PlainTable{86, 102, 96};
// The hold labels lie on the dark foot of the forest picture, where the window's black text
// would not read.
inline constexpr QColor HoldLabelColour{255, 255, 255};

}
