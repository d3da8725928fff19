// The Poker window's coach: the values of every hold of the hand on the table, worked out off
// the window's thread as the hand is dealt; the hint; the question before a costly draw; and the
// tally of how well the player holds.

#include "PokerWindow.h"

#include "CardName.h"
#include "HintFrame.h"
#include "Picture.h"
#include "PokerCoach.h"
#include "PokerTableLayout.h"
#include "QuestionDialog.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>

namespace Layout = PokerTableLayout;

namespace {

// A draw that gives away less than half a cent on average is not worth a question.
constexpr double CostWorthAsking = 0.005;

QString dollars(double value)
{
    return QStringLiteral("$%1").arg(value, 0, 'f', 2);
}

// "the 2 of Clubs and the 2 of Diamonds", or "no card" for a draw of five.
QString cardsKept(const PokerCards &hand, HoldMask hold)
{
    QStringList names;
    for (int position = 0; position < CardsInHand; ++position)
        if (hold & (1 << position))
            names << cardName(hand[position]);
    if (names.isEmpty())
        return QStringLiteral("no card");
    const QString last = names.takeLast();
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Every game played since the program started, in whichever Poker window.
PokerCoachTally &sessionTally()
{
    static PokerCoachTally tally;
    return tally;
}

QString tallyText(const QString &when, const PokerCoachTally &tally)
{
    return QStringLiteral("%1: best hold %2 of %3, %4 given away")
        .arg(when)
        .arg(tally.handsWithBestHold)
        .arg(tally.handsValued)
        .arg(dollars(tally.givenAway));
}

} // namespace

void PokerWindow::createCoach()
{
    QFont small = font();
    small.setPixelSize(Layout::CoachFontPixels);
    coachPanel->setFont(small);
    parts.place(coachPanel, Layout::CoachRect);
    coachPanel->setWordWrap(true);
    coachPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = coachPanel->palette();
    palette.setColor(QPalette::WindowText, Layout::Navy);
    coachPanel->setPalette(palette);
    coachPanel->setAccessibleName(QStringLiteral("Coach"));
    for (HintFrame *&frame : hintFrames)
        frame = new HintFrame(table, Layout::HintColour, HintFrame::WhenMoved::Goes);
    connect(coach, &PokerCoach::valued, this, &PokerWindow::handValued);
    showCoachPanel();
}

void PokerWindow::handDealt()
{
    handDealtForStatistics();
    handValues.reset();
    hintWanted = false;
    clearHintFrames();
    coach->request(pokerGame.hand());
    showCoachPanel();
}

void PokerWindow::handValued(const PokerCards &hand, const HoldValues &values)
{
    if (pokerGame.phase() != PokerPhase::WaitingForDraw || hand != pokerGame.hand())
        return;
    handValues = values;
    if (hintWanted)
        showHint();
    showCoachPanel();
}

void PokerWindow::Hint()
{
    if (pokerGame.phase() != PokerPhase::WaitingForDraw || waitingForFirstTick)
        return;
    hintWanted = true;
    if (handValues)
        showHint();
    showCoachPanel();
}

void PokerWindow::showHint()
{
    const HoldMask best = bestHold(*handValues);
    for (int position = 0; position < CardsInHand; ++position) {
        if (best & (1 << position))
            hintFrames[position]->mark(cardPictures[pokerGame.hand()[position]]);
        else
            hintFrames[position]->clear();
    }
}

// The hint is for the marks it was given on; the values stay on the coach's line.
void PokerWindow::marksChanged()
{
    showMarks();
    clearHintFrames();
    showCoachPanel();
}

HoldMask PokerWindow::heldMask() const
{
    HoldMask held = 0;
    for (int position = 0; position < CardsInHand; ++position)
        if (!pokerGame.isMarked(position))
            held |= 1 << position;
    return held;
}

void PokerWindow::showCoachPanel()
{
    QStringList lines;
    const bool deciding = pokerGame.phase() == PokerPhase::WaitingForDraw;
    if (deciding && hintWanted && !handValues)
        lines << QStringLiteral("Working out the best hold...");
    if (deciding && hintWanted && handValues) {
        const HoldMask best = bestHold(*handValues);
        lines << QStringLiteral("Best: keep %1, %2")
                     .arg(cardsKept(pokerGame.hand(), best), dollars((*handValues)[best]));
        lines << QStringLiteral("Your marks: %1").arg(dollars((*handValues)[heldMask()]));
    }
    lines << tallyText(QStringLiteral("This game"), gameTally);
    lines << tallyText(QStringLiteral("This session"), sessionTally());
    coachPanel->setText(lines.join(QLatin1Char('\n')));
}

bool PokerWindow::coachLetsDraw()
{
    if (!coachAction->isChecked() || !handValues)
        return true;
    const HoldMask held = heldMask();
    const double cost = costOfHold(*handValues, held);
    if (cost <= CostWorthAsking)
        return true;
    const HoldMask best = bestHold(*handValues);
    const QString question
        = QStringLiteral("The coach would keep %1: that pays %2 on average, your marks %3. "
                         "This draw gives away %4.")
              .arg(cardsKept(pokerGame.hand(), best), dollars((*handValues)[best]),
                   dollars((*handValues)[held]), dollars(cost));
    return AskChoice(question, QStringLiteral("Draw anyway"), QStringLiteral("Change")) == 'D';
}

void PokerWindow::drawn(HoldMask held)
{
    if (handValues) {
        gameTally.record(*handValues, held);
        sessionTally().record(*handValues, held);
        bestPlayGain = *std::max_element(handValues->begin(), handValues->end());
    }
    handValues.reset();
    hintWanted = false;
    clearHintFrames();
    showCoachPanel();
}

void PokerWindow::clearHintFrames()
{
    for (HintFrame *frame : hintFrames)
        frame->clear();
}
