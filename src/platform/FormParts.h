#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

// Controls as the program's forms place them: by position, sized to their content or given.

// A label whose size follows its text, its top left at `at`.
QLabel *labelAt(const QString &text, QPoint at, QWidget *parent);

// A panel with a raised edge, such as the button strip along the foot of a dialog.
QFrame *raisedPanel(QRect place, QWidget *parent);
