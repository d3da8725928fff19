#include "TwelveTable.h"

#include "CardName.h"
#include "Picture.h"
#include "TwelveRoom.h"
#include "uKartyak.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>

using namespace TwelveTableLayout;

namespace {

// The table's pictures come in two sizes; dense screens get the one drawn at twice the size.
QPixmap tablePicture(const QString &name)
{
    const QString path = QStringLiteral(":/twelve/") + name;
    if (qApp->devicePixelRatio() > 1) {
        QPixmap sharp(path + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(path + QStringLiteral(".png"));
}

QPixmap seatPanelPicture(int seat)
{
    return tablePicture(QStringLiteral("Bid%1").arg(seat));
}

QFont arialBold(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

Picture *picture(QWidget *parent, QSize size, const QPixmap &pixmap = {})
{
    auto *created = new Picture(parent);
    created->resize(size);
    created->setPixmap(pixmap);
    return created;
}

// Numbers on a seat's panel: white on the dark seat colours, black on yellow.
QLabel *centredLabel(QWidget *parent, int seat, QSize size, const QFont &font)
{
    auto *label = new QLabel(parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, SeatTextColours[seat]);
    label->setPalette(palette);
    label->resize(size);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    // The label only shows a number on its picture; clicks belong to what lies below.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A panel in the middle of the table: a picture with buttons on it.
QFrame *centrePanel(QWidget *parent, const QString &pictureName)
{
    auto *panel = new QFrame(parent);
    panel->resize(CentrePanelSize);
    picture(panel, CentrePanelSize, tablePicture(pictureName));
    panel->hide();
    return panel;
}

QPushButton *panelButton(QFrame *panel, const QString &caption, QPoint place)
{
    auto *button = new QPushButton(caption, panel);
    button->setGeometry(QRect(place, PanelButtonSize));
    return button;
}

}

TwelveTable::TwelveTable(const TwelveGame &game, QWidget *parent)
    : QWidget(parent)
    , game(game)
{
    setFixedSize(TableSize);
    createFixedParts();
    createPictures();
}

void TwelveTable::createFixedParts()
{
    QFont nameFont = font();
    nameFont.setBold(true);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QLabel *name = lblNev[seat] = new QLabel(this);
        name->setGeometry(NameLabels[seat]);
        name->setAlignment(Qt::AlignCenter);
        name->setFont(nameFont);
        QPalette palette = name->palette();
        palette.setColor(QPalette::WindowText, SeatTextColours[seat]);
        name->setPalette(palette);
    }

    imgMuv = picture(this, ButtonBackdrop.size(), tablePicture(QStringLiteral("ButtonPanel")));
    imgMuv->move(ButtonBackdrop.topLeft());
    const std::pair<Picture **, const char *> buttons[] = {{&imgTet1, "BidPlus1"},
                                                           {&imgTet5, "BidPlus5"},
                                                           {&imgTetTobb, "BidAtAllCosts"},
                                                           {&imgTetNoMore, "BidNoMore"}};
    int place = 0;
    for (const auto &[button, name] : buttons) {
        *button = picture(this, BidButtonSize, tablePicture(QString::fromLatin1(name)));
        (*button)->move(BidButtonPlaces[place++]);
        (*button)->setCursor(Qt::PointingHandCursor);
    }
    imgTet1->setAccessibleName(QStringLiteral("+1"));
    imgTet5->setAccessibleName(QStringLiteral("+5"));
    imgTetTobb->setAccessibleName(QStringLiteral("At all costs"));
    imgTetNoMore->setAccessibleName(QStringLiteral("No more"));

    imgKeret = picture(this, AuctionFrameSize, tablePicture(QStringLiteral("AuctionFrame")));
    imgKeret->setAccessibleName(QStringLiteral("Card on sale"));
    imgKeret->hide();

    pnlFordVege = centrePanel(this, QStringLiteral("EndOfRound"));
    pnlFordVege->setAccessibleName(QStringLiteral("End of round"));
    bbtnFordVegeOk = panelButton(pnlFordVege, QStringLiteral("OK"), EndOfRoundOkPlace);
    bbtnFordVegeOk->setDefault(true);
    pnlJatVege = centrePanel(this, QStringLiteral("GameOver"));
    pnlJatVege->setAccessibleName(QStringLiteral("Game over"));
    bbtnKilep = panelButton(pnlJatVege, QStringLiteral("Exit"), GameOverExitPlace);
    bbtnUjJat = panelButton(pnlJatVege, QStringLiteral("New game"), GameOverNewGamePlace);
    bbtnUjJat->setDefault(true);

    stb1 = new QStatusBar(this);
    stb1->setSizeGripEnabled(false);
    stb1->setGeometry(0, H - StatusHeight, W, StatusHeight);
}

void TwelveTable::createPictures()
{
    for (int index = 0; index < CardCount; ++index) {
        const int seat = index / HandSize + 1;
        backs[index] = picture(this, uprightSeat(seat) ? UprightCard : LyingCard);
        backs[index]->setAccessibleName(QStringLiteral("Card back"));
    }
    for (int card = 0; card < CardCount; ++card) {
        Picture *face = faces[card] = picture(this, UprightCard);
        connect(face, &Picture::pressed, this, [this, card] { Q_EMIT cardPressed(card); });
    }
    const QPixmap frame = tablePicture(QStringLiteral("RunFrame"));
    for (Picture *&runFrame : runFrames)
        runFrame = picture(this, RunFrameSize, frame);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QWidget *bar = markers[seat] = new QWidget(this);
        bar->resize(uprightSeat(seat) ? UprightMarker : LyingMarker);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, SeatColours[seat]);
        bar->setPalette(palette);
        bar->setAutoFillBackground(true);
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        bidPanels[seat] = picture(this, BidPanelSize, seatPanelPicture(seat));
    for (int seat = 1; seat <= SeatCount; ++seat)
        bidLabels[seat] = centredLabel(this, seat, BidPanelSize, arialBold(BidFontPoints));
    for (int seat = 1; seat <= SeatCount; ++seat) {
        scoreBoxes[seat] = picture(this, ScoreBoxSize, seatPanelPicture(seat));
        scoreBoxes[seat]->setGeometry(scoreBox(seat));
    }
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QLabel *score = scoreLabels[seat]
            = centredLabel(this, seat, ScoreBoxSize, arialBold(ScoreFontPoints));
        score->setGeometry(scoreBox(seat));
        score->setText(QString::number(StartingPoints));
    }
    for (std::array<Picture *, CardCount> *set : {&backs, &faces, &runFrames})
        for (Picture *hidden : *set)
            hidden->hide();
    for (int seat = 1; seat <= SeatCount; ++seat) {
        markers[seat]->hide();
        bidPanels[seat]->hide();
        bidLabels[seat]->hide();
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        bidPanels[seat]->raise();
    for (int seat = 1; seat <= SeatCount; ++seat)
        bidLabels[seat]->raise();
}

void TwelveTable::paintRoom()
{
    room = TwelveRoom::paint(devicePixelRatioF());
    update();
}

void TwelveTable::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, room);
}

void TwelveTable::DrawCardPictures(int backIndex)
{
    for (int card = 0; card < CardCount; ++card) {
        faces[card]->setPixmapSource(frmKartyak->ilKartyak.source(card));
        faces[card]->setAccessibleName(cardName(card));
    }
    const CardPictureList *backLists[SeatCount + 1]{nullptr, &frmKartyak->ilHatlap0,
                                                    &frmKartyak->ilHatlap90, &frmKartyak->ilHatlapF,
                                                    &frmKartyak->ilHatlap270};
    for (int index = 0; index < CardCount; ++index)
        backs[index]->setPixmap((*backLists[index / HandSize + 1])[backIndex]);
}

void TwelveTable::LayoutHands(int which, bool stretch)
{
    for (Picture *frame : runFrames)
        frame->hide();
    for (int seat = 1; seat <= SeatCount; ++seat) {
        if (which != 0 && which != seat)
            continue;
        const auto placed = handLayout(seat, game.Holding[seat], stretch);
        if (seat == HumanSeat) {
            if (which == 0)
                for (Picture *face : faces)
                    face->hide();
            for (const PlacedCard &card : placed) {
                faces[card.card]->setGeometry(QRect(card.place, UprightCard));
                faces[card.card]->show();
            }
            continue;
        }
        // The computers' backs stand for their cards in id order: suits show, cards do not.
        for (int index = 0; index < HandSize; ++index) {
            Picture *back = handBack(seat, index);
            if (index < static_cast<int>(placed.size())) {
                back->move(placed[index].place);
                back->show();
            } else {
                back->hide();
            }
        }
    }
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game.TurnSlot[slot].FaceUp && slot != soldSlot)
            faces[game.TurnSlot[slot].Card]->show();
}

void TwelveTable::ShowRoundEndHands()
{
    for (Picture *back : backs)
        back->hide();
    for (Picture *frame : runFrames)
        frame->hide();
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const Hand &hand = game.Holding[seat];
        const HandRunRecord &run = game.HandRun[seat];
        for (const PlacedCard &card : roundEndLayout(seat, hand)) {
            faces[card.card]->setGeometry(QRect(card.place, UprightCard));
            faces[card.card]->show();
            const int suit = suitOf(card.card);
            bool suitHoldsRun = true;
            bool inRun = false;
            for (int step = 0; step < run.Length; ++step) {
                const int rank = rankAfter(run.Start, step);
                suitHoldsRun = suitHoldsRun && hand[cardOf(suit, rank)];
                inRun = inRun || rank == rankOf(card.card);
            }
            if (suitHoldsRun && inRun) {
                runFrames[card.card]->move(card.place);
                runFrames[card.card]->show();
            }
        }
    }
}

void TwelveTable::ShowPlaces()
{
    for (int seat = 1; seat <= SeatCount; ++seat) {
        showSeatPanel(seat, placePanel(seat), QString::number(game.HandRun[seat].Place));
        describeSeatPanel(bidPanels[seat], seat, QStringLiteral("Place: %1"),
                          game.HandRun[seat].Place);
    }
}

void TwelveTable::showSeatPanel(int seat, QRect place, const QString &text)
{
    for (QWidget *part :
         {static_cast<QWidget *>(bidPanels[seat]), static_cast<QWidget *>(bidLabels[seat])}) {
        part->setGeometry(place);
        part->raise();
        part->show();
    }
    bidLabels[seat]->setText(text);
}

// Read out as the seat's name with what its panel shows.
void TwelveTable::describeSeatPanel(QWidget *panel, int seat, const QString &what, int number)
{
    panel->setAccessibleName(QString::fromStdString(game.PlayerNames[seat]));
    panel->setAccessibleDescription(what.arg(number));
}

void TwelveTable::CentrePanel(QWidget *panel)
{
    panel->setGeometry(centred(panel->size()));
    panel->raise();
    panel->show();
}

void TwelveTable::SetStatus(const QString &text)
{
    if (text.isEmpty())
        stb1->clearMessage();
    else
        stb1->showMessage(text);
}

void TwelveTable::UpdateNameLabels()
{
    for (int seat = 1; seat <= SeatCount; ++seat)
        lblNev[seat]->setText(QString::fromStdString(game.PlayerNames[seat]));
}

void TwelveTable::showScore(int seat, int points)
{
    scoreLabels[seat]->setText(QString::number(points));
    describeSeatPanel(scoreBoxes[seat], seat, QStringLiteral("Score: %1 points"), points);
}

void TwelveTable::showMarkers(MarkerMoment moment)
{
    const bool saleUnderWay = moment == MarkerMoment::SaleClosed;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const int slot = game.Wanted[seat];
        // While a card is sold only the player's claim on another card stays marked.
        const bool shown
            = slot != 0 && (!saleUnderWay || (seat == HumanSeat && slot != game.AuctionSlot));
        if (shown) {
            markers[seat]->setGeometry(marker(seat, middleCard(slot)));
            markers[seat]->setAccessibleName(
                QStringLiteral("Wanted by %1").arg(QString::fromStdString(game.PlayerNames[seat])));
        }
        markers[seat]->setVisible(shown);
    }
}

void TwelveTable::showAuction()
{
    hideAuction();
    bool contested = false;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        if (game.InAuction[seat]) {
            ShowBidPanel(seat);
            contested = true;
        }
    }
    if (!contested)
        return;
    showBid(game.Leader);
    imgKeret->setGeometry(auctionFrame(middleCard(game.AuctionSlot)));
    imgKeret->raise();
    imgKeret->show();
}

void TwelveTable::ShowBidPanel(int seat)
{
    showSeatPanel(seat, bidPanel(seat), QStringLiteral("0"));
}

void TwelveTable::showBid(int seat)
{
    // The player may bid in an auction he had no panel in.
    if (bidPanels[seat]->isHidden())
        ShowBidPanel(seat);
    bidLabels[seat]->setText(QString::number(game.Bid));
    describeSeatPanel(bidPanels[seat], seat, QStringLiteral("Bid: %1 points"), game.Bid);
}

void TwelveTable::hideAuction()
{
    for (int seat = 1; seat <= SeatCount; ++seat) {
        bidPanels[seat]->hide();
        bidLabels[seat]->hide();
    }
    imgKeret->hide();
}

void TwelveTable::clearMiddle()
{
    for (int slot = 1; slot <= SlotCount; ++slot) {
        travelling(slot)->resize(UprightCard);
        travelling(slot)->hide();
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        markers[seat]->hide();
    hideAuction();
    pnlFordVege->hide();
    pnlJatVege->hide();
    turnWidth = CardWidth;
    soldSlot = 0;
}
