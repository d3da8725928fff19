#include "u4NevBekerA.h"

#include "TwelveSeatOrder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm4NevBekerA *frm4NevBekerA = nullptr;

Tfrm4NevBekerA::Tfrm4NevBekerA(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , bbtnOk(new QPushButton(QStringLiteral("OK"), this))
    , bbtnMegsem(new QPushButton(QStringLiteral("Cancel"), this))
{
    auto *layout = new QVBoxLayout(this);
    for (QLineEdit *&box : edtNames) {
        box = new QLineEdit(this);
        box->setMaxLength(15);
        layout->addWidget(box);
    }
    layout->addWidget(bbtnOk);
    layout->addWidget(bbtnMegsem);
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &Tfrm4NevBekerA::bbtnOkClick);
    connect(bbtnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

bool Tfrm4NevBekerA::editNames(PerSeat<std::string> &names)
{
    editing = &names;
    for (int position = 1; position <= SeatCount; ++position)
        edtNames[position - 1]->setText(QString::fromStdString(names[seatAtPosition(position)]));
    const bool accepted = exec() == QDialog::Accepted;
    editing = nullptr;
    return accepted;
}

void Tfrm4NevBekerA::bbtnOkClick()
{
    if (editing)
        for (int position = 1; position <= SeatCount; ++position)
            (*editing)[seatAtPosition(position)]
                = edtNames[position - 1]->text().trimmed().toStdString();
    accept();
}
