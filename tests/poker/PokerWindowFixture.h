#pragma once

#include "Click.h"
#include "PokerSharedWindows.h"
#include "PokerWindow.h"
#include "Random.h"
#include "ScriptedRandom.h"
#include "Sound.h"
#include "TempDataDir.h"

#include <QLabel>
#include <QTimer>
#include <memory>

// 2, 3, 4, 5 of Clubs and 7 of Diamonds: nothing. Ten to Ace of Spades: a royal flush.
inline constexpr std::initializer_list<int> RuntDeal{0, 1, 2, 3, 18};
inline constexpr std::initializer_list<int> RoyalDeal{34, 35, 36, 37, 38};
inline constexpr QPoint EmptyTable{430, 200};

class RecordedSounds : public Sound::Backend
{
public:
    void play(const QString &path, Sound::Mode mode) override { played.push_back({path, mode}); }
    std::vector<std::pair<QString, Sound::Mode>> played;
};

class PokerWindowTest : public TempDataDir
{
protected:
    static void SetUpTestSuite() { shared = new PokerSharedWindows; }
    static void TearDownTestSuite() { delete shared; }

    PokerWindowTest() { Sound::setBackend(&sounds); }
    ~PokerWindowTest() override { Sound::setBackend(nullptr); }

    // Opens the window on these cards and lets the first timer tick pass.
    void open(std::initializer_list<int> deal)
    {
        for (int card : deal)
            random.push(card);
        window = std::make_unique<PokerWindow>();
        window->chooseGameFile = [this](QFileDialog::AcceptMode) { return chosenFile; };
        window->show();
        window->MoveTick();
    }

    // A press the way the table delivers it: to the topmost control under the point.
    void pressAt(QPoint point, Qt::MouseButton button)
    {
        QWidget *target = window->table->childAt(point);
        if (!target)
            target = window->table;
        clickWidget(target, button, target->mapFrom(window->table, point));
    }

    void pressCard(int position, Qt::MouseButton button = Qt::LeftButton)
    {
        pressAt(QPoint(20 + 91 * position + 35, 251 + 48), button);
    }

    // Ticks until no card slides; returns the number of ticks.
    int finishSlide()
    {
        int ticks = 0;
        while (window->slideTimer->isActive() && ticks < 1000) {
            window->MoveTick();
            ++ticks;
        }
        return ticks;
    }

    QString money() const { return window->scoreLabel->text(); }

    void saveAs(const QString &path)
    {
        chosenFile = path;
        window->SaveAs();
    }

    void load(const QString &path)
    {
        chosenFile = path;
        window->LoadGame();
    }

    static inline PokerSharedWindows *shared = nullptr;
    RecordedSounds sounds;
    ScriptedRandom random;
    ProgramRandomScope randomScope{random};
    std::unique_ptr<PokerWindow> window;
    QString chosenFile;
};
