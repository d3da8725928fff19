#include "uKartyak.h"

#include "Application.h"
#include "CardBacks.h"
#include "CardCanvas.h"
#include "CardFaces.h"
#include "CardId.h"
#include "KeyDispatch.h"
#include "Picture.h"
#include "WindowFrame.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QPushButton>

TfrmKartyak *frmKartyak = nullptr;

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

// The backs of one orientation are turned from the upright ones, which are drawn first if need be.
std::function<QPixmap(int)> turnedFrom(const CardPictureList &upright, CardBacks::Turn turn)
{
    return [&upright, turn](int back) { return CardBacks::turned(upright[back], turn); };
}

}

TfrmKartyak::TfrmKartyak(QWidget *parent)
    : QDialog(parent)
    , ilKartyak(CardId::CardCount, [this](int id) { return CardFaces::paint(id, pixelRatio); })
    , ilHatlap0(CardBacks::BackCount,
                [this](int back) { return CardBacks::paint(back, pixelRatio); })
    , ilHatlapF(CardBacks::BackCount, turnedFrom(ilHatlap0, CardBacks::Turn::UpsideDown))
    , ilHatlap90(CardBacks::BackCount, turnedFrom(ilHatlap0, CardBacks::Turn::CounterClockwise))
    , ilHatlap270(CardBacks::BackCount, turnedFrom(ilHatlap0, CardBacks::Turn::Clockwise))
    , imgKeret(new Picture(this))
    , pnlAlso(new QFrame(this))
    , bbtnMegsem(new QPushButton(QStringLiteral("Cancel"), pnlAlso))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), pnlAlso))
    , pixelRatio(qApp->devicePixelRatio())
{
    setWindowTitle(applicationTitle() + QStringLiteral(" - Card Decks"));

    const QSize client = QSize(OuterWidth, PanelHeight + BackAreaHeight) - DialogFrame;
    setFixedSize(client);
    pnlAlso->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
    bbtnMegsem->setGeometry(QRect(QPoint(CancelLeft, ButtonTop), ButtonSize));
    bbtnOk->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &TfrmKartyak::bbtnOkClick);
    connect(bbtnMegsem, &QPushButton::clicked, this, &QDialog::reject);

    // The frame lies under the backs and lets clicks through to them.
    imgKeret->resize(SelectionFrameControl);
    imgKeret->setPixmapSource([this] { return CardBacks::paintSelectionFrame(pixelRatio); });
    imgKeret->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < CardBacks::BackCount; ++i) {
        auto *picture = new Picture(this);
        picture->setGeometry((i * GridColumnStep) % (GridColumns * GridColumnStep) + GridMargin,
                             (i / GridColumns) * GridRowStep + GridMargin,
                             CardCanvas::CardSize.width(), CardCanvas::CardSize.height());
        picture->setTag(i);
        picture->setPixmapSource([this, i] { return ilHatlap0[i]; });
        picture->setCursor(Qt::PointingHandCursor);
        connect(picture, &Picture::clicked, this, [this, picture] { img0Click(picture); });
        picture->setAccessibleName(QStringLiteral("Card back %1").arg(i + 1));
        backPictures.push_back(picture);
    }

    // The arrows move the choice through the grid; Return is OK and Esc Cancel, as anywhere.
    auto *keys = new KeyDispatch(this);
    const std::pair<Qt::Key, int> moves[]{{Qt::Key_Left, -1},
                                          {Qt::Key_Right, +1},
                                          {Qt::Key_Up, -GridColumns},
                                          {Qt::Key_Down, +GridColumns}};
    for (const auto &[key, step] : moves)
        keys->on({key}, [this, step] {
            const int back = PendingBack + step;
            if (back >= 0 && back < CardBacks::BackCount)
                chooseByKey(backPictures[back]);
            return true;
        });
}

void TfrmKartyak::chooseByKey(Picture *picture)
{
    img0Click(picture);
    QAccessibleEvent focus(picture, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void TfrmKartyak::img0Click(Picture *picture)
{
    imgKeret->move(picture->pos()
                   - QPoint(CardBacks::SelectionFrameWidth, CardBacks::SelectionFrameWidth));
    PendingBack = picture->tag();
    for (Picture *back : backPictures)
        back->setAccessibleDescription(back == picture ? QStringLiteral("chosen") : QString());
}

void TfrmKartyak::bbtnOkClick()
{
    ChosenBack = PendingBack;
    accept();
}

// Every showing starts on the game's current back. A back index from outside the nine (a
// damaged settings file) marks the first back rather than reading past the pictures.
void TfrmKartyak::showEvent(QShowEvent *event)
{
    const bool known = ChosenBack >= 0 && ChosenBack < CardBacks::BackCount;
    img0Click(backPictures[known ? ChosenBack : 0]);
    QDialog::showEvent(event);
}
