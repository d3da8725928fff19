#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Windows icon files holding several sizes at once (Qt's own writer stores only one image).
// Each image is a 32-bit device-independent bitmap with alpha plus the 1-bit mask that older
// readers use.
namespace IcoFile {

QByteArray encode(const QList<QImage> &images);

}
