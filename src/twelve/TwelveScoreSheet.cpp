#include "TwelveScoreSheet.h"

#include "DataDir.h"
#include "FormParts.h"
#include "FormatGrouped.h"
#include "PictureFile.h"
#include "TwelveSeatOrder.h"
#include "WindowCentre.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

TwelveScoreSheet *twelveScoreSheet = nullptr;

namespace {

constexpr QSize ClientSize{632, 428};
constexpr int PanelHeight = 41;
constexpr QRect OkRect{480, 8, 75, 25};
constexpr int SheetHeight = ClientSize.height() - PanelHeight;

constexpr int CellHeight = 17;
constexpr int RowPitch = CellHeight + 4;
constexpr int TopMargin = 10;
constexpr int NumberLeft = 3;
constexpr int NumberWidth = 25;
constexpr int ColumnWidth = ClientSize.width() / 4 - 21;
constexpr int HeaderRaise = 5;
constexpr int FinalLineBelowRow = 40;
constexpr QRect FinalLineShape{0, 0, 625, 24};
constexpr int FinalLinePixels = 20;
constexpr int CellPoints = 10;

const QColor HeaderColour(0, 128, 0);
const QColor LeaderColourInGame(0, 0, 160);
const QColor LeaderColourGameOver(160, 0, 0);
const QColor OtherColour(Qt::black);
const QColor FinalLineColour(0, 0, 128);

int rowTop(int row)
{
    return RowPitch * row + TopMargin;
}

int columnLeft(int column)
{
    return (column - 1) * ColumnWidth + 9 * column + 25;
}

QFont arialBold()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    return font;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel *cell(QWidget *parent, QRect place, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    QFont font = arialBold();
    font.setPointSize(CellPoints);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(place);
    label->hide();
    return label;
}

}

TwelveScoreSheet::TwelveScoreSheet(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , scrollArea(new QScrollArea(this))
    , background(new QWidget)
    , finalScoreLabel(new QLabel(background))
    , buttonPanel(raisedPanel({0, SheetHeight, ClientSize.width(), PanelHeight}, this))
    , okButton(new QPushButton(QStringLiteral("OK"), buttonPanel))
{
    setWindowTitle(QStringLiteral("Twelve - Points"));
    setModal(true);
    setFixedSize(ClientSize);

    scrollArea->setGeometry(0, 0, ClientSize.width(), SheetHeight);
    scrollArea->setWidget(background);
    buildGrid();

    QFont finalFont = arialBold();
    finalFont.setPixelSize(FinalLinePixels);
    finalScoreLabel->setFont(finalFont);
    setTextColour(finalScoreLabel, FinalLineColour);
    finalScoreLabel->setAlignment(Qt::AlignCenter);
    finalScoreLabel->setGeometry(FinalLineShape);
    finalScoreLabel->hide();

    okButton->setGeometry(OkRect);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TwelveScoreSheet::buildGrid()
{
    for (int row = 0; row < SheetRows; ++row) {
        const int top = rowTop(row);
        QLabel *number
            = cell(background, {NumberLeft, top, NumberWidth, CellHeight}, Qt::AlignRight);
        if (row > 0)
            number->setText(QStringLiteral("%1.").arg(row));
        cellLabels[row][0] = number;
        for (int column = 1; column < SheetColumns; ++column)
            cellLabels[row][column] = cell(
                background, {columnLeft(column), top, ColumnWidth, CellHeight}, Qt::AlignHCenter);
    }
    for (int column = 1; column < SheetColumns; ++column) {
        QLabel *header = cellLabels[0][column];
        header->setGeometry(header->geometry().adjusted(0, -HeaderRaise, 0, 0));
        setTextColour(header, HeaderColour);
    }
}

// A missing or unreadable picture leaves the sheet plain: the window's face shows through.
void TwelveScoreSheet::paintWall()
{
    const QPixmap wall = pictureFromFile(DataFile(QStringLiteral("Fal - Feh\u00e9r.bmp")));
    if (wall.isNull())
        return;
    QPalette palette = background->palette();
    palette.setBrush(QPalette::Window, QBrush(wall));
    background->setPalette(palette);
    background->setAutoFillBackground(true);
}

void TwelveScoreSheet::ShowScoreSheet(const TwelveGame &game, int score)
{
    for (int row = 1; row < SheetRows; ++row)
        for (QLabel *label : cellLabels[row])
            label->hide();
    if (!game.GameOver)
        finalScoreLabel->hide();

    for (int column = 1; column < SheetColumns; ++column) {
        cellLabels[0][column]->setText(
            QString::fromStdString(game.PlayerNames[seatAtPosition(column)]));
        cellLabels[0][column]->show();
    }

    const int lastRow = std::clamp(game.RoundNo, 0, RoundCount);
    const PerSeat<int> &standing = game.Scores[lastRow];
    const int leaderValue = *std::max_element(standing.begin() + 1, standing.end());
    const QColor &leaderColour = game.GameOver ? LeaderColourGameOver : LeaderColourInGame;
    for (int row = 1; row <= lastRow; ++row) {
        cellLabels[row][0]->show();
        for (int column = 1; column < SheetColumns; ++column) {
            const int seat = seatAtPosition(column);
            QLabel *label = cellLabels[row][column];
            label->setText(FormatGrouped(game.Scores[row][seat]));
            QFont font = label->font();
            font.setStrikeOut(row < lastRow);
            label->setFont(font);
            setTextColour(label, standing[seat] == leaderValue ? leaderColour : OtherColour);
            label->show();
        }
    }

    if (game.GameOver) {
        finalScoreLabel->move(FinalLineShape.left(), rowTop(lastRow) + FinalLineBelowRow);
        finalScoreLabel->setText(QStringLiteral("Your score is %1 points!").arg(score));
        finalScoreLabel->show();
    }
    fitSheetToCells();
    exec();
}

// The sheet scrolls only when the shown cells reach beyond the box, as a long list would.
void TwelveScoreSheet::fitSheetToCells()
{
    const QRect cells = background->childrenRect();
    background->resize(
        scrollArea->maximumViewportSize().expandedTo(QSize(cells.right() + 1, cells.bottom() + 1)));
}

void TwelveScoreSheet::showEvent(QShowEvent *event)
{
    // The texture is read when the sheet is first shown, not while the program starts; until a
    // texture has been found each showing looks again.
    if (background->palette().brush(QPalette::Window).texture().isNull())
        paintWall();
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}
