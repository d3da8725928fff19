#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class IniFile;
class QString;

// A game window's size and place in its normal state, and whether it was maximized, as its
// settings file keeps them.
struct WindowGeometry
{
    // As large as a Qt widget can be. Stored sizes and places are brought within it, so the
    // placement arithmetic cannot overflow.
    static constexpr int Limit = (1 << 24) - 1;

    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    bool maximized = false;

    friend bool operator==(const WindowGeometry &, const WindowGeometry &) = default;
};

// What frame, caption and menu added to a game window's table on the system the stored window
// sizes were measured on, so a stored size gives the same table here whatever our own menu bar
// takes.
inline constexpr QSize GameWindowChrome{8, 56};

// Missing keys give the defaults; sizes are kept within 0..Limit and places within
// -Limit..Limit.
WindowGeometry readWindowGeometry(const IniFile &file, const QString &section,
                                  const WindowGeometry &defaults);
void writeWindowGeometry(IniFile &file, const QString &section, const WindowGeometry &geometry);

// A stored window that lies wholly off every screen (a monitor since unplugged, say) is moved
// onto the primary screen at the given offset from its corner; any other stays where it was.
QRect keepOnScreens(const QRect &window, const QList<QRect> &screens, const QRect &primary,
                    QPoint offset);
