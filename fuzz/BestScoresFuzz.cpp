// A best-scores list file through a whole ShowBestScores (in memory, but for a file over the
// size limit), with the name typed for a new score and the windows answered: names are ones the
// file can hold, a list in order stays in order, a new score that enters is where the list says,
// and a saved list reads back sound and the same. A file over the size limit is reported as damaged
// and never written over.
//
// Input: a flags byte (whether the file gets the checksum of the list it holds, so that sound
// lists are explored too; how many places), the score, the typed name up to a line break, then
// the file.

#include "BestScores.h"
#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "IniFile.h"

namespace {

const QString FileName = QStringLiteral("Poker.ere");

// The windows of the list, answered at once.
class AnsweringView : public BestScoreView
{
public:
    explicit AnsweringView(const QString &name)
        : typed(name)
    { }

    QString askName(int) override
    {
        ++namesAsked;
        return typed;
    }
    void reportDamagedFile() override { ++damagedReports; }
    void reportWriteError(const QString &) override { ++writeErrors; }
    void showList() override { ++listsShown; }

    QString typed;
    int namesAsked = 0;
    int damagedReports = 0;
    int writeErrors = 0;
    int listsShown = 0;
};

BestScoreList listOf(int places)
{
    BestScoreList list(UserFile(QStringLiteral("Poker.exe")));
    list.setCount(places);
    return list;
}

// Gives the file the checksum of the list as it reads, so that sound lists are explored too.
void seal(IniFile &file, int places)
{
    BestScoreList list = listOf(places);
    list.read(file);
    file.writeBytes(QStringLiteral("CS"), QStringLiteral("CS"),
                    list.BestScoreChecksum().toLatin1());
}

bool holdable(const QByteArray &name)
{
    return name.size() <= BestScoreList::NameLength && IniFile::valueAsStored(name) == name;
}

bool inOrder(const BestScoreList &list)
{
    for (int place = 2; place <= list.count(); ++place) {
        if (list.entry(place - 1).Score < list.entry(place).Score)
            return false;
    }
    return true;
}

bool sameEntries(const BestScoreList &a, const BestScoreList &b)
{
    for (int place = 1; place <= a.count(); ++place) {
        if (a.entry(place).Name != b.entry(place).Name
            || a.entry(place).Score != b.entry(place).Score)
            return false;
    }
    return true;
}

// A file over the size limit, on disk as the game meets it: reported as damaged and kept.
void expectOverLimitKept(const QByteArray &file, int places, int score, AnsweringView &view)
{
    writeDataFile(FileName, file);
    BestScoreList list = listOf(places);
    list.ShowBestScores(score, view);
    // The list that could not be saved is not shown.
    FUZZ_EXPECT(view.damagedReports == 1 && view.writeErrors == 1 && view.listsShown == 0);
    FUZZ_EXPECT(readDataFile(FileName) == file);
}

} // namespace

QByteArray overLimitInput()
{
    const QByteArray unsealedOnePlace(1, '\0');
    const QByteArray score("\x64\0\0\0", 4);
    return unsealedOnePlace + score + "Anna\n"
        + overLimitFile("[Hely1]\r\nNev=Anna\r\nPont=900\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const int flags = input.takeByte();
    const bool sealed = flags & 1;
    const int places = 1 + (flags >> 1) % BestScoreList::MaxPlaces;
    const int score = input.takeInt32();
    AnsweringView view(QString::fromUtf8(input.takeLine(2 * BestScoreList::NameLength)));
    const QByteArray text = input.rest();
    if (overIniLimit(text.size())) {
        expectOverLimitKept(text, places, score, view);
        return 0;
    }
    IniFile file = IniFile::fromText(text);
    if (sealed)
        seal(file, places);

    // A list whose checksum fails is reset, which is in order; a sound one is taken as it
    // stands, in whatever order whoever gave it its checksum left it.
    BestScoreList list = listOf(places);
    const bool sound = list.read(file);
    countCheckPassed(sound);
    const bool ordered = !sound || inOrder(list);
    const bool entered = list.enterScore(file, true, score, view);
    FUZZ_EXPECT(view.namesAsked <= 1 && view.damagedReports <= 1);
    for (int place = 1; place <= places; ++place)
        FUZZ_EXPECT(holdable(list.entry(place).Name));
    FUZZ_EXPECT(!ordered || inOrder(list));
    if (view.namesAsked == 1) {
        FUZZ_EXPECT(score > 0 && list.entry(list.highlightPlace()).Score == score);
        FUZZ_EXPECT(list.entry(list.highlightPlace()).Name
                    == BestScoreList::storedName(view.typed));
    }
    if (!entered) {
        // Only a score that does not enter a sound list leaves the file, and shows nothing.
        FUZZ_EXPECT(score > 0 && view.damagedReports == 0);
        return 0;
    }

    IniFile reread = rereadStable(file);
    BestScoreList again = listOf(places);
    FUZZ_EXPECT(again.read(reread));
    FUZZ_EXPECT(sameEntries(again, list));

    AnsweringView shown(view.typed);
    FUZZ_EXPECT(again.enterScore(reread, true, 0, shown) && shown.damagedReports == 0);
    return 0;
}
