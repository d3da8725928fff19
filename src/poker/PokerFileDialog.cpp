#include "PokerFileDialog.h"

#include "PokerSave.h"

QString choosePokerFile(QWidget *parent, const QString &folder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString(), folder, QString::fromLatin1(PokerSave::FileFilter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(
        mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromLatin1(PokerSave::Extension + 1));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
