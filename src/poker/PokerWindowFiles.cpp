// The Poker window's saved-game commands: the save question, Save, Save As and Open.

#include "PokerWindow.h"

#include "FileError.h"
#include "PokerSave.h"
#include "QuestionDialog.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>

namespace {

const QString FileCaptionPrefix = QStringLiteral("Kovra - Poker - ");

}

bool PokerWindow::AskSaveGame()
{
    if (pokerGame.isSaved())
        return true;
    switch (AskYesNoCancel(QStringLiteral("Would you like to save the current game?"))) {
    case 'N':
        return true;
    case 'C':
        return false;
    default:
        Save();
        return pokerGame.isSaved();
    }
}

void PokerWindow::Save()
{
    if (HasFileName)
        SaveGame(GameFileName);
    else
        SaveAs();
}

// A declined overwrite leaves the current file name as it was, so a later Save cannot write
// over the file the player just refused to replace.
void PokerWindow::SaveAs()
{
    const QString chosen = chooseGameFile(QFileDialog::AcceptSave);
    if (chosen.isEmpty())
        return;
    const QString path = PokerSave::withExtension(chosen);
    if (QFileInfo::exists(path)
        && AskYesCancel(QStringLiteral("File ") + path
                        + QStringLiteral(" already exists.\nDo you want to overwrite it?"))
            != 'Y')
        return;
    SaveGame(path);
}

void PokerWindow::SaveGame(const QString &path)
{
    useGameFile(path, PokerSave::saveGame);
}

void PokerWindow::LoadGame()
{
    if (pokerGame.canSave() && !AskSaveGame())
        return;
    const QString path = chooseGameFile(QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    if (!useGameFile(path, PokerSave::loadGame))
        return;
    gameTally = {};
    startBankLine();
    gameOverPanel->hide();
    resultPanel->hide();
    setPlayable(true);
    showGame();
}

// A file that cannot be used is reported and changes neither the game nor the current file.
bool PokerWindow::useGameFile(const QString &path, void (*use)(const QString &, PokerGame &))
{
    try {
        use(path, pokerGame);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
        return false;
    }
    GameFileName = path;
    HasFileName = true;
    setWindowTitle(FileCaptionPrefix + QFileInfo(path).fileName());
    return true;
}
