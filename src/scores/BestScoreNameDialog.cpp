#include "BestScoreNameDialog.h"

#include "Application.h"
#include "BestScores.h"
#include "WindowCentre.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BestScoreNameDialog *bestScoreNameDialog = nullptr;

namespace {

constexpr QSize ClientSize{397, 231};
constexpr int HeadlinePixels = 27;
constexpr QRect HeadlineRect{0, 16, 397, 36};
// Room for two lines, so that a long score wraps instead of being cut off.
constexpr QRect ScoreRect{8, 58, 381, 72};
constexpr QRect NameLabelRect{56, 148, 44, 24};
constexpr QRect NameEditRect{104, 148, 237, 24};
constexpr QRect OkRect{158, 192, 81, 25};

QLabel *headline(const QString &text, QColor colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(HeadlinePixels);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}

BestScoreNameDialog::BestScoreNameDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , topScoresLabel(
          headline(QStringLiteral("You are in the top scores!"), QColor(128, 0, 0), this))
    , scoreLabel(headline(QString(), QColor(0, 0, 128), this))
    , nameCaption(new QLabel(QStringLiteral("Name:"), this))
    , nameEdit(new QLineEdit(QString::fromLatin1(BestScoreList::DefaultName), this))
    , okButton(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(applicationTitle());
    setModal(true);
    setFixedSize(ClientSize);

    topScoresLabel->setGeometry(HeadlineRect);
    scoreLabel->setGeometry(ScoreRect);
    scoreLabel->setWordWrap(true);
    nameCaption->setGeometry(NameLabelRect);
    nameCaption->setBuddy(nameEdit);
    nameEdit->setGeometry(NameEditRect);
    nameEdit->setMaxLength(BestScoreList::NameLength);
    okButton->setGeometry(OkRect);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString BestScoreNameDialog::askName(int score)
{
    scoreLabel->setText(QStringLiteral("Your score is %1 points!").arg(score));
    exec();
    return nameEdit->text();
}

void BestScoreNameDialog::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    nameEdit->setFocus();
    nameEdit->selectAll();
}
