#include "BestScores.h"

#include "AnsiText.h"
#include "DataDir.h"
#include "FileError.h"
#include "IniFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString ChecksumSection = QStringLiteral("CS");
const QString ChecksumKey = QStringLiteral("CS");
const QByteArray MissingChecksum = QByteArrayLiteral("000000000000");
const QString NameKey = QStringLiteral("Nev");
const QString ScoreKey = QStringLiteral("Pont");

QString placeSection(int place)
{
    return QStringLiteral("Hely") + QString::number(place);
}

qint64 byteSum(const QByteArray &bytes)
{
    qint64 sum = 0;
    for (const char byte : bytes)
        sum += static_cast<unsigned char>(byte);
    return sum;
}

}

BestScoreList::BestScoreList(const QString &base)
    : baseName(base)
{
    ResetBestScores();
}

QString BestScoreList::filePath() const
{
    const QFileInfo info(baseName);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? baseName : baseName.chopped(suffix.size() + 1);
    return stem + QStringLiteral(".ere");
}

void BestScoreList::setCount(int places)
{
    placeCount = std::clamp(places, 1, MaxPlaces);
}

void BestScoreList::ShowBestScores(int score, BestScoreView &view)
{
    const QString path = filePath();
    const bool existed = QFileInfo::exists(path);
    IniFile file(path);
    if (!enterScore(file, existed, score, view))
        return;
    try {
        file.save();
    } catch (const FileError &error) {
        view.reportWriteError(error.message());
        return;
    }
    view.showList();
}

bool BestScoreList::enterScore(IniFile &file, bool existed, int score, BestScoreView &view)
{
    bool damaged = false;
    if (!read(file)) {
        ResetBestScores();
        // A file that could not be read is not known to be damaged; saving reports it. One
        // far too large to be a list is.
        if (existed && (file.tooLarge() || !file.unreadable()))
            view.reportDamagedFile();
        damaged = true;
    }
    if (score < 0) {
        ResetBestScores();
        damaged = true;
    }
    if (score > 0 && score <= entry(placeCount).Score && !damaged)
        return false;
    highlighted = score > 0 ? InsertScore(score, view.askName(score)) : -1;
    write(file);
    return true;
}

void BestScoreList::ResetBestScores()
{
    for (BestScoreEntry &place : places)
        place = {DefaultName, 0};
}

int BestScoreList::InsertScore(int score, const QString &name)
{
    const BestScoreEntry newEntry{storedName(name), score};
    int place = placeCount;
    places[place - 1] = newEntry;
    while (place > 1 && places[place - 2].Score < score) {
        places[place - 1] = places[place - 2];
        places[place - 2] = newEntry;
        --place;
    }
    return place;
}

QString BestScoreList::BestScoreChecksum() const
{
    const qint64 n = placeCount;
    const qint64 f = byteSum(AnsiText::encode(QFileInfo(filePath()).fileName()));
    qint64 a = 0, b = 0, c = 0, d = 0, s = 0, m = 0, w = 0;
    for (qint64 k = 1; k <= n; ++k) {
        const BestScoreEntry &place = entry(static_cast<int>(k));
        const QByteArray &name = place.Name;
        const qint64 v = place.Score;
        if (!name.isEmpty())
            a += static_cast<unsigned char>(name.front());
        b += byteSum(name);
        c += name.size();
        for (qint64 i = 1; i <= name.size(); ++i)
            d += i * k * static_cast<unsigned char>(name[i - 1]);
        s += v;
        m += v % 10;
        w += v * k;
    }
    QString text;
    for (const qint64 number : {n * 11, f * 53, a * 123 + s, b * 32 + w, d * 46 + m, c * 417 + s,
                                s * 383 + b, m * 362 + c, w * 29 + d})
        text += QString::number(number);
    return text;
}

bool BestScoreList::read(const IniFile &file)
{
    for (int k = 1; k <= placeCount; ++k) {
        places[k - 1] = {file.readBytes(placeSection(k), NameKey, DefaultName).left(NameLength),
                         file.readInteger(placeSection(k), ScoreKey, 0)};
    }
    const bool sound
        = QString::fromLatin1(file.readBytes(ChecksumSection, ChecksumKey, MissingChecksum))
        == BestScoreChecksum();
    // A cut can leave a name ending in a blank, which a line of the file cannot keep. The name
    // is held as the file will give it back, so that the list saved next reads back sound.
    for (BestScoreEntry &place : places)
        place.Name = IniFile::valueAsStored(place.Name);
    return sound;
}

void BestScoreList::write(IniFile &file) const
{
    for (int k = 1; k <= placeCount; ++k) {
        file.writeBytes(placeSection(k), NameKey, entry(k).Name);
        file.writeInteger(placeSection(k), ScoreKey, entry(k).Score);
    }
    file.writeBytes(ChecksumSection, ChecksumKey, BestScoreChecksum().toLatin1());
}

QByteArray BestScoreList::storedName(const QString &typed)
{
    QByteArray bytes = AnsiText::encode(typed);
    for (char &byte : bytes) {
        if (byte >= 0 && byte < ' ')
            byte = ' ';
    }
    return bytes.left(NameLength).trimmed();
}

BestScoreList &bestScoreList()
{
    // Named after the program until a game sets its base.
    static BestScoreList list(
        UserFile(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    return list;
}
