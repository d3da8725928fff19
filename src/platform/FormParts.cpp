#include "FormParts.h"

#include <QFrame>
#include <QLabel>

QLabel *labelAt(const QString &text, QPoint at, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QFrame *raisedPanel(QRect place, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(place);
    return frame;
}
