#include "WindowGeometry.h"

#include "IniFile.h"

#include <algorithm>

namespace {

// The window states as the settings files have always stored them.
constexpr int NormalState = 1;
constexpr int MaximizedState = 2;

int readClamped(const IniFile &file, const QString &section, const QString &key, int lowest,
                int highest, int def)
{
    return std::clamp(file.readInteger(section, key, def), lowest, highest);
}

}

WindowGeometry readWindowGeometry(const IniFile &file, const QString &section,
                                  const WindowGeometry &defaults)
{
    const int limit = WindowGeometry::Limit;
    WindowGeometry geometry;
    geometry.width
        = readClamped(file, section, QStringLiteral("FormSzel"), 0, limit, defaults.width);
    geometry.height
        = readClamped(file, section, QStringLiteral("FormMag"), 0, limit, defaults.height);
    geometry.left
        = readClamped(file, section, QStringLiteral("FormBal"), -limit, limit, defaults.left);
    geometry.top
        = readClamped(file, section, QStringLiteral("FormTeto"), -limit, limit, defaults.top);
    const int defaultState = defaults.maximized ? MaximizedState : NormalState;
    geometry.maximized
        = file.readInteger(section, QStringLiteral("FormStatusz"), defaultState) != NormalState;
    return geometry;
}

void writeWindowGeometry(IniFile &file, const QString &section, const WindowGeometry &geometry)
{
    file.writeInteger(section, QStringLiteral("FormSzel"), geometry.width);
    file.writeInteger(section, QStringLiteral("FormMag"), geometry.height);
    file.writeInteger(section, QStringLiteral("FormBal"), geometry.left);
    file.writeInteger(section, QStringLiteral("FormTeto"), geometry.top);
    file.writeInteger(section, QStringLiteral("FormStatusz"),
                      geometry.maximized ? MaximizedState : NormalState);
}

QRect keepOnScreens(const QRect &window, const QList<QRect> &screens, const QRect &primary,
                    QPoint offset)
{
    const bool seen = std::any_of(screens.begin(), screens.end(),
                                  [&](const QRect &screen) { return screen.intersects(window); });
    if (seen)
        return window;
    return window.translated(primary.topLeft() + offset - window.topLeft());
}
