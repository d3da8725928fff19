#include "Click.h"

#include <QTest>
#include <QWidget>

void clickWidget(QWidget *widget, Qt::MouseButton button, QPoint at)
{
    const QPoint position = at == QPoint(-1, -1) ? widget->rect().center() : at;
    QTest::mouseClick(widget, button, Qt::NoModifier, position);
}
