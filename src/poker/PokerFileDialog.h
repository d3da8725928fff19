#pragma once

#include <QFileDialog>
#include <QString>
#include <functional>

// Asks the player for a saved-game file to open or to save to; an empty path means cancelled.
using PokerFileChooser = std::function<QString(QFileDialog::AcceptMode mode)>;

// The common file dialog with the saved-game filter and extension, opening in the folder.
// Overwriting is asked about by the caller, through the program's question dialog.
QString choosePokerFile(QWidget *parent, const QString &folder, QFileDialog::AcceptMode mode);
