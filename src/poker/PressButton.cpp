#include "PressButton.h"

#include <QMouseEvent>

PressButton::PressButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void PressButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    event->accept();
    Q_EMIT pressedWith(event->button());
}
