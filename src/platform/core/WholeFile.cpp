#include "WholeFile.h"

#include "FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

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

WholeFileRead::Outcome wholeFileCheck(const QString &path, qint64 sizeLimit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return WholeFileRead::Missing;
    if (!info.isFile())
        return WholeFileRead::Unreadable;
    if (info.size() > sizeLimit)
        return WholeFileRead::TooLarge;
    return WholeFileRead::Read;
}

WholeFileRead readWholeFile(const QString &path, qint64 sizeLimit)
{
    if (const WholeFileRead::Outcome outcome = wholeFileCheck(path, sizeLimit);
        outcome != WholeFileRead::Read)
        return {outcome, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {WholeFileRead::Unreadable, {}};
    // One byte more than allowed shows a file that grew after it was measured. The first piece
    // is as large as the file was, the rest come in pieces: a buffer of the whole limit would
    // make a small file cost as much as the largest.
    constexpr qint64 PieceSize = 64 * 1024;
    QByteArray bytes;
    qint64 pieceSize = std::min(file.size(), sizeLimit) + 1;
    while (bytes.size() <= sizeLimit && !file.atEnd()) {
        const QByteArray piece = file.read(std::min(pieceSize, sizeLimit + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
        pieceSize = PieceSize;
    }
    if (file.error() != QFileDevice::NoError)
        return {WholeFileRead::Unreadable, {}};
    if (bytes.size() > sizeLimit)
        return {WholeFileRead::TooLarge, {}};
    return {WholeFileRead::Read, std::move(bytes)};
}

QString setAside(const QString &path)
{
    const QFileInfo info(path);
    for (int number = 1; number < 1000; ++number) {
        const QString aside = info.dir().filePath(QStringLiteral("%1.unreadable-%2.%3")
                                                      .arg(info.completeBaseName())
                                                      .arg(number)
                                                      .arg(info.suffix()));
        if (QFileInfo::exists(aside))
            continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return {};
}
