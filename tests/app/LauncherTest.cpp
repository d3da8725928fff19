#include "Application.h"
#include "Click.h"
#include "FocusFrame.h"
#include "GameWindow.h"
#include "GolfWindow.h"
#include "Keys.h"
#include "LauncherWindow.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "StartUp.h"
#include "TempDataDir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class LauncherTest : public TempDataDir
{
protected:
    LauncherTest() { launcher.show(); }
    ~LauncherTest() override { setMainWindow(nullptr); }

    // An icon file whose single image is filled with one colour.
    void writeIcon(const QString &fileName, QColor colour)
    {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(dataPath(fileName), "ICO"));
    }

    QColor iconColour() const
    {
        const QIcon icon = QApplication::windowIcon();
        return icon.isNull() ? QColor() : icon.pixmap(32, 32).toImage().pixelColor(16, 16);
    }

    struct Visit
    {
        QPointer<QWidget> window;
        QString title;
        QString caption;
        bool launcherHidden = false;
        QColor icon;
    };

    // Closes a game window, saying Yes if it asks whether to quit.
    void closeGame(QWidget *window)
    {
        QTimer::singleShot(0, &question, [this] {
            if (question.isVisible())
                question.okButton->click();
        });
        window->close();
    }

    // Opens a game with a click, notes what shows while it is open, and closes it again.
    Visit visit(QWidget *clicked, std::function<void(QWidget *)> play = {})
    {
        return visitBy([clicked] { QTest::mouseClick(clicked, Qt::LeftButton); }, play);
    }

    // The same for a game opened another way, by keys say.
    Visit visitBy(const std::function<void()> &open, std::function<void(QWidget *)> play = {})
    {
        Visit seen;
        onNextModal([&](QWidget *modal) {
            seen = {modal, applicationTitle(), modal->windowTitle(), launcher.isHidden(),
                    iconColour()};
            if (play)
                play(modal);
            closeGame(modal);
        });
        open();
        return seen;
    }

    // Waits for the launcher's deferred release. A release delivered through the window system
    // may already have let it run from that event loop on a busy machine.
    void release()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !launcher.releaseTimer->isActive(); }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(launcher.openGame(), OpenGame::None);
    }

    const std::unique_ptr<LauncherWindow> program{createWindows()};
    LauncherWindow &launcher = *program;
    QuestionDialog &question = *questionDialog;
};

}

TEST_F(LauncherTest, StartUpMakesTheSharedWindowsInTheirOrder)
{
    QStringList made;
    for (QObject *child : launcher.children()) {
        if (child->isWidgetType() && static_cast<QWidget *>(child)->isWindow())
            made << child->metaObject()->className();
    }
    EXPECT_EQ(made,
              (QStringList{"DeckChooser", "QuestionDialog", "TwelveScoreSheet", "TwelveNamesDialog",
                           "BestScoresWindow", "BestScoreNameDialog", "TwelveSettingsDialog",
                           "GolfLayoutDialog", "GolfResultsDialog", "AboutBox", "HelpViewer",
                           "PokerSpeedDialog"}));
    EXPECT_EQ(mainWindow(), &launcher);
    EXPECT_EQ(question.windowTitle(), "Kovra - Card Games 1");
}

TEST_F(LauncherTest, EachTileAndPanelOpensItsGameWithItsTitle)
{
    const struct
    {
        QWidget *clicked;
        QString title;
    } cases[] = {
        {launcher.twelveTile, "Twelve"},       {launcher.twelveCaption, "Twelve"},
        {launcher.golfTile, "Kovra - Golf"},   {launcher.golfCaption, "Kovra - Golf"},
        {launcher.pokerTile, "Kovra - Poker"}, {launcher.pokerCaption, "Kovra - Poker"},
    };
    for (const auto &c : cases) {
        const Visit seen = visit(c.clicked);
        ASSERT_TRUE(seen.window);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_TRUE(seen.caption.startsWith(c.title)) << seen.caption.toStdString();
        EXPECT_TRUE(seen.launcherHidden);
        EXPECT_TRUE(launcher.isVisible()) << "the game window shows the launcher again";
        EXPECT_EQ(applicationTitle(), "Kovra - Card Games 1");
        release();
        EXPECT_FALSE(seen.window) << "the closed game window is released";
    }
}

// The release goes to the pressed panel wherever the pointer is; only one over it launches.
TEST_F(LauncherTest, APanelPressReleasedOutsideThePanelOpensNothing)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher));
    QPointer<QWidget> opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            opened = modal;
            closeGame(modal);
        }
    });
    closer.start(0);
    const QPoint aboveTheTile = launcher.golfTile->geometry().center();
    const QPoint besidePanels(launcher.golfCaption->x() - 6,
                              launcher.golfCaption->geometry().center().y());
    for (QLabel *panel : {launcher.twelveCaption, launcher.golfCaption, launcher.pokerCaption}) {
        for (const QPoint release : {aboveTheTile, besidePanels, launcher.pokerCaption->pos()}) {
            if (panel->geometry().contains(release))
                continue;
            pressAndReleaseAt(panel, release);
            EXPECT_FALSE(opened) << panel->text().toStdString() << " released at " << release.x()
                                 << "," << release.y();
            EXPECT_EQ(launcher.openGame(), OpenGame::None);
        }
    }

    pressAndReleaseAt(launcher.golfCaption,
                      launcher.golfCaption->geometry().center() + QPoint(60, 0));
    closer.stop();
    EXPECT_TRUE(opened) << "a release anywhere over the pressed panel launches";
    release();
}

TEST_F(LauncherTest, LaunchingTheSameGameTwiceMakesTwoWindows)
{
    const Visit first = visit(launcher.golfCaption);
    release();
    const Visit second = visit(launcher.golfCaption);
    EXPECT_FALSE(first.window) << "the first window was gone before the second opened";
    EXPECT_TRUE(second.window);
    release();
}

TEST_F(LauncherTest, ASecondGolfWindowStartsFromTheSettingsTheFirstWrote)
{
    visit(launcher.golfCaption, [](QWidget *window) {
        auto *golf = qobject_cast<GolfWindow *>(window);
        golf->soundAction->trigger();
        golf->resize(golf->size() + QSize(30, 20));
    });
    release();

    bool sound = true;
    QSize size;
    visit(launcher.golfCaption, [&](QWidget *window) {
        auto *golf = qobject_cast<GolfWindow *>(window);
        sound = golf->soundAction->isChecked();
        size = golf->outerSize();
    });
    release();
    EXPECT_FALSE(sound);
    EXPECT_EQ(size, QSize(629 + 30, 459 + 20));
}

TEST_F(LauncherTest, TwelveNeedsAScreenAtLeast800Wide)
{
    launcher.primaryScreenWidth = [] { return 799; };
    QString message;
    onNextModal([&](QWidget *modal) {
        message = modal->findChild<QLabel *>()->text();
        static_cast<QuestionDialog *>(modal)->okButton->click();
    });
    launcher.openTwelve();
    EXPECT_EQ(message, "This part of the program works only with minimum resolution 800x600");
    EXPECT_EQ(launcher.openGame(), OpenGame::None);
    EXPECT_FALSE(launcher.releaseTimer->isActive());

    EXPECT_EQ(visit(launcher.golfCaption).title, "Kovra - Golf") << "Golf makes no such test";
    release();

    launcher.primaryScreenWidth = [] { return 800; };
    EXPECT_EQ(visit(launcher.twelveCaption).title, "Twelve");
    release();
}

// The program's own icon is compiled in: it shows from the start, with no icon file anywhere.
TEST_F(LauncherTest, TheProgramIconShowsFromTheStartWithoutIconFiles)
{
    const QIcon atStart = QApplication::windowIcon();
    ASSERT_FALSE(atStart.availableSizes().isEmpty());
    EXPECT_EQ(visit(launcher.golfCaption).icon, iconColour());
    release();
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), atStart.cacheKey());
}

TEST_F(LauncherTest, IconsComeFromTheDataFolderWhateverTheWorkingFolder)
{
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    writeIcon("Poker.ico", Qt::red);
    writeIcon("KVR1.ico", Qt::blue);

    EXPECT_EQ(visit(launcher.pokerCaption).icon, QColor(Qt::red));
    EXPECT_EQ(iconColour(), QColor(Qt::blue));
    release();

    // Without a Golf icon the launcher's icon stays while Golf is open.
    EXPECT_EQ(visit(launcher.golfCaption).icon, QColor(Qt::blue));
    release();

    QFile::remove(dataPath("KVR1.ico"));
    writeDataFile("Twelve.ico", "broken");
    const Visit twelve = visit(launcher.twelveCaption);
    EXPECT_TRUE(twelve.window) << "a broken icon never stops a launch";
    EXPECT_EQ(twelve.icon, QColor(Qt::blue));
    release();
    QDir::setCurrent(previous);
}

TEST_F(LauncherTest, KeysOpenEachGame)
{
    const struct
    {
        std::vector<Qt::Key> keys;
        QString title;
    } cases[] = {
        {{Qt::Key_1}, "Twelve"},
        {{Qt::Key_2}, "Kovra - Golf"},
        {{Qt::Key_3}, "Kovra - Poker"},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, "Kovra - Golf"},
        {{Qt::Key_Tab, Qt::Key_Space}, "Kovra - Poker"},
        {{Qt::Key_Right, Qt::Key_Enter}, "Twelve"},
    };
    const auto *frame = launcher.findChild<FocusFrame *>();
    for (const auto &c : cases) {
        launcher.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
        const Visit seen = visitBy([&] {
            for (const Qt::Key key : c.keys)
                pressKey(&launcher, key);
        });
        EXPECT_EQ(seen.title, c.title);
        release();
    }
    ASSERT_TRUE(frame->isShown());
    EXPECT_EQ(frame->picture(), launcher.twelveTile);
    EXPECT_EQ(launcher.twelveTile->accessibleName(), "Twelve");
}
