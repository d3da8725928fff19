#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

// A hint's frame around one picture of a table: drawn in the game's colour, it lets clicks
// through to the picture.
class HintFrame : public QWidget
{
    Q_OBJECT
public:
    // What the frame does when its picture moves or is resized: it follows it, or goes. It
    // goes with its picture when that hides.
    enum class WhenMoved { Follows, Goes };

    HintFrame(QWidget *table, QColor colour, WhenMoved whenMoved);

    // The frame grows with a table shown larger than designed.
    void setScale(qreal scale);

    // Frames the picture, which lies on the same table, and shows above it.
    void mark(QWidget *picture);
    void clear();
    // The picture framed now; null when no frame shows.
    QWidget *picture() const { return isVisible() ? target.data() : nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void frame(const QWidget &picture);

    const QColor colour;
    const WhenMoved whenMoved;
    int width;
    QPointer<QWidget> target;
};
