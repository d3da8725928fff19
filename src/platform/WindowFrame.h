#pragma once

#include <QSize>

// Many window sizes of the program are outer sizes of a Windows window. These are what the
// frame and caption took there, so that the client areas come out as they were laid out.
inline constexpr QSize DialogFrame{8, 27}; // fixed dialog border
inline constexpr QSize SizeableFrame{16, 38}; // resizable border
