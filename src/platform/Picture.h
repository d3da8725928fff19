#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

// A picture control: paints its pixmap stretched over its whole rectangle, letting whatever
// lies below show through the pixmap's transparent pixels, and reports mouse presses. A quick
// second press, which Qt delivers as a double-click, is reported as a press too.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);

    void setPixmap(const QPixmap &pixmap);
    // The pixmap is asked of the source when it is first painted or read, so a picture that
    // nobody looks at is never drawn.
    void setPixmapSource(std::function<QPixmap()> source);
    const QPixmap &pixmap() const;

    // A wash of this colour over the picture (none when invalid), to show it would act.
    void setHighlight(const QColor &colour);
    const QColor &highlightColour() const { return highlight; }

    // A number the owner attaches to the picture, such as a card id.
    int tag() const { return tagValue; }
    void setTag(int tag) { tagValue = tag; }

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    mutable QPixmap shown;
    mutable std::function<QPixmap()> pending;
    QColor highlight;
    int tagValue = 0;
};
