#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures that come with the table (buttons, panels, frames), kept plain, twice and four
// times as dense. Each is given for the device pixels a designed pixel takes: the densest copy
// needed, brought down to exactly that size, so it stays sharp on a large table and on dense
// screens alike.
class TwelveTablePictures
{
public:
    // Device pixels per designed pixel; a change drops the copies made for the last one.
    void setRatio(qreal ratio);
    qreal ratio() const { return pixelRatio; }

    // The picture of that name for a part of the designed size.
    QPixmap picture(const QString &name, QSize designed);

private:
    qreal pixelRatio = 1;
    QHash<QString, QPixmap> made;
};
