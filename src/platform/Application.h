#pragma once

#include <QIcon>
#include <QString>

class QWidget;

// Program-wide facts that every window may read: the application title (task-bar text,
// copied into captions) and the main window (the launcher).
QString applicationTitle();
void setApplicationTitle(const QString &title);

// The names the desktop knows the program by: they name the player's data folder and tie the
// windows to the desktop entry. The window titles stay the program's own.
void setProgramNames();

QWidget *mainWindow();
void setMainWindow(QWidget *window);

// The icon in an .ico file; null when the file is missing or holds no image.
QIcon iconFromFile(const QString &path);

// Loads the application icon from an .ico file; a missing or broken file leaves the icon as it
// was.
void loadApplicationIcon(const QString &path);

// A game window's own icon from an .ico file; a missing or broken file leaves it as it was.
void loadWindowIcon(QWidget *window, const QString &path);
