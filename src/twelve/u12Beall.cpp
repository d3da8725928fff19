#include "u12Beall.h"

#include "TwelveSettingsHost.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm12Beall *frm12Beall = nullptr;

Tfrm12Beall::Tfrm12Beall(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , chbGyors(new QCheckBox(QStringLiteral("Faster (but with flickering)"), this))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), this))
    , bbtnMegsem(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Twelve - Settings"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chbGyors);
    layout->addWidget(bbtnOk);
    layout->addWidget(bbtnMegsem);
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &Tfrm12Beall::bbtnOkClick);
    connect(bbtnMegsem, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm12Beall::ShowSettings(TwelveSettingsHost &target)
{
    host = &target;
    exec();
    host = nullptr;
}

void Tfrm12Beall::bbtnOkClick()
{
    if (host)
        host->setFastDraw(chbGyors->isChecked());
    accept();
}
