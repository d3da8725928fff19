#pragma once

#include <QPointer>
#include <QWidget>

// The keyboard's place on a table: a broad light band between two dark lines around one of the
// table's pictures, so it shows on every card design and wall. It follows its picture when
// that moves, is resized or comes to the front, hides with it, and tells screen readers that
// the keyboard is now on it.
class FocusFrame : public QWidget
{
    Q_OBJECT
public:
    explicit FocusFrame(QWidget *table);

    // The rings grow with a table shown larger than designed.
    void setScale(qreal scale);

    // The picture must lie on the table (a child or a deeper descendant).
    void showOn(QWidget *picture);

    // Along the pictures the keyboard can reach now, in the order they lie: the first step only
    // shows where the keyboard is, the next ones move by direction, round from end to end. A
    // frame whose picture has left the row (played, say) counts as unseen.
    void step(const QList<QWidget *> &row, int direction);
    // The picture at the keyboard's place in the row: the framed one while it is in the row,
    // else the one that took its place; null for an empty row.
    QWidget *placeIn(const QList<QWidget *> &row) const;
    // After a move the frame goes to the picture now at its place, or hides on an empty row.
    void settle(const QList<QWidget *> &row);
    // Hides the frame; the place is remembered for the next showOn.
    void conceal();
    // Forgets the place, for a row of other pictures: the next step starts at its first.
    void restart();
    QWidget *picture() const { return target; }
    bool isShown() const { return shown; }
    // Shown on a picture of the row that is still on the table.
    bool isOn(const QList<QWidget *> &row) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QPointer<QWidget> target;
    int band;
    int line;
    int index = 0;
    bool shown = false;
};
