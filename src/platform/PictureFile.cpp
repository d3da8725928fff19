#include "PictureFile.h"

#include "FileLimits.h"
#include "WholeFile.h"

QPixmap pictureFromFile(const QString &path)
{
    const WholeFileRead file = readWholeFile(path, FileLimits::MaxPictureSize);
    QPixmap picture;
    if (file.outcome == WholeFileRead::Read)
        picture.loadFromData(file.bytes);
    return picture;
}
