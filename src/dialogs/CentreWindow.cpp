#include "CentreWindow.h"

#include <QWidget>

void centreFrameOn(QWidget *window, QPoint centre)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(centre);
    window->move(frame.topLeft());
}
