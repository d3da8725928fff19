// The Poker window's controls: the table with its pictures, labels and buttons, the cards and
// their discard marks, and the game-over panel.

#include "PokerWindow.h"

#include "CardLibrary.h"
#include "CardName.h"
#include "Picture.h"
#include "PokerTableLayout.h"
#include "PressButton.h"
#include "StatsTable.h"

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

void PokerWindow::createTable()
{
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), Layout::WindowFontPixels, false));
    table->setFixedSize(Layout::ClientSize);
    table->setAutoFillBackground(true);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Window, Layout::PlainTable);
    table->setPalette(palette);
    table->installEventFilter(this);

    background->setGeometry(QRect(QPoint(0, 0), Layout::ClientSize));
    background->setPixmap(QPixmap(QStringLiteral(":/poker/Background.jpg")));
    // Presses fall through to the table, which treats them all alike.
    background->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont captionFont = font();
    captionFont.setBold(true);
    scoreCaption->setFont(captionFont);
    setTextColour(scoreCaption, Layout::Navy);
    scoreCaption->move(Layout::ScoreCaptionPlace);
    scoreCaption->adjustSize();

    scoreLabel->setFont(pixelFont(QStringLiteral("Arial"), Layout::ScoreFontPixels, true));
    setTextColour(scoreLabel, Layout::Navy);
    scoreLabel->setAlignment(Qt::AlignCenter);
    scoreLabel->setGeometry(Layout::ScoreRect);

    const struct
    {
        PressButton *button;
        QRect place;
        QColor colour;
    } buttons[]{{invertButton, Layout::InvertRect, Layout::Green},
                {okButton, Layout::OkRect, Layout::Maroon}};
    for (const auto &button : buttons) {
        button.button->setFont(pixelFont(font().family(), Layout::ButtonFontPixels, true));
        setTextColour(button.button, button.colour);
        button.button->setGeometry(button.place);
    }
    connect(invertButton, &PressButton::pressedWith, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Invert();
        else
            Proceed();
    });
    connect(okButton, &PressButton::pressedWith, this, &PokerWindow::Proceed);

    resultPanel->setGeometry(Layout::ResultRect);
    resultPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    resultPanel->setLineWidth(Layout::ResultBevel);
    resultPanel->setAutoFillBackground(true);
    QPalette result = resultPanel->palette();
    result.setColor(QPalette::Window, Layout::ResultBackground);
    result.setColor(QPalette::WindowText, Layout::Yellow);
    resultPanel->setPalette(result);
    resultPanel->setFont(pixelFont(font().family(), Layout::ResultFontPixels, true));
    resultPanel->setAlignment(Qt::AlignCenter);
    resultPanel->hide();
}

void PokerWindow::createCards()
{
    for (int card = 0; card < DeckSize; ++card) {
        auto *picture = new Picture(table);
        picture->resize(Layout::CardSize);
        picture->setPixmapSource(cardLibrary->faces.source(card));
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

void PokerWindow::createGameOverPanel()
{
    gameOverPanel->setGeometry(Layout::GameOverRect);
    gameOverPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    gameOverPicture->setGeometry(Layout::GameOverPictureRect);
    gameOverPicture->setPixmap(QPixmap(QStringLiteral(":/poker/GameOver.jpg")));
    gameOverPanel->setAccessibleName(QStringLiteral("Game over"));
    newGameButton->setGeometry(QRect(Layout::NewGameButtonPlace, Layout::GameOverButtonSize));
    exitButton->setGeometry(QRect(Layout::ExitButtonPlace, Layout::GameOverButtonSize));
    newGameButton->setDefault(true);
    exitButton->setAutoDefault(false);
    connect(newGameButton, &QPushButton::clicked, this, &PokerWindow::NewGame);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    gameOverPanel->hide();
}
