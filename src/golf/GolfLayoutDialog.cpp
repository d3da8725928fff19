#include "GolfLayoutDialog.h"

#include "QuestionDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

GolfLayoutDialog *golfLayoutDialog = nullptr;

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

GolfLayoutDialog::GolfLayoutDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , columnsLabel(new QLabel(QStringLiteral("Colons"), this))
    , columnsBox(new QSpinBox(this))
    , rowsLabel(new QLabel(QStringLiteral("Rows"), this))
    , rowsBox(new QSpinBox(this))
    , buttonPanel(new QFrame(this))
    , cancelButton(new QPushButton(QStringLiteral("Cancel"), buttonPanel))
    , okButton(new QPushButton(QStringLiteral("OK"), buttonPanel))
{
    setWindowTitle(QStringLiteral("Golf - Settings"));
    setModal(true);
    setFixedSize(ClientSize);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool narrowScreen = screen && screen->geometry().width() <= NarrowScreenWidth;
    columnsBox->setRange(FewestColumnsOrRows,
                         narrowScreen ? NarrowScreenColumns : GolfLayout::MaxColumns);
    rowsBox->setRange(FewestColumnsOrRows, GolfLayout::MaxRows);

    const std::pair<QLabel *, QSpinBox *> rows[]
        = {{columnsLabel, columnsBox}, {rowsLabel, rowsBox}};
    int top = FirstRowTop;
    for (const auto &[label, spin] : rows) {
        spin->setGeometry(QRect(QPoint(SpinLeft, top), SpinSize));
        label->setGeometry(LabelLeft, top, SpinLeft - LabelLeft, SpinSize.height());
        label->setBuddy(spin);
        top += RowPitch;
    }

    buttonPanel->setGeometry(0, ClientSize.height() - PanelHeight, ClientSize.width(), PanelHeight);
    okButton->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    cancelButton->setGeometry(QRect(QPoint(CancelLeft, ButtonTop), ButtonSize));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &GolfLayoutDialog::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool GolfLayoutDialog::chooseLayout(GolfLayout &layout, bool over)
{
    gameOver = over;
    columnsBox->setValue(layout.columns);
    rowsBox->setValue(layout.rows);
    if (exec() != QDialog::Accepted)
        return false;
    layout = {columnsBox->value(), rowsBox->value()};
    return true;
}

void GolfLayoutDialog::okClicked()
{
    if (!gameOver
        && AskYesCancel(QStringLiteral(
               "Are you sure to quit this game and start a new one with new settings?"))
            != 'Y')
        return;
    const GolfLayout chosen{columnsBox->value(), rowsBox->value()};
    if (chosen.dealtCards() <= GolfLayout::DeckSize) {
        accept();
        return;
    }
    ShowOkMessage(QStringLiteral("If colons are %1 then maximum rows are %2")
                      .arg(chosen.columns)
                      .arg(GolfLayout::DeckSize / chosen.columns));
}
