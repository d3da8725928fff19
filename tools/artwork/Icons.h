#pragma once

#include <QImage>
#include <QList>

// The program's and the three games' icons, each drawn anew for every icon size so the small
// ones stay clear rather than being shrunk.
namespace Icons {

inline constexpr int IconSizes[] = {16, 32, 48};
// The sizes a desktop's icon theme holds; the program's menu icon comes in each.
inline constexpr int ThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

enum Kind { Product, Twelve, Golf, Poker };

QImage icon(Kind kind, int size);
QList<QImage> allSizes(Kind kind);

}
