#include "uReszeredmA.h"

#include "DataDir.h"
#include "FormParts.h"
#include "FormatGrouped.h"
#include "TwelveSeatOrder.h"
#include "WindowCentre.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

TfrmReszeredmA *frmReszeredmA = nullptr;

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

TfrmReszeredmA::TfrmReszeredmA(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , sbx1(new QScrollArea(this))
    , imgHatter(new QWidget)
    , lblVegerPont(new QLabel(imgHatter))
    , pnlGombok(raisedPanel({0, SheetHeight, ClientSize.width(), PanelHeight}, this))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), pnlGombok))
{
    setWindowTitle(QStringLiteral("Twelve - Points"));
    setModal(true);
    setFixedSize(ClientSize);

    sbx1->setGeometry(0, 0, ClientSize.width(), SheetHeight);
    sbx1->setWidget(imgHatter);
    buildGrid();

    QFont finalFont = arialBold();
    finalFont.setPixelSize(FinalLinePixels);
    lblVegerPont->setFont(finalFont);
    setTextColour(lblVegerPont, FinalLineColour);
    lblVegerPont->setAlignment(Qt::AlignCenter);
    lblVegerPont->setGeometry(FinalLineShape);
    lblVegerPont->hide();

    bbtnOk->setGeometry(OkRect);
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmReszeredmA::buildGrid()
{
    for (int row = 0; row < SheetRows; ++row) {
        const int top = rowTop(row);
        QLabel *number
            = cell(imgHatter, {NumberLeft, top, NumberWidth, CellHeight}, Qt::AlignRight);
        if (row > 0)
            number->setText(QStringLiteral("%1.").arg(row));
        lblCell[row][0] = number;
        for (int column = 1; column < SheetColumns; ++column)
            lblCell[row][column] = cell(
                imgHatter, {columnLeft(column), top, ColumnWidth, CellHeight}, Qt::AlignHCenter);
    }
    for (int column = 1; column < SheetColumns; ++column) {
        QLabel *header = lblCell[0][column];
        header->setGeometry(header->geometry().adjusted(0, -HeaderRaise, 0, 0));
        setTextColour(header, HeaderColour);
    }
}

// A missing or unreadable picture leaves the sheet plain: the window's face shows through.
void TfrmReszeredmA::paintWall()
{
    const QPixmap wall(DataFile(QStringLiteral("Fal - Feh\u00e9r.bmp")));
    if (wall.isNull())
        return;
    QPalette palette = imgHatter->palette();
    palette.setBrush(QPalette::Window, QBrush(wall));
    imgHatter->setPalette(palette);
    imgHatter->setAutoFillBackground(true);
}

void TfrmReszeredmA::ShowScoreSheet(const TwelveGame &game, int score)
{
    for (int row = 1; row < SheetRows; ++row)
        for (QLabel *label : lblCell[row])
            label->hide();
    if (!game.GameOver)
        lblVegerPont->hide();

    for (int column = 1; column < SheetColumns; ++column) {
        lblCell[0][column]->setText(
            QString::fromStdString(game.PlayerNames[seatAtPosition(column)]));
        lblCell[0][column]->show();
    }

    const int lastRow = std::clamp(game.RoundNo, 0, RoundCount);
    const PerSeat<int> &standing = game.Scores[lastRow];
    const int leaderValue = *std::max_element(standing.begin() + 1, standing.end());
    const QColor &leaderColour = game.GameOver ? LeaderColourGameOver : LeaderColourInGame;
    for (int row = 1; row <= lastRow; ++row) {
        lblCell[row][0]->show();
        for (int column = 1; column < SheetColumns; ++column) {
            const int seat = seatAtPosition(column);
            QLabel *label = lblCell[row][column];
            label->setText(FormatGrouped(game.Scores[row][seat]));
            QFont font = label->font();
            font.setStrikeOut(row < lastRow);
            label->setFont(font);
            setTextColour(label, standing[seat] == leaderValue ? leaderColour : OtherColour);
            label->show();
        }
    }

    if (game.GameOver) {
        lblVegerPont->move(FinalLineShape.left(), rowTop(lastRow) + FinalLineBelowRow);
        lblVegerPont->setText(QStringLiteral("Your score is %1 points!").arg(score));
        lblVegerPont->show();
    }
    fitSheetToCells();
    exec();
}

// The sheet scrolls only when the shown cells reach beyond the box, as a long list would.
void TfrmReszeredmA::fitSheetToCells()
{
    const QRect cells = imgHatter->childrenRect();
    imgHatter->resize(
        sbx1->maximumViewportSize().expandedTo(QSize(cells.right() + 1, cells.bottom() + 1)));
}

void TfrmReszeredmA::showEvent(QShowEvent *event)
{
    // The texture is read when the sheet is first shown, not while the program starts; until a
    // texture has been found each showing looks again.
    if (imgHatter->palette().brush(QPalette::Window).texture().isNull())
        paintWall();
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}
