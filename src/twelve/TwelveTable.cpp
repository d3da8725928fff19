#include "TwelveTable.h"

#include "CardLibrary.h"
#include "CardName.h"
#include "Picture.h"
#include "TableScale.h"
#include "TwelveRoom.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QStatusBar>

using namespace TwelveTableLayout;

namespace {

QFont arialBold(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

// Seats round the table from the player hold their cards upright, turned counter-clockwise,
// upside down and turned clockwise.
CardBacks::Turn backTurn(int seat)
{
    using enum CardBacks::Turn;
    constexpr CardBacks::Turn turns[]{Upright, CounterClockwise, UpsideDown, Clockwise};
    return turns[seat - 1];
}

QString seatPanelPicture(int seat)
{
    return QStringLiteral("Bid%1").arg(seat);
}

// Beside a table smaller than its window.
const QColor Surround(32, 32, 32);

}

TwelveTable::TwelveTable(const TwelveGame &game, QWidget *parent)
    : QWidget(parent)
    , parts(this)
    , game(game)
{
    tableArt.setRatio(devicePixelRatioF());
    // The room and the bands beside it cover the table; nothing needs painting below them.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(TableSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    createFixedParts();
    createPictures();
}

TwelveTable::~TwelveTable() = default;

QSize TwelveTable::sizeHint() const
{
    return TableSize;
}

Picture *TwelveTable::picture(QWidget *parent, QSize size, const QString &artName)
{
    auto *created = new Picture(parent);
    parts.place(created, QRect(QPoint(), size));
    if (!artName.isEmpty()) {
        created->setPixmap(tableArt.picture(artName, size));
        artPictures.emplace_back(created, artName);
    }
    return created;
}

// Numbers on a seat's panel: white on the dark seat colours, black on yellow.
QLabel *TwelveTable::centredLabel(int seat, QSize size, const QFont &font)
{
    auto *label = new QLabel(this);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, SeatTextColours[seat]);
    label->setPalette(palette);
    parts.place(label, QRect(QPoint(), size));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    parts.keepFont(label);
    // The label only shows a number on its picture; clicks belong to what lies below.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A panel in the middle of the table: a picture with buttons on it.
QFrame *TwelveTable::centrePanel(const QString &pictureName)
{
    auto *panel = new QFrame(this);
    parts.place(panel, QRect(QPoint(), CentrePanelSize));
    picture(panel, CentrePanelSize, pictureName);
    panel->hide();
    return panel;
}

QPushButton *TwelveTable::panelButton(QFrame *panel, const QString &caption, QPoint place)
{
    auto *button = new QPushButton(caption, panel);
    parts.place(button, QRect(place, PanelButtonSize));
    parts.keepFont(button);
    return button;
}

void TwelveTable::createFixedParts()
{
    QFont nameFont = font();
    nameFont.setBold(true);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        ElidedLabel *name = nameLabels[seat] = new ElidedLabel(this);
        parts.place(name, NameLabels[seat]);
        name->setAlignment(Qt::AlignCenter);
        name->setFont(nameFont);
        parts.keepFont(name);
        QPalette palette = name->palette();
        palette.setColor(QPalette::WindowText, SeatTextColours[seat]);
        name->setPalette(palette);
    }

    bidButtonBackdrop = picture(this, ButtonBackdrop.size(), QStringLiteral("ButtonPanel"));
    parts.moveTo(bidButtonBackdrop, ButtonBackdrop.topLeft());
    const std::pair<Picture **, const char *> buttons[] = {{&bidOneButton, "BidPlus1"},
                                                           {&bidFiveButton, "BidPlus5"},
                                                           {&atAllCostsButton, "BidAtAllCosts"},
                                                           {&noMoreButton, "BidNoMore"}};
    int place = 0;
    for (const auto &[button, name] : buttons) {
        *button = picture(this, BidButtonSize, QString::fromLatin1(name));
        parts.moveTo(*button, BidButtonPlaces[place++]);
        // Nothing is on sale yet.
        (*button)->setEnabled(false);
    }
    bidOneButton->setAccessibleName(QStringLiteral("+1"));
    bidFiveButton->setAccessibleName(QStringLiteral("+5"));
    atAllCostsButton->setAccessibleName(QStringLiteral("At all costs"));
    noMoreButton->setAccessibleName(QStringLiteral("No more"));

    saleFrame = picture(this, AuctionFrameSize, QStringLiteral("AuctionFrame"));
    saleFrame->setAccessibleName(QStringLiteral("Card on sale"));
    saleFrame->hide();

    // Each panel's default button takes Enter while its panel shows (see CentrePanel): the
    // window has one default button at a time.
    roundEndPanel = centrePanel(QStringLiteral("EndOfRound"));
    roundEndPanel->setAccessibleName(QStringLiteral("End of round"));
    roundEndOkButton = panelButton(roundEndPanel, QStringLiteral("OK"), EndOfRoundOkPlace);
    roundEndNote = new QLabel(this);
    roundEndNote->setAlignment(Qt::AlignCenter);
    roundEndNote->setAutoFillBackground(true);
    QPalette notePalette = roundEndNote->palette();
    notePalette.setColor(QPalette::Window, QColor(0, 64, 0));
    notePalette.setColor(QPalette::WindowText, QColor(255, 236, 160));
    roundEndNote->setPalette(notePalette);
    roundEndNote->setFont(arialBold(RoundEndNotePoints));
    const QRect panel = centred(CentrePanelSize);
    parts.place(roundEndNote, QRect(panel.left(), panel.bottom() + 1 + RoundEndNoteHeight / 4,
                                    panel.width(), RoundEndNoteHeight));
    parts.keepFont(roundEndNote);
    roundEndNote->hide();
    gameOverPanel = centrePanel(QStringLiteral("GameOver"));
    gameOverPanel->setAccessibleName(QStringLiteral("Game over"));
    exitButton = panelButton(gameOverPanel, QStringLiteral("Exit"), GameOverExitPlace);
    newGameButton = panelButton(gameOverPanel, QStringLiteral("New game"), GameOverNewGamePlace);

    statusLine = new QStatusBar(this);
    statusLine->setSizeGripEnabled(false);
    // On the window's colour, also where the table is smaller than its widget.
    statusLine->setAutoFillBackground(true);
    parts.place(statusLine, QRect(0, H - StatusHeight, W, StatusHeight));
    parts.keepFont(statusLine);
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
        face->setTag(card);
        face->installEventFilter(this);
        connect(face, &Picture::pressed, this, [this, card] { Q_EMIT cardPressed(card); });
    }
    for (Picture *&runFrame : runFrames)
        runFrame = picture(this, RunFrameSize, QStringLiteral("RunFrame"));
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QWidget *bar = markers[seat] = new QWidget(this);
        parts.place(bar, QRect(QPoint(), uprightSeat(seat) ? UprightMarker : LyingMarker));
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, SeatColours[seat]);
        bar->setPalette(palette);
        bar->setAutoFillBackground(true);
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        bidPanels[seat] = picture(this, BidPanelSize, seatPanelPicture(seat));
    for (int seat = 1; seat <= SeatCount; ++seat)
        bidLabels[seat] = centredLabel(seat, BidPanelSize, arialBold(BidFontPoints));
    for (int seat = 1; seat <= SeatCount; ++seat) {
        // Drawn for the bid panel's size: the box shows the same picture smaller.
        scoreBoxes[seat] = picture(this, BidPanelSize, seatPanelPicture(seat));
        parts.place(scoreBoxes[seat], scoreBox(seat));
    }
    for (int seat = 1; seat <= SeatCount; ++seat) {
        QLabel *score = scoreLabels[seat]
            = centredLabel(seat, ScoreBoxSize, arialBold(ScoreFontPoints));
        parts.place(score, scoreBox(seat));
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
    room = TwelveRoom::paint(parts.scale().factor() * devicePixelRatioF());
    update();
}

void TwelveTable::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Each pixel once: the bands beside a table smaller than its widget, then the room.
    const QRect table = parts.scale().toWidget(QRect(QPoint(), TableSize));
    for (const QRect &band : QRegion(rect()).subtracted(table))
        painter.fillRect(band, Surround);
    // Rectangle by rectangle: under a clip of several rectangles (the cards that moved) the
    // painter draws line by line, handing the lines to other threads and waiting for them.
    const QRect shown = parts.scale().toWidget(QRect(QPoint(), RoomSize));
    for (const QRect &dirty : event->region()) {
        painter.setClipRect(dirty);
        painter.drawPixmap(shown, room);
    }
}

// A window moved to a screen of another pixel ratio draws every picture anew for it at once.
bool TwelveTable::event(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        rescale();
    return QWidget::event(event);
}

void TwelveTable::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    rescale();
}

// The whole table follows its widget: every part placed and lettered for the new scale, and
// the pictures drawn for it, before anything is painted.
void TwelveTable::rescale()
{
    const bool moved = parts.rescale(TableScale::fitting(size(), TableSize));
    const qreal ratio = parts.scale().factor() * devicePixelRatioF();
    if (!moved && qFuzzyCompare(ratio, cardArt.ratio()))
        return;
    tableArt.setRatio(ratio);
    for (const auto &[part, name] : artPictures)
        part->setPixmap(tableArt.picture(name, parts.designed(part).size()));
    cardArt.setRatio(ratio);
    DrawCardPictures(backIndex);
    if (!room.isNull())
        paintRoom();
}

void TwelveTable::DrawCardPictures(int back)
{
    backIndex = back;
    for (int card = 0; card < CardCount; ++card) {
        faces[card]->setPixmapSource(cardArt.faces().source(card));
        faces[card]->setAccessibleName(cardName(card));
    }
    for (int index = 0; index < CardCount; ++index)
        backs[index]->setPixmap(cardArt.backs(backTurn(index / HandSize + 1))[backIndex]);
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
                parts.place(faces[card.card], QRect(card.place, UprightCard));
                faces[card.card]->show();
            }
            continue;
        }
        // The computers' backs stand for their cards in id order: suits show, cards do not.
        for (int index = 0; index < HandSize; ++index) {
            Picture *back = handBack(seat, index);
            if (index < static_cast<int>(placed.size())) {
                parts.moveTo(back, placed[index].place);
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
            parts.place(faces[card.card], QRect(card.place, UprightCard));
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
                parts.moveTo(runFrames[card.card], card.place);
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
        parts.place(part, place);
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

void TwelveTable::showRoundEndNote(const QString &note)
{
    roundEndNote->setText(note);
    roundEndNote->setVisible(!note.isEmpty());
    roundEndPanel->setAccessibleDescription(note);
    roundEndNote->raise();
}

void TwelveTable::CentrePanel(QWidget *panel)
{
    parts.place(panel, centred(CentrePanelSize));
    panel->raise();
    panel->show();
    QPushButton *confirm = panel == roundEndPanel ? roundEndOkButton : newGameButton;
    confirm->setDefault(true);
    confirm->setFocus();
}

void TwelveTable::SetStatus(const QString &text)
{
    if (text.isEmpty())
        statusLine->clearMessage();
    else
        statusLine->showMessage(text);
}

void TwelveTable::UpdateNameLabels()
{
    for (int seat = 1; seat <= SeatCount; ++seat)
        nameLabels[seat]->setFullText(QString::fromStdString(game.PlayerNames[seat]));
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
        // While a card is sold only the player's claim on another card stays marked; a claim
        // on a card that has gone to another seat marks nothing.
        const bool shown = slot != 0 && game.TurnSlot[slot].FaceUp
            && (!saleUnderWay || (seat == HumanSeat && slot != game.AuctionSlot));
        if (shown) {
            parts.place(markers[seat], marker(seat, middleCard(slot)));
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
    parts.place(saleFrame, auctionFrame(middleCard(game.AuctionSlot)));
    saleFrame->raise();
    saleFrame->show();
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
    saleFrame->hide();
}

void TwelveTable::clearMiddle()
{
    for (int slot = 1; slot <= SlotCount; ++slot) {
        parts.resizeTo(travelling(slot), UprightCard);
        travelling(slot)->hide();
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        markers[seat]->hide();
    hideAuction();
    roundEndPanel->hide();
    roundEndNote->hide();
    gameOverPanel->hide();
    turnWidth = CardWidth;
    soldSlot = 0;
}

void TwelveTable::setCardAction(std::function<bool(int)> acts)
{
    cardActs = std::move(acts);
}

void TwelveTable::enableBidButtons(const std::array<bool, 4> &enabled)
{
    Picture *const buttons[] = {bidOneButton, bidFiveButton, atAllCostsButton, noMoreButton};
    for (int index = 0; index < 4; ++index) {
        Picture *button = buttons[index];
        if (button->isEnabled() == enabled[index])
            continue;
        button->setEnabled(enabled[index]);
        if (enabled[index])
            button->setCursor(Qt::PointingHandCursor);
        else
            button->unsetCursor();
    }
}

void TwelveTable::refreshHover()
{
    if (hoveredCard >= 0)
        lightCard(hoveredCard, cardActs && cardActs(hoveredCard));
}

void TwelveTable::lightCard(int card, bool lit)
{
    static const QColor Light(255, 255, 150, 110);
    Picture *face = faces[card];
    face->setHighlight(lit ? Light : QColor());
    if (lit)
        face->setCursor(Qt::PointingHandCursor);
    else
        face->unsetCursor();
}

// A card that goes (put, sold, hidden at a deal) takes its light with it.
bool TwelveTable::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave || type == QEvent::Hide) {
        const int card = static_cast<Picture *>(watched)->tag();
        if (type == QEvent::Enter) {
            if (hoveredCard >= 0)
                lightCard(hoveredCard, false);
            hoveredCard = card;
            refreshHover();
        } else if (card == hoveredCard) {
            lightCard(card, false);
            hoveredCard = -1;
        }
    }
    return QWidget::eventFilter(watched, event);
}
