#include "StatsTable.h"

#include "FormatGrouped.h"
#include "PokerTableLayout.h"
#include "ScaledParts.h"

#include <QLabel>

namespace {

constexpr int HeaderRow = -1;
constexpr int TotalsRow = HandRankCount;
constexpr int RowStep = 20;
constexpr int FirstRowTop = 25;

struct ColumnLayout
{
    int left;
    int width;
    Qt::Alignment alignment;
    const char *header;
};

constexpr std::array<ColumnLayout, StatsTable::Columns> ColumnLayouts{{
    {20, 150, Qt::AlignLeft, ""},
    {160, 30, Qt::AlignRight, "Val."},
    {200, 70, Qt::AlignRight, "Rounds"},
    {280, 100, Qt::AlignRight, "Altogether"},
}};

int rowIndex(int row)
{
    return row - HeaderRow;
}

}

StatsTable::StatsTable(QWidget *table, ScaledParts &parts)
{
    for (int row = HeaderRow; row <= TotalsRow; ++row) {
        for (int column = 1; column <= Columns; ++column) {
            const ColumnLayout &layout = ColumnLayouts[column - 1];
            auto *cell = new QLabel(table);
            QFont font = cell->font();
            font.setPointSize(PokerTableLayout::SmallFontPoints);
            cell->setFont(font);
            parts.place(cell,
                        QRect(layout.left, RowStep * row + FirstRowTop, layout.width,
                              PokerTableLayout::SmallLabelHeight));
            cell->setAlignment(layout.alignment | Qt::AlignVCenter);
            if (row == HeaderRow)
                cell->setText(QString::fromLatin1(layout.header));
            if (row == TotalsRow) {
                QPalette palette = cell->palette();
                palette.setColor(QPalette::WindowText, PokerTableLayout::Maroon);
                cell->setPalette(palette);
            }
            labels[rowIndex(row)][column - 1] = cell;
        }
    }
    for (int rank = 0; rank < HandRankCount; ++rank)
        label(rank, 1)->setText(QString::fromLatin1(PayTable[rank].name));
    label(TotalsRow, 1)->setText(QStringLiteral("Total"));
}

void StatsTable::show(const PokerScore &score)
{
    for (int rank = 0; rank < HandRankCount; ++rank) {
        label(rank, 2)->setText(FormatGrouped(PayTable[rank].payout));
        label(rank, 3)->setText(FormatGrouped(score.HandCounts[rank]));
        label(rank, 4)->setText(FormatGrouped(score.amount(rank)));
    }
    label(TotalsRow, 3)->setText(FormatGrouped(score.HandsPlayed()));
    label(TotalsRow, 4)->setText(FormatGrouped(score.Winnings()));
}

QString StatsTable::text(int row, int column) const
{
    return label(row, column)->text();
}

QLabel *StatsTable::label(int row, int column) const
{
    return labels.at(rowIndex(row)).at(column - 1);
}
