#pragma once

#include <QPixmap>
#include <QString>

// A picture read from a data file (a wall texture, say) within its size limit; a null pixmap
// when the file is missing, unreadable, too large or no picture.
QPixmap pictureFromFile(const QString &path);
