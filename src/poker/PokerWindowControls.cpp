// The Poker window's controls: the table with its pictures, labels and buttons, the cards and
// their discard marks, and the game-over panel, each placed as designed and scaled with the
// table.

#include "PokerWindow.h"

#include "CardName.h"
#include "FocusFrame.h"
#include "HintFrame.h"
#include "Picture.h"
#include "PokerKeys.h"
#include "PokerTableLayout.h"
#include "PressButton.h"
#include "StatsTable.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>

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

// The picture scaled to cover the size without distortion, centred, what overhangs cut off.
QPixmap coverPicture(const QPixmap &source, QSize size, qreal pixelRatio)
{
    if (source.isNull() || (size == source.size() && qFuzzyCompare(pixelRatio, 1)))
        return source;
    QPixmap covered(size * pixelRatio);
    covered.setDevicePixelRatio(pixelRatio);
    QPainter painter(&covered);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF shown = QSizeF(source.size()).scaled(QSizeF(size), Qt::KeepAspectRatioByExpanding);
    painter.drawPixmap(
        QRectF(QPointF((size.width() - shown.width()) / 2, (size.height() - shown.height()) / 2),
               shown),
        source, QRectF(source.rect()));
    return covered;
}
}

void PokerWindow::createTable()
{
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), Layout::WindowFontPixels, false));
    table->setMinimumSize(Layout::ClientSize);
    table->setAutoFillBackground(true);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Window, Layout::PlainTable);
    table->setPalette(palette);
    table->installEventFilter(this);

    background->setGeometry(QRect(QPoint(0, 0), Layout::ClientSize));
    backgroundSource = QPixmap(QStringLiteral(":/poker/Background.jpg"));
    background->setPixmap(backgroundSource);
    // Presses fall through to the table, which treats them all alike.
    background->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont captionFont = font();
    captionFont.setBold(true);
    scoreCaption->setFont(captionFont);
    setTextColour(scoreCaption, Layout::Navy);
    scoreCaption->adjustSize();
    parts.place(scoreCaption, QRect(Layout::ScoreCaptionPlace, scoreCaption->size()));

    scoreLabel->setFont(pixelFont(QStringLiteral("Arial"), Layout::ScoreFontPixels, true));
    setTextColour(scoreLabel, Layout::Navy);
    scoreLabel->setAlignment(Qt::AlignCenter);
    parts.place(scoreLabel, Layout::ScoreRect);

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
        parts.place(button.button, button.place);
    }
    connect(invertButton, &PressButton::pressedWith, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            Invert();
        else
            Proceed();
    });
    connect(okButton, &PressButton::pressedWith, this, &PokerWindow::Proceed);

    parts.place(resultPanel, Layout::ResultRect);
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
        parts.placeWhole(picture, QRect(QPoint(), Layout::CardSize));
        picture->setPixmapSource(cardArt.faces().source(card));
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
        parts.placeWhole(mark, QRect(QPoint(), Layout::CardSize));
        mark->setPixmap(cross);
        mark->setTag(position + 1);
        mark->setAccessibleName(QStringLiteral("Discard mark on card %1").arg(position + 1));
        mark->hide();
        connect(mark, &Picture::pressed, this,
                [this, position](Qt::MouseButton button) { markPressed(position, button); });
        DiscardMarks[position] = mark;
    }
    statsTable = std::make_unique<StatsTable>(table, parts);
    for (int position = 0; position < CardsInHand; ++position) {
        auto *label = new QLabel(QStringLiteral("Hold"), table);
        QFont small = label->font();
        small.setPointSize(Layout::SmallFontPoints);
        label->setFont(small);
        setTextColour(label, Layout::HoldLabelColour);
        label->setAlignment(Qt::AlignCenter);
        parts.place(label,
                    QRect(Layout::CardLeft(position),
                          Layout::ClientSize.height() - Layout::HoldLabelRise,
                          Layout::CardSize.width(), Layout::SmallLabelHeight));
        HoldLabels[position] = label;
    }
}

void PokerWindow::createGameOverPanel()
{
    parts.place(gameOverPanel, Layout::GameOverRect);
    gameOverPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    parts.place(gameOverPicture, Layout::GameOverPictureRect);
    gameOverPicture->setPixmap(QPixmap(QStringLiteral(":/poker/GameOver.jpg")));
    gameOverPanel->setAccessibleName(QStringLiteral("Game over"));
    parts.place(newGameButton, QRect(Layout::NewGameButtonPlace, Layout::GameOverButtonSize));
    parts.place(exitButton, QRect(Layout::ExitButtonPlace, Layout::GameOverButtonSize));
    newGameButton->setDefault(true);
    exitButton->setAutoDefault(false);
    connect(newGameButton, &QPushButton::clicked, this, &PokerWindow::NewGame);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    gameOverPanel->hide();
}

// Every text of the table keeps the font it was given as designed, and grows with the table.
void PokerWindow::keepFonts()
{
    for (QLabel *label : table->findChildren<QLabel *>())
        parts.keepFont(label);
    for (QPushButton *button : table->findChildren<QPushButton *>())
        parts.keepFont(button);
}

void PokerWindow::rescale()
{
    // A hint's frames go when their cards move; they come back round the same cards.
    QList<QWidget *> hinted;
    for (HintFrame *frame : hintFrames)
        hinted << frame->picture();
    const bool moved = parts.rescale(TableScale::fitting(table->size(), Layout::ClientSize));
    const qreal scale = parts.scale().factor();
    const qreal ratio = scale * devicePixelRatioF();
    if (!moved && qFuzzyCompare(ratio, cardArt.ratio()) && background->size() == table->size())
        return;
    background->setGeometry(table->rect());
    background->setPixmap(coverPicture(backgroundSource, table->size(), devicePixelRatioF()));
    resultPanel->setLineWidth(std::max(1, qRound(Layout::ResultBevel * scale)));
    for (int position = 0; position < CardsInHand; ++position) {
        hintFrames[position]->setScale(scale);
        if (hinted[position])
            hintFrames[position]->mark(hinted[position]);
    }
    keys->frame()->setScale(scale);
    if (qFuzzyCompare(ratio, cardArt.ratio()))
        return;
    cardArt.setRatio(ratio);
    for (int card = 0; card < DeckSize; ++card)
        cardPictures[card]->setPixmapSource(cardArt.faces().source(card));
}
