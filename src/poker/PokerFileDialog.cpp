#include "PokerFileDialog.h"

#include "PokerSave.h"

QString choosePokerFile(QWidget *parent, const QString &folder, QFileDialog::AcceptMode mode)
{
    const bool opening = mode == QFileDialog::AcceptOpen;
    QFileDialog dialog(parent, opening ? QStringLiteral("Open") : QStringLiteral("Save As"), folder,
                       QString::fromLatin1(PokerSave::FileFilter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromLatin1(PokerSave::Extension + 1));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
