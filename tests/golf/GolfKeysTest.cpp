#include "CardLibrary.h"
#include "Click.h"
#include "DeckChooser.h"
#include "FocusFrame.h"
#include "GolfFixtures.h"
#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "GolfWindow.h"
#include "Keys.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "Sound.h"
#include "TempDataDir.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

namespace {

class SilentSound : public Sound::Backend
{
public:
    void play(const QString &, Sound::Mode) override { ++played; }
    int played = 0;
};

class GolfKeysTest : public TempDataDir
{
protected:
    static void SetUpTestSuite()
    {
        library = new CardLibrary;
        cards = new DeckChooser;
    }
    static void TearDownTestSuite()
    {
        delete cards;
        delete library;
    }

    GolfKeysTest() { Sound::setBackend(&sounds); }
    ~GolfKeysTest() override { Sound::setBackend(nullptr); }

    void open(ScriptedRandom draws)
    {
        random = std::move(draws);
        window = std::make_unique<GolfWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    FocusFrame *frame() const { return window->findChild<FocusFrame *>(); }
    QWidget *framed() const { return frame()->isVisible() ? frame()->picture() : nullptr; }
    Picture *picture(int id) const { return window->cardPictures[id]; }
    int foundationCount() const { return window->game().FoundationCount(); }
    void press(Qt::Key key) { pressKey(window.get(), key); }

    static inline CardLibrary *library = nullptr;
    static inline DeckChooser *cards = nullptr;
    QuestionDialog question;
    GolfLayoutDialog layoutDialog;
    GolfResultsDialog resultsDialog;
    SilentSound sounds;
    ScriptedRandom random;
    ProgramRandomScope randomScope{random};
    std::unique_ptr<GolfWindow> window;
};

}

TEST_F(GolfKeysTest, ArrowsWalkTheExposedCardsAndTheStockAndReturnPlaysTheFramedOne)
{
    open(fourOnFive());
    EXPECT_EQ(framed(), nullptr) << "mouse players never see the frame";

    press(Qt::Key_Right);
    ASSERT_EQ(framed(), picture(card(Four))) << "the first arrow only shows the keyboard's place";
    EXPECT_TRUE(frame()->geometry().contains(picture(card(Four))->geometry()));
    EXPECT_EQ(picture(card(Four))->accessibleName(), "Four of clubs");
    EXPECT_EQ(picture(card(Four))->accessibleDescription(), "exposed in column 1");
    press(Qt::Key_Left);
    EXPECT_EQ(framed(), window->stockPicture) << "round from the first card to the stock";
    EXPECT_EQ(window->stockPicture->accessibleName(), "Stock: 16 cards");
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_EQ(framed(), picture(window->game().Tableau(1, 4)));
    press(Qt::Key_Left);

    const int soundsBefore = sounds.played;
    press(Qt::Key_Return);
    EXPECT_EQ(foundationCount(), 2);
    EXPECT_EQ(window->game().Foundation(2), card(Four));
    EXPECT_EQ(picture(card(Four))->accessibleDescription(), "on the foundation");
    EXPECT_EQ(framed(), picture(card(Six, 1))) << "the frame stays on its column";
    EXPECT_EQ(sounds.played, soundsBefore + 1);

    press(Qt::Key_Space);
    EXPECT_EQ(foundationCount(), 2) << "a card that does not fit stays, as when clicked";
    EXPECT_EQ(sounds.played, soundsBefore + 1);

    clickWidget(window->table, Qt::LeftButton, {300, 300});
    EXPECT_EQ(framed(), nullptr) << "a mouse click hides the frame";
    press(Qt::Key_Space);
    EXPECT_EQ(foundationCount(), 2) << "an unseen frame is shown before anything is played";
    EXPECT_EQ(framed(), picture(card(Six, 1)));
}

TEST_F(GolfKeysTest, DigitsPlayAColumnAtOnceAndSTurnsTheStock)
{
    open(fourOnFive());
    const struct
    {
        Qt::Key key;
        int foundation;
        int stock;
    } presses[] = {
        {Qt::Key_0, 1, 16}, // there is no tenth column
        {Qt::Key_1, 2, 16}, // the Four goes onto the Five
        {Qt::Key_1, 2, 16}, // the Six under it does not fit
        {Qt::Key_S, 3, 15},
    };
    for (const auto &step : presses) {
        press(step.key);
        EXPECT_EQ(foundationCount(), step.foundation) << QTest::toString(step.key);
        EXPECT_EQ(window->game().StockCount(), step.stock) << QTest::toString(step.key);
    }
    EXPECT_EQ(framed(), nullptr) << "only the arrows show the frame";
}

// Right and Return alone, from the deal to the result line: every exposed card is tried and
// the stock turned until nothing moves any more.
TEST_F(GolfKeysTest, AWholeGamePlayedWithArrowsAndReturnOnly)
{
    open(fourOnFive());
    for (int pressed = 0; pressed < 2000 && !window->resultLabel->isVisible(); ++pressed) {
        press(Qt::Key_Right);
        press(Qt::Key_Return);
    }
    ASSERT_TRUE(window->resultLabel->isVisible());
    EXPECT_TRUE(window->game().GameOver());
    EXPECT_EQ(window->game().StockCount(), 0);
    EXPECT_EQ(window->resultLabel->text(),
              QString("Game Over - %1 cards left").arg(window->game().cardsLeft()));
}

TEST_F(GolfKeysTest, HelpKeysListsTheKeys)
{
    open(fourOnFive());
    QString shown;
    onNextModal([&](QWidget *modal) {
        shown = question.messageLabel->text();
        pressKey(modal, Qt::Key_Return);
    });
    window->keysAction->trigger();
    EXPECT_TRUE(shown.contains("S: turn the stock")) << shown.toStdString();
    EXPECT_FALSE(question.isVisible());
}

// Alt or F10 hands the keys to the menu bar; its arrows must not move the frame.
TEST_F(GolfKeysTest, TheMenuBarKeepsItsKeys)
{
    open(fourOnFive());
    QTest::keyPress(window->windowHandle(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(window->windowHandle(), Qt::Key_Alt, Qt::NoModifier);
    ASSERT_TRUE(window->mainMenu->hasFocus()) << "Alt opens the menu bar";
    press(Qt::Key_Right);
    EXPECT_EQ(framed(), nullptr);
    press(Qt::Key_Escape);
    press(Qt::Key_Right);
    EXPECT_NE(framed(), nullptr);
}
