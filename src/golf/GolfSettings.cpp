#include "GolfSettings.h"

#include "DataDir.h"
#include "IniFile.h"

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Beallitas");
constexpr int NormalState = 1;
constexpr int MaximizedState = 2;

QString settingsPath()
{
    return UserFile(QStringLiteral("Golf.ini"));
}

int readInRange(const IniFile &file, const QString &key, int lowest, int highest, int def)
{
    const int value = file.readInteger(Section, key, def);
    return value < lowest || value > highest ? def : value;
}

int readClamped(const IniFile &file, const QString &key, int lowest, int highest, int def)
{
    return std::clamp(file.readInteger(Section, key, def), lowest, highest);
}

}

GolfSettings readGolfSettings()
{
    const IniFile file(settingsPath());
    GolfSettings settings;
    const GolfSettings defaults;
    settings.sound = file.readBool(Section, QStringLiteral("Hang"), defaults.sound);
    settings.winnableOnly
        = file.readBool(Section, QStringLiteral("CsakNyerheto"), defaults.winnableOnly);
    settings.hints = file.readBool(Section, QStringLiteral("Tippek"), defaults.hints);
    settings.backIndex = readInRange(file, QStringLiteral("AktHatlapSSz"), 0,
                                     GolfSettings::BackDesigns - 1, defaults.backIndex);
    GolfLayout &layout = settings.layout;
    layout.columns = readInRange(file, QStringLiteral("AktOszlSzam"), 1, GolfLayout::MaxColumns,
                                 defaults.layout.columns);
    layout.rows = readInRange(file, QStringLiteral("AktSorSzam"), 1, GolfLayout::MaxRows,
                              defaults.layout.rows);
    if (layout.dealtCards() > GolfLayout::DeckSize)
        layout.rows = GolfLayout::DeckSize / layout.columns;

    GolfWindowGeometry &geometry = settings.geometry;
    const int limit = GolfWindowGeometry::Limit;
    geometry.width = readClamped(file, QStringLiteral("FormSzel"), 0, limit, geometry.width);
    geometry.height = readClamped(file, QStringLiteral("FormMag"), 0, limit, geometry.height);
    geometry.left = readClamped(file, QStringLiteral("FormBal"), -limit, limit, geometry.left);
    geometry.top = readClamped(file, QStringLiteral("FormTeto"), -limit, limit, geometry.top);
    geometry.maximized
        = file.readInteger(Section, QStringLiteral("FormStatusz"), NormalState) != NormalState;
    return settings;
}

void writeGolfSettings(const GolfSettings &settings)
{
    IniFile file(settingsPath());
    file.writeBool(Section, QStringLiteral("Hang"), settings.sound);
    file.writeBool(Section, QStringLiteral("CsakNyerheto"), settings.winnableOnly);
    file.writeBool(Section, QStringLiteral("Tippek"), settings.hints);
    file.writeInteger(Section, QStringLiteral("AktHatlapSSz"), settings.backIndex);
    file.writeInteger(Section, QStringLiteral("AktOszlSzam"), settings.layout.columns);
    file.writeInteger(Section, QStringLiteral("AktSorSzam"), settings.layout.rows);
    const GolfWindowGeometry &geometry = settings.geometry;
    file.writeInteger(Section, QStringLiteral("FormSzel"), geometry.width);
    file.writeInteger(Section, QStringLiteral("FormMag"), geometry.height);
    file.writeInteger(Section, QStringLiteral("FormBal"), geometry.left);
    file.writeInteger(Section, QStringLiteral("FormTeto"), geometry.top);
    file.writeInteger(Section, QStringLiteral("FormStatusz"),
                      geometry.maximized ? MaximizedState : NormalState);
    file.save();
}
