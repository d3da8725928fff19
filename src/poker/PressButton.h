#pragma once

#include <QPushButton>

// A table button that acts the moment a mouse button goes down and reports which one. It takes
// no keyboard focus, so the keyboard cannot trigger it.
class PressButton : public QPushButton
{
    Q_OBJECT
public:
    PressButton(const QString &caption, QWidget *parent);

Q_SIGNALS:
    void pressedWith(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
