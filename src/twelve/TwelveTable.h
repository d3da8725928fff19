#pragma once

#include "TwelveMotion.h"
#include "TwelveRules.h"
#include "TwelveTableLayout.h"

#include <QWidget>
#include <array>

class Picture;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;

// The Twelve table: the room, the four hands, the middle row, markers, bid panels, score boxes,
// the bid buttons and the panels at the end of a round and of a game. Every picture is made
// once and only moved, sized, shown and hidden during play. It shows the game it is given and
// performs one step of a card movement per call; the turn flow decides which.
class TwelveTable : public QWidget
{
    Q_OBJECT
public:
    TwelveTable(const TwelveGame &game, QWidget *parent = nullptr);

    // Parts laid out at fixed places.
    std::array<QLabel *, SeatCount + 1> lblNev{};
    Picture *imgMuv;
    Picture *imgTet1;
    Picture *imgTet5;
    Picture *imgTetTobb;
    Picture *imgTetNoMore;
    Picture *imgKeret;
    QFrame *pnlFordVege;
    QPushButton *bbtnFordVegeOk;
    QFrame *pnlJatVege;
    QPushButton *bbtnKilep;
    QPushButton *bbtnUjJat;
    QStatusBar *stb1;

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

    void paintRoom();
    void DrawCardPictures(int backIndex);
    // 0 lays out every hand and hides the faces of cards the player does not hold; 1..4 one.
    void LayoutHands(int which, bool stretch);
    void ShowRoundEndHands();
    void ShowPlaces();
    void CentrePanel(QWidget *panel);
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
    void paintEvent(QPaintEvent *event) override;

private:
    void createFixedParts();
    void createPictures();
    // A seat's panel with its label, brought to the front: bid panels and places share them.
    void showSeatPanel(int seat, QRect place, const QString &text);
    void describeSeatPanel(QWidget *panel, int seat, const QString &what, int number);
    Picture *travelling(int slot) const { return backs[slot]; }
    Picture *handBack(int seat, int index) const { return backs[(seat - 1) * HandSize + index]; }

    const TwelveGame &game;
    QPixmap room;
    std::array<QPoint, SlotCount + 1> travelPlace{};
    // The width shared by the cards turning over.
    int turnWidth = TwelveTableLayout::CardWidth;
    TwelveMotion::Flight flight;
    // The middle card being sold, from the moment its face turns away until it arrives.
    int soldSlot = 0;
};
