#include "QuestionDialog.h"

#include "Application.h"
#include "FitMessage.h"
#include "WindowCentre.h"
#include "WindowFrame.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

QuestionDialog *questionDialog = nullptr;

namespace {

constexpr QSize DesignClientSize{306, 162};
constexpr int PanelHeight = 43;
constexpr int ButtonTop = 9;
constexpr int ButtonHeight = 24;
constexpr int LeftSlot = 21;
constexpr int MiddleSlot = 114;
constexpr int RightSlot = 208;
constexpr int ButtonGap = 12;
}

QuestionDialog::QuestionDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , messageLabel(new QLabel(this))
    , buttonPanel(new QFrame(this))
    , cancelButton(new QPushButton(QStringLiteral("Cancel"), buttonPanel))
    , okButton(new QPushButton(QStringLiteral("Ok"), buttonPanel))
    , noButton(new QPushButton(QStringLiteral("No"), buttonPanel))
{
    setWindowTitle(applicationTitle());
    setModal(true);

    QFont messageFont(QStringLiteral("Times New Roman"));
    messageFont.setPixelSize(18);
    messageLabel->setFont(messageFont);
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setWordWrap(true);

    cancelButton->setGeometry(RightSlot, ButtonTop, 82, ButtonHeight);
    okButton->setGeometry(LeftSlot, ButtonTop, 81, ButtonHeight);
    noButton->setGeometry(MiddleSlot, ButtonTop, 82, ButtonHeight);
    noButton->hide();
    okButton->setDefault(true);
    setTabOrder(cancelButton, okButton);
    setTabOrder(okButton, noButton);
    for (QPushButton *button : {cancelButton, okButton, noButton})
        connect(button, &QPushButton::clicked, this, [this, button] { press(button); });

    resizeTo(DesignClientSize + DialogFrame);
}

void QuestionDialog::press(QPushButton *button)
{
    lastAnswer = button->text().at(0).toLatin1();
    if (button == okButton)
        accept();
    else
        QDialog::reject();
}

// Esc and a close by the system answer as the right-hand button would.
void QuestionDialog::reject()
{
    if (!cancelButton->isHidden())
        press(cancelButton);
    else
        QDialog::reject();
}

void QuestionDialog::resizeTo(QSize outer)
{
    outerSize = outer;
    const QSize client = outer - DialogFrame;
    setFixedSize(client);
    buttonPanel->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
    messageLabel->setGeometry(0, 0, client.width(), client.height() - PanelHeight);
}

void QuestionDialog::prepare(const QString &message)
{
    const QFontMetrics metrics(messageLabel->font());
    const FitMessage::Result fitted = FitMessage::breakLongWords(
        message, [&](const QString &piece) { return metrics.horizontalAdvance(piece); });
    resizeTo({fitted.dialogWidth, FitMessage::dialogHeight(message)});
    messageLabel->setText(fitted.text);
}

// Centred over the main window, kept on the screen.
void QuestionDialog::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    for (QPushButton *button : {cancelButton, okButton, noButton}) {
        if (!button->isHidden()) {
            button->setFocus();
            break;
        }
    }
}

char QuestionDialog::showModal()
{
    exec();
    return lastAnswer;
}

char QuestionDialog::askYesNo(const QString &message)
{
    prepare(message);
    cancelButton->setText(QStringLiteral("No"));
    okButton->setText(QStringLiteral("Yes"));
    okButton->move(MiddleSlot, ButtonTop);
    return showModal();
}

char QuestionDialog::askYesCancel(const QString &message)
{
    prepare(message);
    cancelButton->setText(QStringLiteral("Cancel"));
    okButton->setText(QStringLiteral("Yes"));
    okButton->move(MiddleSlot, ButtonTop);
    return showModal();
}

char QuestionDialog::askYesNoCancel(const QString &message)
{
    prepare(message);
    cancelButton->setText(QStringLiteral("Cancel"));
    okButton->setText(QStringLiteral("Yes"));
    noButton->setText(QStringLiteral("No"));
    okButton->move(LeftSlot, ButtonTop);
    noButton->show();
    const char result = showModal();
    noButton->hide();
    return result;
}

char QuestionDialog::askChoice(const QString &message, const QString &first, const QString &second)
{
    prepare(message);
    okButton->setText(first);
    cancelButton->setText(second);
    const QRect okPlace = okButton->geometry();
    const QRect cancelPlace = cancelButton->geometry();
    // Grown leftwards from the right edge and rightwards from the middle, the two stay apart.
    okButton->setGeometry(MiddleSlot, ButtonTop,
                          std::max(okPlace.width(), okButton->sizeHint().width()), ButtonHeight);
    const int cancelWidth = std::max(cancelPlace.width(), cancelButton->sizeHint().width());
    cancelButton->setGeometry(std::max(okButton->geometry().right() + 1 + ButtonGap,
                                       cancelPlace.right() + 1 - cancelWidth),
                              ButtonTop, cancelWidth, ButtonHeight);
    if (cancelButton->geometry().right() >= width())
        resizeTo(outerSize + QSize(cancelButton->geometry().right() + 1 + ButtonGap - width(), 0));
    const char result = showModal();
    okButton->setGeometry(okPlace);
    cancelButton->setGeometry(cancelPlace);
    return result;
}

// The Ok button stays where the last question put it.
void QuestionDialog::showOkMessage(const QString &message)
{
    prepare(message);
    cancelButton->hide();
    okButton->setText(QStringLiteral("Ok"));
    showModal();
    cancelButton->show();
}

char AskYesNo(const QString &message)
{
    return questionDialog->askYesNo(message);
}

char AskYesCancel(const QString &message)
{
    return questionDialog->askYesCancel(message);
}

char AskYesNoCancel(const QString &message)
{
    return questionDialog->askYesNoCancel(message);
}

char AskChoice(const QString &message, const QString &first, const QString &second)
{
    return questionDialog->askChoice(message, first, second);
}

void ShowOkMessage(const QString &message)
{
    questionDialog->showOkMessage(message);
}
