#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

// The pictures that come with the Twelve window: bid buttons and the panel behind them, the
// end-of-round and game-over panels, the run and auction frames and the four seats' bid panels.
// Each is drawn at any scale, so dense screens get a sharp copy of the same drawing.
namespace TwelvePictures {

inline constexpr QSize BidButtonSize{94, 25};
inline constexpr QSize ButtonPanelSize{113, 137};
inline constexpr QSize NoticeSize{329, 105};
inline constexpr QSize RunFrameSize{15, 30};
inline constexpr QSize AuctionFrameSize{88, 114};
inline constexpr QSize BidPanelSize{89, 67};

// One picture: its file name and its drawing at a scale (1 for the plain file, 2 for "@2x").
struct Picture
{
    QString fileName;
    std::function<QImage(int scale)> draw;
};

const std::vector<Picture> &pictures();

}
