#pragma once

#include "ElidedLabel.h"
#include "ScaledCardArt.h"
#include "ScaledParts.h"
#include "TwelveMotion.h"
#include "TwelveRules.h"
#include "TwelveTableLayout.h"
#include "TwelveTablePictures.h"

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class Picture;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;

// The Twelve table: the room, the four hands, the middle row, markers, bid panels, score boxes,
// the bid buttons and the panels at the end of a round and of a game. Every picture is made
// once and only moved, sized, shown and hidden during play. It shows the game it is given and
// performs one step of a card movement per call; the turn flow decides which. Everything is
// placed in designed coordinates; a larger widget shows the whole table scaled (see parts).
class TwelveTable : public QWidget
{
    Q_OBJECT
public:
    TwelveTable(const TwelveGame &game, QWidget *parent = nullptr);
    ~TwelveTable() override;

    QSize sizeHint() const override;
    // The designed geometry of every part and how it maps onto the widget.
    const ScaledParts &layout() const { return parts; }

    // Parts laid out at fixed places.
    std::array<ElidedLabel *, SeatCount + 1> nameLabels{};
    Picture *bidButtonBackdrop;
    Picture *bidOneButton;
    Picture *bidFiveButton;
    Picture *atAllCostsButton;
    Picture *noMoreButton;
    Picture *saleFrame;
    QFrame *roundEndPanel;
    QPushButton *roundEndOkButton;
    // Under the End of Round panel: why a round ended drawn.
    QLabel *roundEndNote;
    QFrame *gameOverPanel;
    QPushButton *exitButton;
    QPushButton *newGameButton;
    QStatusBar *statusLine;

    // Pictures made in this order when the table is made: 13 backs per seat (seat 1's second to
    // fifth travel for slots 1..4), a face per card id, a run frame per card id, then per seat a
    // marker bar, a bid panel with its label and a score box with its label.
    std::array<Picture *, CardCount> backs{};
    std::array<Picture *, CardCount> faces{};
    std::array<Picture *, CardCount> runFrames{};
    std::array<QWidget *, SeatCount + 1> markers{};
    std::array<Picture *, SeatCount + 1> bidPanels{};
    std::array<QLabel *, SeatCount + 1> bidLabels{};
    std::array<Picture *, SeatCount + 1> scoreBoxes{};
    std::array<QLabel *, SeatCount + 1> scoreLabels{};

    // What a press on a card would do now: the card under the mouse is lit and shows a hand
    // when it would act. Asked again by refreshHover when the game has moved on.
    void setCardAction(std::function<bool(int card)> acts);
    void refreshHover();
    // "+1", "+5", "At all costs", "No more": each looks pressable exactly when it is.
    void enableBidButtons(const std::array<bool, 4> &enabled);

    void paintRoom();
    void DrawCardPictures(int back);
    // 0 lays out every hand and hides the faces of cards the player does not hold; 1..4 one.
    void LayoutHands(int which, bool stretch);
    void ShowRoundEndHands();
    void ShowPlaces();
    void CentrePanel(QWidget *panel);
    // The note under the End of Round panel; an empty one hides it.
    void showRoundEndNote(const QString &note);
    void SetStatus(const QString &text);
    void UpdateNameLabels();
    void showScore(int seat, int points);

    // Markers show which seat wants which middle card; the frame marks the card on sale.
    enum class MarkerMoment {
        Choosing, // every seat's claim
        SaleClosed, // only the player's claim on a card still in the middle
    };
    void showMarkers(MarkerMoment moment);
    void showAuction();
    void ShowBidPanel(int seat);
    void showBid(int seat);
    void hideAuction();
    // Back to the start of a game: nothing in the middle, no marker, panel or place showing.
    void clearMiddle();

    // Movements, one step per call; each answers true when it has finished.
    void startTravel(int slot);
    bool travelStep(int slot, int moveStep);
    bool narrowBacks(int turnStep);
    bool widenFaces(int turnStep);
    bool narrowSoldFace(int slot, int turnStep);
    bool widenSoldBack(int slot, int buyer, int moveStep, int turnStep);
    bool flightStep();
    void landSoldCard(int slot);

Q_SIGNALS:
    // A press on a card's face, in a hand or in the middle.
    void cardPressed(int card);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createFixedParts();
    void createPictures();
    // Parts made with their designed size; a picture that comes with the table by its name.
    Picture *picture(QWidget *parent, QSize size, const QString &artName = {});
    QLabel *centredLabel(int seat, QSize size, const QFont &font);
    QFrame *centrePanel(const QString &pictureName);
    QPushButton *panelButton(QFrame *panel, const QString &caption, QPoint place);
    void rescale();
    // A seat's panel with its label, brought to the front: bid panels and places share them.
    void showSeatPanel(int seat, QRect place, const QString &text);
    void describeSeatPanel(QWidget *panel, int seat, const QString &what, int number);
    Picture *travelling(int slot) const { return backs[slot]; }
    Picture *handBack(int seat, int index) const { return backs[(seat - 1) * HandSize + index]; }

    void lightCard(int card, bool lit);

    ScaledParts parts;
    TwelveTablePictures tableArt;
    std::vector<std::pair<Picture *, QString>> artPictures;
    ScaledCardArt cardArt;
    int backIndex = 0;
    const TwelveGame &game;
    std::function<bool(int)> cardActs;
    // The face under the mouse, or -1.
    int hoveredCard = -1;
    QPixmap room;
    std::array<QPoint, SlotCount + 1> travelPlace{};
    // The width shared by the cards turning over.
    int turnWidth = TwelveTableLayout::CardWidth;
    TwelveMotion::Flight flight;
    // The middle card being sold, from the moment its face turns away until it arrives.
    int soldSlot = 0;
};
