#include "Application.h"

#include "FileLimits.h"
#include "WholeFile.h"

#include <QApplication>
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

QIcon iconFromFile(const QString &path)
{
    if (wholeFileCheck(path, FileLimits::MaxIconSize) != WholeFileRead::Read)
        return {};
    const QIcon icon(path);
    return icon.availableSizes().isEmpty() ? QIcon() : icon;
}

void loadApplicationIcon(const QString &path)
{
    if (const QIcon icon = iconFromFile(path); !icon.isNull())
        QApplication::setWindowIcon(icon);
}

void loadWindowIcon(QWidget *window, const QString &path)
{
    if (const QIcon icon = iconFromFile(path); !icon.isNull())
        window->setWindowIcon(icon);
}
