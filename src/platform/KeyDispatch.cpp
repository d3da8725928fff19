#include "KeyDispatch.h"

#include "MousePress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

KeyDispatch::KeyDispatch(QWidget *window)
    : QObject(window)
    , window(window)
{
    // Watched for the whole application, so a focused button or panel cannot swallow a key
    // before the table sees it.
    qApp->installEventFilter(this);
}

void KeyDispatch::on(std::initializer_list<int> keys, const Action &action)
{
    for (const int key : keys)
        actions.insert(key, action);
}

void KeyDispatch::onDigits(int lastPlace, const std::function<bool(int place)> &action)
{
    for (int place = 1; place <= lastPlace; ++place)
        actions.insert(Qt::Key_0 + place % 10, [action, place] { return action(place); });
}

bool KeyDispatch::inWindow(QObject *object) const
{
    const auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->window() == window;
}

bool KeyDispatch::eventFilter(QObject *watched, QEvent *event)
{
    if (isPress(event)) {
        if (onMousePress && inWindow(watched))
            onMousePress();
        return false;
    }
    // The menu bar, opened with Alt or F10, keeps its arrows and Return.
    if (event->type() != QEvent::KeyPress || !inWindow(watched)
        || qobject_cast<QMenuBar *>(watched))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const auto action = actions.constFind(key->key());
    // A key an ancestor passes on again is asked again; an action that answered false has
    // changed nothing, so asking twice is harmless.
    return action != actions.constEnd() && (*action)();
}
