#include "uValasz.h"

#include "Application.h"
#include "FitMessage.h"
#include "WindowCentre.h"
#include "WindowFrame.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

TfrmValasz *frmValasz = nullptr;

namespace {

constexpr QSize DesignClientSize{306, 162};
constexpr int PanelHeight = 43;
constexpr int ButtonTop = 9;
constexpr int ButtonHeight = 24;
constexpr int LeftSlot = 21;
constexpr int MiddleSlot = 114;
constexpr int RightSlot = 208;

}

TfrmValasz::TfrmValasz(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , lblKerdes(new QLabel(this))
    , pnlGombok(new QFrame(this))
    , bbtnMegsem(new QPushButton(QStringLiteral("Cancel"), pnlGombok))
    , bbtnOk(new QPushButton(QStringLiteral("Ok"), pnlGombok))
    , bbtnNem(new QPushButton(QStringLiteral("No"), pnlGombok))
{
    setWindowTitle(applicationTitle());
    setModal(true);

    QFont messageFont(QStringLiteral("Times New Roman"));
    messageFont.setPixelSize(18);
    lblKerdes->setFont(messageFont);
    lblKerdes->setAlignment(Qt::AlignCenter);
    lblKerdes->setWordWrap(true);

    bbtnMegsem->setGeometry(RightSlot, ButtonTop, 82, ButtonHeight);
    bbtnOk->setGeometry(LeftSlot, ButtonTop, 81, ButtonHeight);
    bbtnNem->setGeometry(MiddleSlot, ButtonTop, 82, ButtonHeight);
    bbtnNem->hide();
    bbtnOk->setDefault(true);
    setTabOrder(bbtnMegsem, bbtnOk);
    setTabOrder(bbtnOk, bbtnNem);
    for (QPushButton *button : {bbtnMegsem, bbtnOk, bbtnNem})
        connect(button, &QPushButton::clicked, this, [this, button] { press(button); });

    resizeTo(DesignClientSize + DialogFrame);
}

void TfrmValasz::press(QPushButton *button)
{
    lastAnswer = button->text().at(0).toLatin1();
    if (button == bbtnOk)
        accept();
    else
        QDialog::reject();
}

// Esc and a close by the system answer as the right-hand button would.
void TfrmValasz::reject()
{
    if (!bbtnMegsem->isHidden())
        press(bbtnMegsem);
    else
        QDialog::reject();
}

void TfrmValasz::resizeTo(QSize outer)
{
    outerSize = outer;
    const QSize client = outer - DialogFrame;
    setFixedSize(client);
    pnlGombok->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
    lblKerdes->setGeometry(0, 0, client.width(), client.height() - PanelHeight);
}

void TfrmValasz::prepare(const QString &message)
{
    const QFontMetrics metrics(lblKerdes->font());
    const FitMessage::Result fitted = FitMessage::breakLongWords(
        message, [&](const QString &piece) { return metrics.horizontalAdvance(piece); });
    resizeTo({fitted.dialogWidth, FitMessage::dialogHeight(message)});
    lblKerdes->setText(fitted.text);
}

// Centred over the main window, kept on the screen.
void TfrmValasz::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    for (QPushButton *button : {bbtnMegsem, bbtnOk, bbtnNem}) {
        if (!button->isHidden()) {
            button->setFocus();
            break;
        }
    }
}

char TfrmValasz::showModal()
{
    exec();
    return lastAnswer;
}

char TfrmValasz::askYesNo(const QString &message)
{
    prepare(message);
    bbtnMegsem->setText(QStringLiteral("No"));
    bbtnOk->setText(QStringLiteral("Yes"));
    bbtnOk->move(MiddleSlot, ButtonTop);
    return showModal();
}

char TfrmValasz::askYesCancel(const QString &message)
{
    prepare(message);
    bbtnMegsem->setText(QStringLiteral("Cancel"));
    bbtnOk->setText(QStringLiteral("Yes"));
    bbtnOk->move(MiddleSlot, ButtonTop);
    return showModal();
}

char TfrmValasz::askYesNoCancel(const QString &message)
{
    prepare(message);
    bbtnMegsem->setText(QStringLiteral("Cancel"));
    bbtnOk->setText(QStringLiteral("Yes"));
    bbtnNem->setText(QStringLiteral("No"));
    bbtnOk->move(LeftSlot, ButtonTop);
    bbtnNem->show();
    const char result = showModal();
    bbtnNem->hide();
    return result;
}

// The Ok button stays where the last question put it.
void TfrmValasz::showOkMessage(const QString &message)
{
    prepare(message);
    bbtnMegsem->hide();
    bbtnOk->setText(QStringLiteral("Ok"));
    showModal();
    bbtnMegsem->show();
}

char AskYesNo(const QString &message)
{
    return frmValasz->askYesNo(message);
}

char AskYesCancel(const QString &message)
{
    return frmValasz->askYesCancel(message);
}

char AskYesNoCancel(const QString &message)
{
    return frmValasz->askYesNoCancel(message);
}

void ShowOkMessage(const QString &message)
{
    frmValasz->showOkMessage(message);
}
