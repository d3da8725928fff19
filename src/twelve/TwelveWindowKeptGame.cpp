// The Twelve window keeps an unfinished game at the start of every turn and goes on with it
// when it opens. One window at a time keeps a game: a lock beside the file says which.
#include "TwelveWindow.h"

#include "DataDir.h"
#include "FileError.h"
#include "QuestionDialog.h"
#include "TwelveKeptGame.h"
#include "TwelveTable.h"
#include "WholeFile.h"

#include <QFileInfo>
#include <QLockFile>
#include <QTimer>

namespace {

QString keptGamePath()
{
    return UserFile(QString::fromLatin1(TwelveKeptGame::FileName));
}

} // namespace

// A lock left by a copy that is no longer running is taken over.
bool TwelveWindow::lockKeptGame()
{
    keptLock = std::make_unique<QLockFile>(keptGamePath() + QStringLiteral(".lock"));
    keptLock->setStaleLockTime(0);
    if (keptLock->tryLock(0))
        return true;
    // A folder that cannot hold the lock cannot hold the game either: its writes will say so.
    const bool heldElsewhere = keptLock->error() == QLockFile::LockFailedError;
    keptLock.reset();
    if (!heldElsewhere)
        return true;
    ShowOkMessage(QStringLiteral("Twelve is open in another window of this program, which keeps "
                                 "its game: this game will not be kept."));
    return false;
}

void TwelveWindow::unlockKeptGame()
{
    keptLock.reset();
}

bool TwelveWindow::continueKeptGame()
{
    if (!keeping)
        return false;
    const TwelveKeptGame::ReadResult kept = TwelveKeptGame::read(keptGamePath());
    if (!kept.found)
        return false;
    if (!kept.game) {
        keptGameUnreadable();
        return false;
    }
    const GameRules settings{twelve.Difficulty, twelve.ScoringMode};
    moveTimer->stop();
    table->clearMiddle();
    keptRules = {kept.game->Difficulty, kept.game->ScoringMode};
    settingsRules = settings;
    if (!turn.ResumeGame(*kept.game)) {
        settingsRules.reset();
        keptGameUnreadable();
        return false;
    }
    UpdateTitles();
    UpdateNameLabels();
    followTurn();
    table->SetStatus(QStringLiteral("Your unfinished game continues. %1")
                         .arg(QString::fromStdString(turn.Status())));
    return true;
}

void TwelveWindow::keptGameUnreadable()
{
    const QString path = keptGamePath();
    const QString aside = setAside(path);
    keptFileStuck = aside.isEmpty();
    ShowOkMessage(keptFileStuck
                      ? QStringLiteral("The kept game %1 cannot be read, so a new game starts "
                                       "and the file stays as it is.")
                            .arg(path)
                      : QStringLiteral("The kept game could not be read, so it was put aside as "
                                       "%1 and a new game starts.")
                            .arg(QFileInfo(aside).fileName()));
}

// A write that fails is reported once, until a write succeeds again.
void TwelveWindow::keepGame()
{
    if (!keeping || keptFileStuck)
        return;
    if (twelve.GameOver || twelve.RoundNo == 0) {
        forgetKeptGame();
        return;
    }
    try {
        TwelveKeptGame::write(keptGamePath(), turn.TurnStart());
        keepFailed = false;
    } catch (const FileError &error) {
        if (!keepFailed)
            ShowOkMessage(error.message());
        keepFailed = true;
    }
}

void TwelveWindow::forgetKeptGame()
{
    if (!keeping || keptFileStuck || TwelveKeptGame::forget(keptGamePath()))
        return;
    ShowOkMessage(QStringLiteral("The finished game kept in %1 could not be removed.")
                      .arg(keptGamePath()));
}

bool TwelveWindow::playingKeptRules() const
{
    return settingsRules && GameRules{twelve.Difficulty, twelve.ScoringMode} == keptRules
        && *settingsRules != keptRules;
}

// While a kept game plays by rules of its own, a rule the player has not changed since is his
// setting, not the kept game's.
TwelveWindow::GameRules TwelveWindow::playerRules() const
{
    GameRules rules{twelve.Difficulty, twelve.ScoringMode};
    if (!settingsRules)
        return rules;
    if (rules.Difficulty == keptRules.Difficulty)
        rules.Difficulty = settingsRules->Difficulty;
    if (rules.ScoringMode == keptRules.ScoringMode)
        rules.ScoringMode = settingsRules->ScoringMode;
    return rules;
}
