#include "uNyert.h"

#include "Application.h"
#include "BestScores.h"
#include "WindowCentre.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmNyert *frmNyert = nullptr;

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

TfrmNyert::TfrmNyert(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Label1(headline(QStringLiteral("You are in the top scores!"), QColor(128, 0, 0), this))
    , lblPont(headline(QString(), QColor(0, 0, 128), this))
    , Label2(new QLabel(QStringLiteral("Name:"), this))
    , edtNev(new QLineEdit(QString::fromLatin1(BestScoreList::DefaultName), this))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(applicationTitle());
    setModal(true);
    setFixedSize(ClientSize);

    Label1->setGeometry(HeadlineRect);
    lblPont->setGeometry(ScoreRect);
    lblPont->setWordWrap(true);
    Label2->setGeometry(NameLabelRect);
    Label2->setBuddy(edtNev);
    edtNev->setGeometry(NameEditRect);
    edtNev->setMaxLength(BestScoreList::NameLength);
    bbtnOk->setGeometry(OkRect);
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfrmNyert::askName(int score)
{
    lblPont->setText(QStringLiteral("Your score is %1 points!").arg(score));
    exec();
    return edtNev->text();
}

void TfrmNyert::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    edtNev->setFocus();
    edtNev->selectAll();
}
