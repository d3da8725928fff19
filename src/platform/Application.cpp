#include "Application.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QWidget>

namespace {
QString title;
QPointer<QWidget> mainWidget;
}

QString applicationTitle()
{
    return title;
}

void setApplicationTitle(const QString &newTitle)
{
    title = newTitle;
}

void setProgramNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("kovra"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KOVRA_APP_ID));
}

QWidget *mainWindow()
{
    return mainWidget;
}

void setMainWindow(QWidget *window)
{
    mainWidget = window;
}

void loadApplicationIcon(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    const QIcon icon(path);
    if (!icon.availableSizes().isEmpty())
        QApplication::setWindowIcon(icon);
}
