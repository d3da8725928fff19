#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// A widget as it looks, compared with a picture of it kept beside the tests. Text is drawn in
// whatever fonts a machine has, so the places where text lies are masked out of both; what is
// left (card art, frames, backgrounds, where each picture lies) must match pixel for pixel.
// Set KOVRA_RENEW_PICTURES=1 to write the kept picture anew from what the widget shows.
//
// Returns an empty string when the pictures match, else what differs.
QString compareWithReference(QWidget *widget, const QList<QRect> &textPlaces, const QString &name);
