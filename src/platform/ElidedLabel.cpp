#include "ElidedLabel.h"

#include <QEvent>

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{ }

void ElidedLabel::setFullText(const QString &text)
{
    full = text;
    elide();
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

// The font's metrics are only final once the label is on its screen.
void ElidedLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        elide();
}

void ElidedLabel::elide()
{
    const QString shown = fontMetrics().elidedText(full, Qt::ElideRight, width());
    if (shown != text())
        setText(shown);
    setToolTip(shown == full ? QString() : full);
}
