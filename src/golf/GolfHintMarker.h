#pragma once

#include <QWidget>

// A frame around the card or stock that the hint points to. Clicks go through it.
class GolfHintMarker : public QWidget
{
public:
    explicit GolfHintMarker(QWidget *table);
    // Frames target, a widget on the same table, and shows itself above it.
    void mark(const QWidget *target);

protected:
    void paintEvent(QPaintEvent *event) override;
};
