#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A modal dialog needs a few turns of its event loop before it counts as active.
constexpr int PollIntervalMs = 0;
constexpr int GiveUpAfterMs = 5000;

void waitForModal(std::function<void(QWidget *)> action, QElapsedTimer started)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        action(modal);
        return;
    }
    if (started.elapsed() > GiveUpAfterMs) {
        ADD_FAILURE() << "no modal dialog opened";
        return;
    }
    QTimer::singleShot(PollIntervalMs,
                       [action = std::move(action), started] { waitForModal(action, started); });
}

}

void onNextModal(std::function<void(QWidget *modal)> action)
{
    QElapsedTimer started;
    started.start();
    QTimer::singleShot(PollIntervalMs,
                       [action = std::move(action), started] { waitForModal(action, started); });
}

void answerNextModal(const QString &buttonCaption)
{
    onNextModal([buttonCaption](QWidget *modal) {
        const auto buttons = modal->findChildren<QAbstractButton *>();
        const auto button = std::find_if(buttons.begin(), buttons.end(), [&](auto *b) {
            return b->isVisible() && b->text().remove(QLatin1Char('&')) == buttonCaption;
        });
        if (button == buttons.end()) {
            ADD_FAILURE() << "no button " << buttonCaption.toStdString() << " in the dialog";
            modal->close();
            return;
        }
        (*button)->click();
    });
}

QStringList visibleButtonCaptions(QWidget *window)
{
    auto buttons = window->findChildren<QPushButton *>();
    buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                 [](QPushButton *b) { return b->isHidden(); }),
                  buttons.end());
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    QStringList captions;
    for (QPushButton *button : buttons)
        captions << button->text();
    return captions;
}
