#include "ReferencePicture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

QImage masked(QWidget *widget, const QList<QRect> &textPlaces)
{
    QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown);
    for (const QRect &place : textPlaces)
        painter.fillRect(place, Qt::magenta);
    return shown;
}

}

QString compareWithReference(QWidget *widget, const QList<QRect> &textPlaces, const QString &name)
{
    const QString path = QDir(QStringLiteral(REFERENCE_PICTURES)).filePath(name + ".png");
    const QImage shown = masked(widget, textPlaces);
    if (qEnvironmentVariableIsSet("KOVRA_RENEW_PICTURES"))
        return shown.save(path) ? QString() : QStringLiteral("cannot write ") + path;
    const QImage kept = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (kept.isNull())
        return QStringLiteral("no picture at ") + path;
    if (kept.size() != shown.size())
        return QStringLiteral("%1 x %2 shown, %3 x %4 kept")
            .arg(shown.width())
            .arg(shown.height())
            .arg(kept.width())
            .arg(kept.height());
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            if (kept.pixel(x, y) != shown.pixel(x, y)) {
                shown.save(QDir::temp().filePath(name + "-shown.png"));
                return QStringLiteral("first difference at (%1, %2); what was shown is in %3")
                    .arg(x)
                    .arg(y)
                    .arg(QDir::temp().filePath(name + "-shown.png"));
            }
    return {};
}
