#pragma once

#include <QList>

class FocusFrame;
class KeyDispatch;
class QWidget;

// What the keys of every table share: the keyboard's frame on the table, the keys the window
// answers, Left and Right stepping the frame along the pictures the keyboard can reach now, and
// a mouse press hiding the frame.
class TableKeys
{
public:
    virtual ~TableKeys() = default;
    TableKeys(const TableKeys &) = delete;
    TableKeys &operator=(const TableKeys &) = delete;

    FocusFrame *frame() const { return mark; }

protected:
    TableKeys(QWidget &window, QWidget *table);

    // The pictures the arrows walk now, in the order they lie, made ready for a step (screen
    // readers told where each lies, say).
    virtual QList<QWidget *> rowForStep() = 0;
    bool step(int direction);

    FocusFrame *const mark;
    KeyDispatch *const keys;
};
