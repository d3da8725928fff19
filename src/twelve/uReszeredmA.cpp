#include "uReszeredmA.h"

#include "FormatGrouped.h"
#include "TwelveSeatOrder.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmReszeredmA *frmReszeredmA = nullptr;

TfrmReszeredmA::TfrmReszeredmA(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , lblSheet(new QLabel(this))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSheet);
    layout->addWidget(bbtnOk);
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmReszeredmA::ShowScoreSheet(const TwelveGame &game, int score)
{
    QStringList lines;
    QStringList header;
    for (int column = 1; column <= SeatCount; ++column)
        header << QString::fromStdString(game.PlayerNames[seatAtPosition(column)]);
    lines << header.join(QStringLiteral("  "));
    QStringList totals;
    for (int column = 1; column <= SeatCount; ++column)
        totals << FormatGrouped(game.Scores[game.RoundNo][seatAtPosition(column)]);
    lines << totals.join(QStringLiteral("  "));
    if (game.GameOver)
        lines << QStringLiteral("Your score is %1 points!").arg(score);
    lblSheet->setText(lines.join(QLatin1Char('\n')));
    exec();
}
