#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "IniFile.h"
#include "ModalAnswer.h"
#include "QuestionDialog.h"
#include "TempDataDir.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

const QString NewSettingsQuestion
    = "Are you sure to quit this game and start a new one with new settings?";
const QString ClearQuestion = "Are you sure you want to clear the results?";

class GolfDialogsTest : public TempDataDir
{
protected:
    // Answers the next showings of the question dialog with these buttons, one per showing,
    // noting each message.
    void answerQuestions(QStringList buttons)
    {
        if (buttons.isEmpty())
            return;
        QTimer::singleShot(0, &question, [this, buttons]() mutable {
            if (QApplication::activeModalWidget() != &question || !question.isVisible()) {
                answerQuestions(buttons);
                return;
            }
            messages << question.messageLabel->text();
            const QString caption = buttons.takeFirst();
            for (QPushButton *button : question.findChildren<QPushButton *>())
                if (button->isVisible() && button->text() == caption) {
                    answerQuestions(buttons);
                    button->click();
                    return;
                }
            ADD_FAILURE() << "no button " << caption.toStdString();
        });
    }

    QuestionDialog question;
    GolfLayoutDialog settings;
    GolfResultsDialog results;
    QStringList messages;
};

}

TEST_F(GolfDialogsTest, LayoutOfMoreThan52CardsNamesTheRowLimitAndStaysOpen)
{
    GolfLayout layout{7, 5};
    bool stayedOpen = false;
    onNextModal([&](QWidget *modal) {
        ASSERT_EQ(modal, &settings);
        EXPECT_EQ(settings.columnsBox->value(), 7);
        EXPECT_EQ(settings.rowsBox->value(), 5);
        settings.columnsBox->setValue(8);
        settings.rowsBox->setValue(7);
        answerQuestions({"Yes", "Ok"});
        settings.okButton->click();
        stayedOpen = settings.isVisible();

        settings.rowsBox->setValue(6);
        answerQuestions({"Yes"});
        settings.okButton->click();
    });
    EXPECT_TRUE(settings.chooseLayout(layout, false));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages,
              QStringList({NewSettingsQuestion, "If colons are 8 then maximum rows are 6",
                           NewSettingsQuestion}));
    EXPECT_EQ(layout, (GolfLayout{8, 6}));
}

TEST_F(GolfDialogsTest, LayoutChangeAsksOnlyWhileAGameRuns)
{
    EXPECT_EQ(settings.columnsBox->minimum(), 3);
    EXPECT_EQ(settings.rowsBox->minimum(), 3);
    EXPECT_EQ(settings.rowsBox->maximum(), 9);

    GolfLayout layout{7, 5};
    onNextModal([&](QWidget *) {
        settings.columnsBox->setValue(5);
        answerQuestions({"Cancel"});
        settings.okButton->click();
        EXPECT_TRUE(settings.isVisible()) << "Cancel to the question keeps the dialog open";
        settings.cancelButton->click();
    });
    EXPECT_FALSE(settings.chooseLayout(layout, false));
    EXPECT_EQ(layout, (GolfLayout{7, 5}));

    onNextModal([&](QWidget *) {
        settings.columnsBox->setValue(4);
        settings.okButton->click();
    });
    EXPECT_TRUE(settings.chooseLayout(layout, true));
    EXPECT_EQ(layout, (GolfLayout{4, 5}));
    EXPECT_EQ(messages, QStringList({NewSettingsQuestion}));
}

TEST_F(GolfDialogsTest, ResultsShowTheLayoutsBucketsAndClearOnlyThose)
{
    writeDataFile("Golf.ere",
                  "[Palya10x5]\r\nLap_0_0=2\r\nLap_1_5=1\r\nLap_31_35=3\r\n"
                  "Lap_36_40=4\r\nJatSz=10\r\n");
    QStringList names, values, cleared;
    bool openAfterEsc = false;
    onNextModal([&](QWidget *) {
        EXPECT_EQ(results.layoutLabel->text(), "Colons 10    Rows 5");
        for (int i = 0; i < GolfResultsFile::ShownRows; ++i) {
            names << results.nameLabels[i]->text();
            values << results.valueLabels[i]->text();
        }
        EXPECT_EQ(results.nameLabels[8]->y(), 50 + 3 * 8 * results.nameLabels[0]->height() / 2);
        EXPECT_EQ(results.valueLabels[8]->palette().color(QPalette::WindowText), QColor(0, 0, 170));

        answerQuestions({"Yes"});
        results.clearButton->click();
        for (QLabel *value : results.valueLabels)
            cleared << value->text();

        answerQuestions({"Cancel"});
        results.reject(); // Esc
        openAfterEsc = results.isVisible();
        results.okButton->click();
    });
    results.showResults({10, 5});

    EXPECT_EQ(names,
              QStringList({"Wins", "1 - 5", "6 - 10", "11 - 15", "16 - 20", "21 - 25", "26 - 30",
                           "31 - 35", "Games"}));
    EXPECT_EQ(values, QStringList({"2", "1", "0", "0", "0", "0", "0", "3", "10"}));
    EXPECT_EQ(cleared, QStringList(9, "0"));
    EXPECT_EQ(messages, QStringList({ClearQuestion, ClearQuestion}));
    EXPECT_TRUE(openAfterEsc);
    EXPECT_EQ(IniFile(dataPath("Golf.ere")).readInteger("Palya10x5", "Lap_36_40", 0), 4);
}
