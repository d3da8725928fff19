#include "WholeFile.h"

#include "FileError.h"

#include <QSaveFile>

void writeWholeFile(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // The last bytes sit in Qt's buffer until commit(), which renames the temporary file even
    // when writing them out failed (a full disk, a size limit). So they are flushed, and the
    // device asked for errors, while the old file can still be kept.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush()
        && file.error() == QFileDevice::NoError && file.commit();
    if (!written)
        throw writeError(path);
}
