#include "DeckChooser.h"

#include "Application.h"
#include "CardBacks.h"
#include "CardCanvas.h"
#include "CardLibrary.h"
#include "KeyDispatch.h"
#include "Picture.h"
#include "WindowFrame.h"

#include <QAccessible>
#include <QFrame>
#include <QPushButton>

DeckChooser *deckChooser = nullptr;

namespace {

constexpr int GridColumnStep = 91;
constexpr int GridRowStep = 116;
constexpr int GridColumns = 3;
constexpr int GridMargin = 20;
constexpr int OuterWidth = 298;
constexpr int BackAreaHeight = 398;
constexpr int PanelHeight = 41;
constexpr int ButtonTop = 8;
constexpr QSize ButtonSize{75, 25};
constexpr int CancelLeft = 104;
constexpr int OkLeft = 200;
constexpr QSize SelectionFrameControl{88, 114};

}

DeckChooser::DeckChooser(QWidget *parent)
    : QDialog(parent)
    , selectionFrame(new Picture(this))
    , buttonPanel(new QFrame(this))
    , cancelButton(new QPushButton(QStringLiteral("Cancel"), buttonPanel))
    , okButton(new QPushButton(QStringLiteral("OK"), buttonPanel))
{
    setWindowTitle(applicationTitle() + QStringLiteral(" - Card Decks"));

    const QSize client = QSize(OuterWidth, PanelHeight + BackAreaHeight) - DialogFrame;
    setFixedSize(client);
    buttonPanel->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
    cancelButton->setGeometry(QRect(QPoint(CancelLeft, ButtonTop), ButtonSize));
    okButton->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &DeckChooser::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The frame lies under the backs and lets clicks through to them.
    selectionFrame->resize(SelectionFrameControl);
    selectionFrame->setPixmapSource(
        [] { return CardBacks::paintSelectionFrame(cardLibrary->pictureRatio()); });
    selectionFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < CardBacks::BackCount; ++i) {
        auto *picture = new Picture(this);
        picture->setGeometry((i * GridColumnStep) % (GridColumns * GridColumnStep) + GridMargin,
                             (i / GridColumns) * GridRowStep + GridMargin,
                             CardCanvas::CardSize.width(), CardCanvas::CardSize.height());
        picture->setTag(i);
        picture->setPixmapSource(cardLibrary->backsUpright.source(i));
        picture->setCursor(Qt::PointingHandCursor);
        connect(picture, &Picture::clicked, this, [this, picture] { backClicked(picture); });
        picture->setAccessibleName(QStringLiteral("Card back %1").arg(i + 1));
        backPictures.push_back(picture);
    }

    // The arrows move the choice through the grid; Return is OK and Esc Cancel, as anywhere.
    auto *keys = new KeyDispatch(this);
    const std::pair<Qt::Key, int> moves[]{{Qt::Key_Left, -1},
                                          {Qt::Key_Right, +1},
                                          {Qt::Key_Up, -GridColumns},
                                          {Qt::Key_Down, +GridColumns}};
    // A lambda takes the step by its own name: clang before 16 cannot capture a structured
    // binding.
    for (const auto &move : moves)
        keys->on({move.first}, [this, step = move.second] {
            const int back = PendingBack + step;
            if (back >= 0 && back < CardBacks::BackCount)
                chooseByKey(backPictures[back]);
            return true;
        });
}

void DeckChooser::chooseByKey(Picture *picture)
{
    backClicked(picture);
    QAccessibleEvent focus(picture, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void DeckChooser::backClicked(Picture *picture)
{
    selectionFrame->move(picture->pos()
                         - QPoint(CardBacks::SelectionFrameWidth, CardBacks::SelectionFrameWidth));
    PendingBack = picture->tag();
    for (Picture *back : backPictures)
        back->setAccessibleDescription(back == picture ? QStringLiteral("chosen") : QString());
}

void DeckChooser::okClicked()
{
    ChosenBack = PendingBack;
    accept();
}

// Every showing starts on the game's current back. A back index from outside the nine (a
// damaged settings file) marks the first back rather than reading past the pictures.
void DeckChooser::showEvent(QShowEvent *event)
{
    const bool known = ChosenBack >= 0 && ChosenBack < CardBacks::BackCount;
    backClicked(backPictures[known ? ChosenBack : 0]);
    QDialog::showEvent(event);
}
