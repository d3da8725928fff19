// The Twelve window keeps an unfinished game when it closes and goes on with it when it opens.
#include "TwelveWindow.h"

#include "DataDir.h"
#include "FileError.h"
#include "QuestionDialog.h"
#include "TwelveKeptGame.h"
#include "TwelveTable.h"

#include <QFileInfo>
#include <QTimer>

namespace {

QString keptGamePath()
{
    return UserFile(QString::fromLatin1(TwelveKeptGame::FileName));
}

} // namespace

bool TwelveWindow::continueKeptGame()
{
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
    if (!turn.ResumeGame(*kept.game)) {
        keptGameUnreadable();
        return false;
    }
    keptRules = {kept.game->Difficulty, kept.game->ScoringMode};
    settingsRules = settings;
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
    const QString aside = TwelveKeptGame::setAside(path);
    keptFileStuck = aside.isEmpty();
    ShowOkMessage(keptFileStuck
                      ? QStringLiteral("The kept game %1 cannot be read, so a new game starts "
                                       "and the file stays as it is.")
                            .arg(path)
                      : QStringLiteral("The kept game could not be read, so it was put aside as "
                                       "%1 and a new game starts.")
                            .arg(QFileInfo(aside).fileName()));
}

void TwelveWindow::keepGame()
{
    if (keptFileStuck)
        return;
    if (twelve.GameOver || twelve.RoundNo == 0) {
        forgetKeptGame();
        return;
    }
    try {
        TwelveKeptGame::write(keptGamePath(), turn.TurnStart());
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

void TwelveWindow::forgetKeptGame()
{
    if (!keptFileStuck)
        TwelveKeptGame::remove(keptGamePath());
}

bool TwelveWindow::playingKeptRules() const
{
    return settingsRules && GameRules{twelve.Difficulty, twelve.ScoringMode} == keptRules
        && *settingsRules != keptRules;
}

// A new game plays by the player's settings again.
void TwelveWindow::restoreSettingsRules()
{
    if (playingKeptRules()) {
        twelve.Difficulty = settingsRules->Difficulty;
        twelve.ScoringMode = settingsRules->ScoringMode;
    }
    settingsRules.reset();
    UpdateTitles();
}
