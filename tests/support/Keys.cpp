#include "Keys.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window->window()->windowHandle(), key, modifiers);
}
