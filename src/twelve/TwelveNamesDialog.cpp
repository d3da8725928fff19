#include "TwelveNamesDialog.h"

#include "AnsiText.h"
#include "BestScoreNameDialog.h"
#include "FormParts.h"
#include "QuestionDialog.h"
#include "TwelveNames.h"
#include "TwelveSeatOrder.h"
#include "WindowCentre.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TwelveNamesDialog *twelveNamesDialog = nullptr;

namespace {

constexpr QSize ClientSize{275, 196};
constexpr QPoint YourNameLabelAt{16, 20};
constexpr QPoint OtherNamesLabelAt{16, 52};
constexpr int BoxLeft = 112;
constexpr QSize BoxSize{145, 24};
constexpr int FirstBoxTop = 16;
constexpr int BoxPitch = 32;
constexpr int PanelHeight = 41;
constexpr QSize ButtonSize{75, 25};
constexpr QPoint OkAt{184, 8};
constexpr QPoint CancelAt{88, 8};
constexpr std::array<const char *, SeatCount> DesignedTexts{"Player", "John", "Paul", "Eric"};

}

TwelveNamesDialog::TwelveNamesDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , yourNameLabel(labelAt(QStringLiteral("Your name:"), YourNameLabelAt, this))
    , otherNamesLabel(labelAt(QStringLiteral("Other names:"), OtherNamesLabelAt, this))
{
    setWindowTitle(QStringLiteral("Twelve - Names"));
    setModal(true);
    setFixedSize(ClientSize);

    for (int box = 0; box < SeatCount; ++box) {
        QLineEdit *edit = new QLineEdit(QString::fromLatin1(DesignedTexts[box]), this);
        edit->setGeometry(QRect(QPoint(BoxLeft, FirstBoxTop + box * BoxPitch), BoxSize));
        edit->setMaxLength(PlayerNameLength);
        nameEdits[box] = edit;
    }
    yourNameLabel->setBuddy(nameEdits[0]);
    otherNamesLabel->setBuddy(nameEdits[1]);
    // Made at start-up, before the Twelve window has turned the seat order on: the boxes are
    // in seat order here.
    for (int seat = 1; seat <= SeatCount; ++seat)
        designedNames[seat] = tidiedName(nameEdits[seat - 1]->text()).toStdString();

    // Made after the boxes, so that Tab reaches the boxes first.
    const ButtonStrip strip = okCancelStrip(this, {PanelHeight, ButtonSize, OkAt, CancelAt});
    buttonPanel = strip.panel;
    okButton = strip.ok;
    cancelButton = strip.cancel;
    connect(okButton, &QPushButton::clicked, this, &TwelveNamesDialog::okClicked);
}

bool TwelveNamesDialog::editNames(PerSeat<std::string> &names)
{
    for (int box = 1; box <= SeatCount; ++box)
        nameEdits[box - 1]->setText(QString::fromStdString(names[seatAtPosition(box)]));
    editing = &names;
    const bool accepted = exec() == QDialog::Accepted;
    editing = nullptr;
    return accepted;
}

PerSeat<QString> TwelveNamesDialog::typedNames() const
{
    PerSeat<QString> names;
    for (int box = 1; box <= SeatCount; ++box)
        names[seatAtPosition(box)] = tidiedName(nameEdits[box - 1]->text());
    return names;
}

void TwelveNamesDialog::okClicked()
{
    const PerSeat<QString> names = typedNames();
    // The settings file holds Windows-1250 bytes: a letter without one would come back as "?".
    for (QLineEdit *box : nameEdits) {
        const QString letter = AnsiText::firstUnencodable(tidiedName(box->text()));
        if (!letter.isEmpty()) {
            ShowOkMessage(QStringLiteral("The letter \"%1\" cannot be saved in a name.\nPlease "
                                         "type the name without it.")
                              .arg(letter));
            box->setFocus();
            return;
        }
    }
    if (!namesDiffer(names)) {
        ShowOkMessage(QStringLiteral("Names must be different."));
        return;
    }
    if (editing)
        for (int seat = 1; seat <= SeatCount; ++seat)
            (*editing)[seat] = names[seat].toStdString();
    if (bestScoreNameDialog)
        bestScoreNameDialog->nameEdit->setText(names[HumanSeat]);
    accept();
}

void TwelveNamesDialog::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    nameEdits[0]->setFocus();
    nameEdits[0]->selectAll();
}
