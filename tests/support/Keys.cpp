#include "Keys.h"

#include <QKeySequence>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace {

QString typedText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    default:
        break;
    }
    const QString text = QKeySequence(key).toString();
    if (text.size() != 1)
        return {};
    return modifiers & Qt::ShiftModifier ? text : text.toLower();
}

}

// Handed to the window system layer one event at a time, so no timer runs in between.
void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWindow *handle = window->window()->windowHandle();
    const QString text = typedText(key, modifiers);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            handle, type, key, modifiers, text);
}
