#include "TableKeys.h"

#include "FocusFrame.h"
#include "KeyDispatch.h"

TableKeys::TableKeys(QWidget &window, QWidget *table)
    : mark(new FocusFrame(table))
    , keys(new KeyDispatch(&window))
{
    keys->on({Qt::Key_Left}, [this] { return step(-1); });
    keys->on({Qt::Key_Right}, [this] { return step(+1); });
    keys->onMousePress = [this] { mark->conceal(); };
}

bool TableKeys::step(int direction)
{
    const QList<QWidget *> row = rowForStep();
    mark->step(row, direction);
    return true;
}
