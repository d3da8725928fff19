#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Controls as the program's forms place them: by position, sized to their content or given.

// A label whose size follows its text, its top left at `at`.
QLabel *labelAt(const QString &text, QPoint at, QWidget *parent);

// A panel with a raised edge, such as the button strip along the foot of a dialog.
QFrame *raisedPanel(QRect place, QWidget *parent);

// The strip of OK and Cancel along the foot of a dialog: OK is the default button, Cancel (and
// so Esc) rejects the dialog. The caller connects OK.
struct ButtonStrip
{
    QFrame *panel;
    QPushButton *ok;
    QPushButton *cancel;
};

struct ButtonStripPlaces
{
    int height;
    QSize buttonSize;
    QPoint okAt;
    QPoint cancelAt;
};

ButtonStrip okCancelStrip(QDialog *dialog, const ButtonStripPlaces &places);
