#include "uGolfBeall.h"

#include "uValasz.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

TfrmGolfBeall *frmGolfBeall = nullptr;

namespace {

constexpr QSize ClientSize{210, 130};
constexpr int LabelLeft = 30;
constexpr int SpinLeft = 110;
constexpr QSize SpinSize{60, 22};
constexpr int FirstRowTop = 20;
constexpr int RowPitch = 32;
constexpr int PanelHeight = 43;
constexpr int ButtonTop = 9;
constexpr QSize ButtonSize{80, 24};
constexpr int OkLeft = 20;
constexpr int CancelLeft = 110;
constexpr int FewestColumnsOrRows = 3;
// A screen this narrow cannot show ten columns.
constexpr int NarrowScreenWidth = 640;
constexpr int NarrowScreenColumns = 8;

}

TfrmGolfBeall::TfrmGolfBeall(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , lblOszl(new QLabel(QStringLiteral("Colons"), this))
    , seOszl(new QSpinBox(this))
    , lblSor(new QLabel(QStringLiteral("Rows"), this))
    , seSor(new QSpinBox(this))
    , pnlGombok(new QFrame(this))
    , bbtnMegsem(new QPushButton(QStringLiteral("Cancel"), pnlGombok))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), pnlGombok))
{
    setWindowTitle(QStringLiteral("Golf - Settings"));
    setModal(true);
    setFixedSize(ClientSize);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool narrowScreen = screen && screen->geometry().width() <= NarrowScreenWidth;
    seOszl->setRange(FewestColumnsOrRows,
                     narrowScreen ? NarrowScreenColumns : GolfLayout::MaxColumns);
    seSor->setRange(FewestColumnsOrRows, GolfLayout::MaxRows);

    const std::pair<QLabel *, QSpinBox *> rows[] = {{lblOszl, seOszl}, {lblSor, seSor}};
    int top = FirstRowTop;
    for (const auto &[label, spin] : rows) {
        spin->setGeometry(QRect(QPoint(SpinLeft, top), SpinSize));
        label->setGeometry(LabelLeft, top, SpinLeft - LabelLeft, SpinSize.height());
        label->setBuddy(spin);
        top += RowPitch;
    }

    pnlGombok->setGeometry(0, ClientSize.height() - PanelHeight, ClientSize.width(), PanelHeight);
    bbtnOk->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    bbtnMegsem->setGeometry(QRect(QPoint(CancelLeft, ButtonTop), ButtonSize));
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &TfrmGolfBeall::bbtnOkClick);
    connect(bbtnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmGolfBeall::chooseLayout(GolfLayout &layout, bool over)
{
    gameOver = over;
    seOszl->setValue(layout.columns);
    seSor->setValue(layout.rows);
    if (exec() != QDialog::Accepted)
        return false;
    layout = {seOszl->value(), seSor->value()};
    return true;
}

void TfrmGolfBeall::bbtnOkClick()
{
    if (!gameOver
        && AskYesCancel(QStringLiteral(
               "Are you sure to quit this game and start a new one with new settings?"))
            != 'Y')
        return;
    const GolfLayout chosen{seOszl->value(), seSor->value()};
    if (chosen.dealtCards() <= GolfLayout::DeckSize) {
        accept();
        return;
    }
    ShowOkMessage(QStringLiteral("If colons are %1 then maximum rows are %2")
                      .arg(chosen.columns)
                      .arg(GolfLayout::DeckSize / chosen.columns));
}
