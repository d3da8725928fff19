#include "PokerSpeedDialog.h"

#include "WindowCentre.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cmath>

PokerSpeedDialog *pokerSpeedDialog = nullptr;

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

PokerSpeedDialog::PokerSpeedDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , speedLabel(new QLabel(QStringLiteral("Speed"), this))
    , speedSlider(new QSlider(Qt::Horizontal, this))
    , buttonPanel(new QFrame(this))
    , okButton(new QPushButton(QStringLiteral("OK"), buttonPanel))
    , cancelButton(new QPushButton(QStringLiteral("Cancel"), buttonPanel))
{
    setWindowTitle(QStringLiteral("Kovra - Poker"));
    setModal(true);
    setFixedSize(ClientSize);

    speedLabel->setGeometry(LabelArea);
    speedSlider->setGeometry(TrackBarArea);
    speedSlider->setRange(SlowestPosition, FastestPosition);
    speedSlider->setSingleStep(1);
    speedSlider->setPageStep(1);
    speedSlider->setTickPosition(QSlider::TicksBelow);
    speedSlider->setTickInterval(1);

    buttonPanel->setFrameShape(QFrame::Panel);
    buttonPanel->setFrameShadow(QFrame::Raised);
    buttonPanel->setGeometry(0, ClientSize.height() - PanelHeight, ClientSize.width(), PanelHeight);
    okButton->setGeometry(QRect({OkLeft, ButtonTop}, ButtonSize));
    cancelButton->setGeometry(QRect({CancelLeft, ButtonTop}, ButtonSize));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int PokerSpeedDialog::chooseMoveStep(int moveStep)
{
    const int position = int(std::lround(std::sqrt(double(std::max(moveStep, 0)))));
    speedSlider->setValue(std::clamp(position, SlowestPosition, FastestPosition));
    if (exec() != QDialog::Accepted)
        return moveStep;
    return speedSlider->value() * speedSlider->value();
}

void PokerSpeedDialog::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}
