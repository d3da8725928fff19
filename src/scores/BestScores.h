#pragma once

#include <QByteArray>
#include <QString>
#include <array>

class IniFile;

// One place of a best-scores list. The name is kept as the Windows-1250 bytes that the file
// holds and the checksum sums.
struct BestScoreEntry
{
    QByteArray Name;
    qint64 Score = 0;
};

// What the list asks of its windows while it records a score.
class BestScoreView
{
public:
    virtual ~BestScoreView() = default;
    // Asks the player's name for a score that enters the list.
    virtual QString askName(int score) = 0;
    virtual void reportDamagedFile() = 0;
    virtual void reportWriteError(const QString &message) = 0;
    virtual void showList() = 0;
};

// The best scores of one game, kept in a ".ere" file with a checksum that tells whether the
// file was edited by hand. Places run from 1 (best) to count(), in falling order of score.
class BestScoreList
{
public:
    static constexpr int MaxPlaces = 25;
    static constexpr int NameLength = 25;
    static inline const QByteArray DefaultName = QByteArrayLiteral("Anonymus");

    explicit BestScoreList(const QString &base);

    // A path whose extension is replaced by ".ere" to name the list file.
    void setBase(const QString &path) { baseName = path; }
    const QString &base() const { return baseName; }
    QString filePath() const;

    // Clamped to 1..MaxPlaces.
    void setCount(int places);
    int count() const { return placeCount; }

    const BestScoreEntry &entry(int place) const { return places.at(place - 1); }
    // The place of the newest entry, -1 when the list shows none.
    int highlightPlace() const { return highlighted; }

    // Loads the file, then: a positive score is offered to the list (the name is asked only when
    // it enters), 0 shows the list, a negative score clears it. Saves and shows the list unless
    // a positive score with a sound file does not enter.
    void ShowBestScores(int score, BestScoreView &view);
    // The same on a file already read (existed: whether there was one), without saving it: true
    // when the list went into the file and is to be saved and shown.
    bool enterScore(IniFile &file, bool existed, int score, BestScoreView &view);

    void ResetBestScores();
    // Puts a new score in below every equal one and returns its place; the name is cut to
    // NameLength bytes.
    int InsertScore(int score, const QString &name);
    QString BestScoreChecksum() const;

    // Fills the list from the file; true when the file's checksum matches it.
    bool read(const IniFile &file);
    void write(IniFile &file) const;

    // The bytes a typed name is stored as: Windows-1250, cut to NameLength bytes, without the
    // blanks and control characters that the file's key=value lines cannot carry.
    static QByteArray storedName(const QString &typed);

private:
    QString baseName;
    int placeCount = MaxPlaces;
    int highlighted = -1;
    std::array<BestScoreEntry, MaxPlaces> places;
};

// The program's one list. A game sets its base and count, and the captions of the name window,
// the list window and the question dialog, before it calls ShowBestScores.
BestScoreList &bestScoreList();
