#pragma once

#include "CardLibrary.h"
#include "Click.h"
#include "DeckChooser.h"
#include "GolfFixtures.h"
#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "GolfSolver.h"
#include "GolfTable.h"
#include "GolfWindow.h"
#include "IniFile.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "Random.h"
#include "Sound.h"
#include "TempDataDir.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <memory>

// The Golf window opened on scripted deals, with the shared dialogs it talks to and the sounds
// it plays recorded.

inline const QString QuitQuestion = "Are you sure to quit?";
inline const QString NewGameQuestion = "Are you sure to quit this game and start a new one?";

class SoundRecorder : public Sound::Backend
{
public:
    void play(const QString &path, Sound::Mode mode) override
    {
        played << QFileInfo(path).fileName();
        EXPECT_EQ(mode, Sound::Wait) << "the game goes on when the sound has ended";
    }
    QStringList played;
};

class GolfWindowTest : public TempDataDir
{
protected:
    // The card library draws every card; made once, as the program does.
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

    GolfWindowTest() { Sound::setBackend(&sounds); }
    ~GolfWindowTest() override { Sound::setBackend(nullptr); }

    // Opens the window, which reads "Golf.ini" and deals with these draws.
    void open(ScriptedRandom draws = ScriptedRandom())
    {
        random = std::move(draws);
        window = std::make_unique<GolfWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    Picture *picture(int id) const { return window->cardPictures[id]; }
    QPoint stock() const { return GolfTable::stock(window->table->height()); }
    QPoint foundationPlace(int position) const
    {
        return GolfTable::foundationCard(position, stock());
    }
    int topCard() const { return window->game().Foundation(window->game().FoundationCount()); }

    // Waits, without blocking the window, for the solver's answer on the position shown.
    bool adviceArrives() const
    {
        return QTest::qWaitFor([this] { return window->advice().has_value(); }, 30000);
    }
    // Waits, without blocking the window, for "Winnable deals only" to have dealt.
    bool dealSettles() const
    {
        return QTest::qWaitFor([this] { return !window->lookingForWinnableDeal(); }, 60000);
    }
    QString status() const { return window->solverLabel->text(); }
    // What a solver of our own says about the position on the table.
    static GolfSolution solved(const GolfGame &game) { return GolfSolver().solve(game.position()); }
    void playMove(GolfMove move)
    {
        if (move.kind == GolfMove::Turn)
            clickWidget(window->stockPicture);
        else
            clickWidget(picture(
                window->game().Tableau(move.column, window->game().ColumnLen(move.column) - 1)));
    }
    // A small layout keeps the solver quick under the sanitizers.
    void writeLayout(GolfLayout layout, bool winnableOnly = false)
    {
        IniFile file(dataPath("Golf.ini"));
        file.writeInteger("Beallitas", "AktOszlSzam", layout.columns);
        file.writeInteger("Beallitas", "AktSorSzam", layout.rows);
        file.writeBool("Beallitas", "CsakNyerheto", winnableOnly);
        file.save();
    }

    void pressQuestionButton(const QString &caption)
    {
        for (QPushButton *shown : question.findChildren<QPushButton *>())
            if (shown->isVisible() && shown->text() == caption)
                shown->click();
    }

    // Closes the window, answering the quit question if it asks one; gives what it asked.
    QStringList closeAnswering(const QString &button)
    {
        QStringList asked;
        QTimer::singleShot(0, &question, [&] {
            if (!question.isVisible())
                return;
            asked << question.messageLabel->text();
            pressQuestionButton(button);
        });
        window->close();
        QCoreApplication::processEvents();
        return asked;
    }

    int stored(const QString &key, GolfLayout layout) const
    {
        return IniFile(dataPath("Golf.ere")).readInteger(GolfResultsFile::section(layout), key, 0);
    }

    static inline CardLibrary *library = nullptr;
    static inline DeckChooser *cards = nullptr;
    QuestionDialog question;
    GolfLayoutDialog layoutDialog;
    GolfResultsDialog resultsDialog;
    SoundRecorder sounds;
    ScriptedRandom random;
    ProgramRandomScope randomScope{random};
    std::unique_ptr<GolfWindow> window;
};
