#pragma once

#include <QtGlobal>

// The largest file each reader takes, in bytes. A larger one is refused before it is read, so
// that a stray or damaged file cannot keep the program busy or fill the memory. Each limit
// leaves a wide margin over the largest file the program writes or ships.
namespace FileLimits {

// Settings, best scores and Golf results. The largest the program writes, the Golf results
// of every layout with every count at its largest, is about 20 KiB.
inline constexpr qint64 MaxIniFileSize = 1024 * 1024;
// A saved Poker game is 44 bytes; a little more is read as before, with the rest ignored.
inline constexpr qint64 MaxPokerSaveSize = 4 * 1024;
// The longest manual is under 20 KiB. The help window lays out a manual of this size in well
// under a second (bench/help-text); a larger one would keep the player waiting.
inline constexpr qint64 MaxHelpTextSize = 512 * 1024;
// A kept Twelve game takes about a kilobyte.
inline constexpr qint64 MaxKeptGameSize = 32 * 1024;
// The wall pictures shipped take 48 KiB each, the sounds up to 26 KiB, the icons 15 KiB.
inline constexpr qint64 MaxPictureSize = 4 * 1024 * 1024;
inline constexpr qint64 MaxSoundSize = 4 * 1024 * 1024;
inline constexpr qint64 MaxIconSize = 1024 * 1024;

}
