#include "QuestionDialog.h"
#include "ModalAnswer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Layout
{
    QStringList captions;
    QList<int> lefts;
    QString focused;
};

// What the open dialog shows: visible buttons left to right and the focused one.
Layout layoutOf(QWidget *dialog)
{
    Layout layout;
    layout.captions = visibleButtonCaptions(dialog);
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (!button->isHidden())
            layout.lefts << button->x();
    }
    std::sort(layout.lefts.begin(), layout.lefts.end());
    if (auto *focus = qobject_cast<QPushButton *>(dialog->focusWidget()))
        layout.focused = focus->text();
    return layout;
}

class QuestionDialogTest : public testing::Test
{
protected:
    // Looks at the dialog while it is open, then answers with a button or a key.
    Layout showAndAnswer(const std::function<void()> &ask, const QString &caption, int key = 0)
    {
        Layout seen;
        onNextModal([&](QWidget *modal) {
            seen = layoutOf(modal);
            if (key) {
                QTest::keyClick(modal, Qt::Key(key));
                return;
            }
            for (QPushButton *button : modal->findChildren<QPushButton *>()) {
                if (!button->isHidden() && button->text() == caption)
                    button->click();
            }
        });
        ask();
        return seen;
    }

    QuestionDialog dialog;
};

}

TEST_F(QuestionDialogTest, EachQuestionArrangesItsButtonsAndReturnsTheFirstLetter)
{
    const struct
    {
        std::function<char(const QString &)> ask;
        QStringList captions;
        QList<int> lefts;
        QString pressed;
        char answer;
    } cases[] = {
        {AskYesNo, {"Yes", "No"}, {114, 208}, "Yes", 'Y'},
        {AskYesNo, {"Yes", "No"}, {114, 208}, "No", 'N'},
        {AskYesCancel, {"Yes", "Cancel"}, {114, 208}, "Cancel", 'C'},
        {AskYesNoCancel, {"Yes", "No", "Cancel"}, {21, 114, 208}, "No", 'N'},
        {AskYesNoCancel, {"Yes", "No", "Cancel"}, {21, 114, 208}, "Yes", 'Y'},
    };
    for (const auto &c : cases) {
        char answer = 0;
        const Layout seen = showAndAnswer([&] { answer = c.ask("Question?"); }, c.pressed);
        EXPECT_EQ(seen.captions, c.captions);
        EXPECT_EQ(seen.lefts, c.lefts);
        EXPECT_EQ(seen.focused, c.captions.last()) << "focus on the first button in tab order";
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(dialog.answer(), c.answer);
    }
}

TEST_F(QuestionDialogTest, EscAnswersLikeTheRightHandButton)
{
    char answer = 0;
    showAndAnswer([&] { answer = AskYesNo("Are you sure to quit?"); }, {}, Qt::Key_Escape);
    EXPECT_EQ(answer, 'N');
    showAndAnswer([&] { answer = AskYesCancel("Overwrite?"); }, {}, Qt::Key_Escape);
    EXPECT_EQ(answer, 'C');
    showAndAnswer([&] { answer = AskYesNoCancel("Save?"); }, {}, Qt::Key_Escape);
    EXPECT_EQ(answer, 'C');
}

// Captions of the caller's own, however long, show whole on buttons that stay apart and inside
// the dialog; Esc answers the second; the next question has its buttons where they were.
TEST_F(QuestionDialogTest, AChoiceShowsItsOwnCaptionsWhole)
{
    const QString first = QStringLiteral("Draw anyway, whatever it costs");
    const QString second = QStringLiteral("Change");
    bool whole = false;
    onNextModal([&](QWidget *modal) {
        const QRect left = dialog.okButton->geometry();
        const QRect right = dialog.cancelButton->geometry();
        whole = dialog.okButton->text() == first && dialog.cancelButton->text() == second
            && left.width() >= dialog.okButton->sizeHint().width()
            && right.width() >= dialog.cancelButton->sizeHint().width()
            && left.right() < right.left() && right.right() < modal->width();
        dialog.okButton->click();
    });
    EXPECT_EQ(AskChoice("Draw?", first, second), 'D');
    EXPECT_TRUE(whole);

    char answer = 0;
    showAndAnswer([&] { answer = AskChoice("Draw?", first, second); }, {}, Qt::Key_Escape);
    EXPECT_EQ(answer, 'C');
    const Layout next = showAndAnswer([&] { AskYesNo("Quit?"); }, "No");
    EXPECT_EQ(next.lefts, (QList<int>{114, 208}));
}

TEST_F(QuestionDialogTest, SystemCloseAnswersLikeEsc)
{
    onNextModal([](QWidget *modal) { modal->close(); });
    EXPECT_EQ(AskYesNo("Are you sure to quit?"), 'N');
    onNextModal([](QWidget *modal) { modal->close(); });
    EXPECT_EQ(AskYesNoCancel("Save?"), 'C');
}

TEST_F(QuestionDialogTest, OkMessageKeepsTheOkPositionOfTheLastQuestion)
{
    const Layout first = showAndAnswer([] { ShowOkMessage("Names must be different."); }, "Ok");
    EXPECT_EQ(first.captions, QStringList{"Ok"});
    EXPECT_EQ(first.lefts, QList<int>{21});
    EXPECT_EQ(first.focused, "Ok");

    showAndAnswer([] { AskYesNo("Are you sure to quit?"); }, "Yes");
    const Layout afterYesNo = showAndAnswer([] { ShowOkMessage("Notice"); }, "Ok");
    EXPECT_EQ(afterYesNo.lefts, QList<int>{114});

    showAndAnswer([] { AskYesNoCancel("Save?"); }, "Yes");
    const Layout afterThree = showAndAnswer([] { ShowOkMessage("Notice"); }, "Ok");
    EXPECT_EQ(afterThree.lefts, QList<int>{21});

    const Layout nextQuestion = showAndAnswer([] { AskYesNo("Again?"); }, "No");
    EXPECT_EQ(nextQuestion.captions, (QStringList{"Yes", "No"}));
}

TEST_F(QuestionDialogTest, SizeFollowsTheMessage)
{
    showAndAnswer([] { AskYesNo("Are you sure to quit?"); }, "No");
    EXPECT_EQ(dialog.dialogSize(), QSize(314, 154));
    EXPECT_EQ(dialog.messageLabel->width(), 306);

    const QString path = "Cannot open file:\n/usr/local/share/games/kovra-card-games-one/Golf.rtf";
    showAndAnswer([&] { ShowOkMessage(path); }, "Ok");
    EXPECT_EQ(dialog.dialogSize().width(), 314);
    EXPECT_EQ(dialog.dialogSize().height(), (2 * path.size()) / 3 + 10 + 140);
    EXPECT_TRUE(dialog.messageLabel->text().contains("/\n"))
        << dialog.messageLabel->text().toStdString();

    const QString word(60, QLatin1Char('W'));
    showAndAnswer([&] { ShowOkMessage(word); }, "Ok");
    EXPECT_GT(dialog.dialogSize().width(), 314);
    EXPECT_EQ(dialog.messageLabel->text(), word);
}
