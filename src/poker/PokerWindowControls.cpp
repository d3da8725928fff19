// The Poker window's controls: the table with its pictures, labels and buttons, the cards and
// their discard marks, and the game-over panel.

#include "uPoker.h"

#include "CardName.h"
#include "Picture.h"
#include "PokerTableLayout.h"
#include "PressButton.h"
#include "StatsTable.h"
#include "uKartyak.h"

#include <QFrame>
#include <QLabel>

namespace Layout = PokerTableLayout;

namespace {

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Disabled controls keep the style's grey, so a finished game shows its buttons as dead.
void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

}

void TfrmPoker::createTable()
{
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), Layout::WindowFontPixels, false));
    table->setFixedSize(Layout::ClientSize);
    table->setAutoFillBackground(true);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Window, Layout::PlainTable);
    table->setPalette(palette);
    table->installEventFilter(this);

    imgHatter->setGeometry(QRect(QPoint(0, 0), Layout::ClientSize));
    imgHatter->setPixmap(QPixmap(QStringLiteral(":/poker/Background.jpg")));
    // Presses fall through to the table, which treats them all alike.
    imgHatter->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont captionFont = font();
    captionFont.setBold(true);
    lblPontSzov->setFont(captionFont);
    setTextColour(lblPontSzov, Layout::Navy);
    lblPontSzov->move(Layout::ScoreCaptionPlace);
    lblPontSzov->adjustSize();

    lblPont->setFont(pixelFont(QStringLiteral("Arial"), Layout::ScoreFontPixels, true));
    setTextColour(lblPont, Layout::Navy);
    lblPont->setAlignment(Qt::AlignCenter);
    lblPont->setGeometry(Layout::ScoreRect);

    const struct
    {
        PressButton *button;
        QRect place;
        QColor colour;
    } buttons[]{{bbtnInv, Layout::InvertRect, Layout::Green},
                {bbtnOk, Layout::OkRect, Layout::Maroon}};
    for (const auto &button : buttons) {
        button.button->setFont(pixelFont(font().family(), Layout::ButtonFontPixels, true));
        setTextColour(button.button, button.colour);
        button.button->setGeometry(button.place);
    }
    connect(bbtnInv, &PressButton::pressedWith, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Invert();
        else
            Proceed();
    });
    connect(bbtnOk, &PressButton::pressedWith, this, &TfrmPoker::Proceed);

    pnlEredm->setGeometry(Layout::ResultRect);
    pnlEredm->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlEredm->setLineWidth(Layout::ResultBevel);
    pnlEredm->setAutoFillBackground(true);
    QPalette result = pnlEredm->palette();
    result.setColor(QPalette::Window, Layout::ResultBackground);
    result.setColor(QPalette::WindowText, Layout::Yellow);
    pnlEredm->setPalette(result);
    pnlEredm->setFont(pixelFont(font().family(), Layout::ResultFontPixels, true));
    pnlEredm->setAlignment(Qt::AlignCenter);
    pnlEredm->hide();
}

void TfrmPoker::createCards()
{
    for (int card = 0; card < DeckSize; ++card) {
        auto *picture = new Picture(table);
        picture->resize(Layout::CardSize);
        picture->setPixmapSource(frmKartyak->ilKartyak.source(card));
        picture->setTag(card);
        picture->setAccessibleName(cardName(card));
        picture->hide();
        connect(picture, &Picture::pressed, this,
                [this, card](Qt::MouseButton button) { cardPressed(card, button); });
        cardPictures[card] = picture;
    }
    const QPixmap cross(QStringLiteral(":/poker/Discard.png"));
    for (int position = 0; position < CardsInHand; ++position) {
        auto *mark = new Picture(table);
        mark->resize(Layout::CardSize);
        mark->setPixmap(cross);
        mark->setTag(position + 1);
        mark->setAccessibleName(QStringLiteral("Discard mark on card %1").arg(position + 1));
        mark->hide();
        connect(mark, &Picture::pressed, this,
                [this, position](Qt::MouseButton button) { markPressed(position, button); });
        DiscardMarks[position] = mark;
    }
    statsTable = std::make_unique<StatsTable>(table);
    for (int position = 0; position < CardsInHand; ++position) {
        auto *label = new QLabel(QStringLiteral("Hold"), table);
        QFont small = label->font();
        small.setPointSize(Layout::SmallFontPoints);
        label->setFont(small);
        setTextColour(label, Layout::HoldLabelColour);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(Layout::CardLeft(position),
                           Layout::ClientSize.height() - Layout::HoldLabelRise,
                           Layout::CardSize.width(), Layout::SmallLabelHeight);
        HoldLabels[position] = label;
    }
}

void TfrmPoker::createGameOverPanel()
{
    pnlJatVege->setGeometry(Layout::GameOverRect);
    pnlJatVege->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgJatVege->setGeometry(Layout::GameOverPictureRect);
    imgJatVege->setPixmap(QPixmap(QStringLiteral(":/poker/GameOver.jpg")));
    pnlJatVege->setAccessibleName(QStringLiteral("Game over"));
    bbtnUjJat->setGeometry(QRect(Layout::NewGameButtonPlace, Layout::GameOverButtonSize));
    bbtnKilep->setGeometry(QRect(Layout::ExitButtonPlace, Layout::GameOverButtonSize));
    bbtnUjJat->setDefault(true);
    bbtnKilep->setAutoDefault(false);
    connect(bbtnUjJat, &QPushButton::clicked, this, &TfrmPoker::NewGame);
    connect(bbtnKilep, &QPushButton::clicked, this, &QWidget::close);
    pnlJatVege->hide();
}
