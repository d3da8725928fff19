#include "uHelp1.h"

#include "Application.h"
#include "DataDir.h"
#include "RtfReader.h"
#include "WindowCentre.h"
#include "WindowFrame.h"
#include "uValasz.h"

#include <QDir>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

TfrmHelp1 *frmHelp1 = nullptr;

namespace {

constexpr QSize OuterSize{635, 459};

}

TfrmHelp1::TfrmHelp1(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , reHelp(new QTextEdit(this))
{
    setWindowTitle(applicationTitle());
    setSizeGripEnabled(true);
    resize(OuterSize - SizeableFrame);

    reHelp->setReadOnly(true);
    reHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(reHelp);
}

bool TfrmHelp1::showHelpFile(const QString &fileName, bool modal)
{
    const QString path = DataFile(fileName);
    switch (readRtfFile(path, *reHelp->document())) {
    case WholeFileRead::Read:
        break;
    case WholeFileRead::TooLarge:
        ShowOkMessage(QStringLiteral("File too large to show:\n") + QDir::toNativeSeparators(path));
        return false;
    case WholeFileRead::Missing:
    case WholeFileRead::Unreadable:
        ShowOkMessage(QStringLiteral("Cannot open file:\n") + QDir::toNativeSeparators(path));
        return false;
    }
    reHelp->moveCursor(QTextCursor::Start);
    if (modal) {
        exec();
    } else {
        show();
        raise();
        activateWindow();
    }
    return true;
}

// Centred on the screen each time it opens; a window already open stays where it is.
void TfrmHelp1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        centreOnScreen(this);
    QDialog::showEvent(event);
}

bool ShowHelpFile(const QString &fileName, bool modal)
{
    return frmHelp1->showHelpFile(fileName, modal);
}
