#include "uPokerSpeed.h"

#include "WindowCentre.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cmath>

TfrmPokerSpeed *frmPokerSpeed = nullptr;

namespace {

constexpr QSize ClientSize{211, 118};
constexpr int SlowestPosition = 1;
constexpr int FastestPosition = 9;
constexpr QRect LabelArea{8, 8, 60, 16};
constexpr QRect TrackBarArea{8, 26, 195, 40};
constexpr int PanelHeight = 41;
constexpr QSize ButtonSize{75, 25};
constexpr int ButtonTop = 8;
constexpr int OkLeft = 22;
constexpr int CancelLeft = 114;

}

TfrmPokerSpeed::TfrmPokerSpeed(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Label1(new QLabel(QStringLiteral("Speed"), this))
    , trbMozgSeb(new QSlider(Qt::Horizontal, this))
    , pnlGombok(new QFrame(this))
    , BitBtn1(new QPushButton(QStringLiteral("OK"), pnlGombok))
    , BitBtn2(new QPushButton(QStringLiteral("Cancel"), pnlGombok))
{
    setWindowTitle(QStringLiteral("Kovra - Poker"));
    setModal(true);
    setFixedSize(ClientSize);

    Label1->setGeometry(LabelArea);
    trbMozgSeb->setGeometry(TrackBarArea);
    trbMozgSeb->setRange(SlowestPosition, FastestPosition);
    trbMozgSeb->setSingleStep(1);
    trbMozgSeb->setPageStep(1);
    trbMozgSeb->setTickPosition(QSlider::TicksBelow);
    trbMozgSeb->setTickInterval(1);

    pnlGombok->setFrameShape(QFrame::Panel);
    pnlGombok->setFrameShadow(QFrame::Raised);
    pnlGombok->setGeometry(0, ClientSize.height() - PanelHeight, ClientSize.width(), PanelHeight);
    BitBtn1->setGeometry(QRect({OkLeft, ButtonTop}, ButtonSize));
    BitBtn2->setGeometry(QRect({CancelLeft, ButtonTop}, ButtonSize));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

int TfrmPokerSpeed::chooseMoveStep(int moveStep)
{
    const int position = int(std::lround(std::sqrt(double(std::max(moveStep, 0)))));
    trbMozgSeb->setValue(std::clamp(position, SlowestPosition, FastestPosition));
    if (exec() != QDialog::Accepted)
        return moveStep;
    return trbMozgSeb->value() * trbMozgSeb->value();
}

void TfrmPokerSpeed::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}
