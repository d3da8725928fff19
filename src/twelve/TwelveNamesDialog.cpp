#include "u4NevBekerA.h"

#include "AnsiText.h"
#include "FormParts.h"
#include "TwelveNames.h"
#include "TwelveSeatOrder.h"
#include "WindowCentre.h"
#include "uNyert.h"
#include "uValasz.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tfrm4NevBekerA *frm4NevBekerA = nullptr;

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

Tfrm4NevBekerA::Tfrm4NevBekerA(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Label1(labelAt(QStringLiteral("Your name:"), YourNameLabelAt, this))
    , Label2(labelAt(QStringLiteral("Other names:"), OtherNamesLabelAt, this))
{
    setWindowTitle(QStringLiteral("Twelve - Names"));
    setModal(true);
    setFixedSize(ClientSize);

    for (int box = 0; box < SeatCount; ++box) {
        QLineEdit *edit = new QLineEdit(QString::fromLatin1(DesignedTexts[box]), this);
        edit->setGeometry(QRect(QPoint(BoxLeft, FirstBoxTop + box * BoxPitch), BoxSize));
        edit->setMaxLength(PlayerNameLength);
        edtNames[box] = edit;
    }
    Label1->setBuddy(edtNames[0]);
    Label2->setBuddy(edtNames[1]);
    // Made at start-up, before the Twelve window has turned the seat order on: the boxes are
    // in seat order here.
    for (int seat = 1; seat <= SeatCount; ++seat)
        designedNames[seat] = tidiedName(edtNames[seat - 1]->text()).toStdString();

    // Made after the boxes, so that Tab reaches the boxes first.
    const ButtonStrip strip = okCancelStrip(this, {PanelHeight, ButtonSize, OkAt, CancelAt});
    pnlGombok = strip.panel;
    bbtnOk = strip.ok;
    bbtnMegsem = strip.cancel;
    connect(bbtnOk, &QPushButton::clicked, this, &Tfrm4NevBekerA::bbtnOkClick);
}

bool Tfrm4NevBekerA::editNames(PerSeat<std::string> &names)
{
    for (int box = 1; box <= SeatCount; ++box)
        edtNames[box - 1]->setText(QString::fromStdString(names[seatAtPosition(box)]));
    editing = &names;
    const bool accepted = exec() == QDialog::Accepted;
    editing = nullptr;
    return accepted;
}

PerSeat<QString> Tfrm4NevBekerA::typedNames() const
{
    PerSeat<QString> names;
    for (int box = 1; box <= SeatCount; ++box)
        names[seatAtPosition(box)] = tidiedName(edtNames[box - 1]->text());
    return names;
}

void Tfrm4NevBekerA::bbtnOkClick()
{
    const PerSeat<QString> names = typedNames();
    // The settings file holds Windows-1250 bytes: a letter without one would come back as "?".
    for (QLineEdit *box : edtNames) {
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
    if (frmNyert)
        frmNyert->edtNev->setText(names[HumanSeat]);
    accept();
}

void Tfrm4NevBekerA::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    edtNames[0]->setFocus();
    edtNames[0]->selectAll();
}
