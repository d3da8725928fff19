#include "FormParts.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

QLabel *labelAt(const QString &text, QPoint at, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

QFrame *raisedPanel(QRect place, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(place);
    return frame;
}

ButtonStrip okCancelStrip(QDialog *dialog, const ButtonStripPlaces &places)
{
    const QSize client = dialog->size();
    QFrame *panel
        = raisedPanel({0, client.height() - places.height, client.width(), places.height}, dialog);
    auto *ok = new QPushButton(QStringLiteral("OK"), panel);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), panel);
    ok->setGeometry(QRect(places.okAt, places.buttonSize));
    cancel->setGeometry(QRect(places.cancelAt, places.buttonSize));
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {panel, ok, cancel};
}
