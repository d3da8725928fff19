#include "HelpViewer.h"

#include "Application.h"
#include "DataDir.h"
#include "QuestionDialog.h"
#include "RtfReader.h"
#include "WindowCentre.h"
#include "WindowFrame.h"

#include <QDir>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

HelpViewer *helpViewer = nullptr;

namespace {

constexpr QSize OuterSize{635, 459};

}

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
    , helpText(new QTextEdit(this))
{
    setWindowTitle(applicationTitle());
    setSizeGripEnabled(true);
    resize(OuterSize - SizeableFrame);

    helpText->setReadOnly(true);
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(helpText);
}

bool HelpViewer::showHelpFile(const QString &fileName, bool modal)
{
    const QString path = DataFile(fileName);
    switch (readRtfFile(path, *helpText->document())) {
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
    helpText->moveCursor(QTextCursor::Start);
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
void HelpViewer::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        centreOnScreen(this);
    QDialog::showEvent(event);
}

bool ShowHelpFile(const QString &fileName, bool modal)
{
    return helpViewer->showHelpFile(fileName, modal);
}
