#pragma once

#include <QString>

class QWidget;

// Program-wide facts that every window may read: the application title (task-bar text,
// copied into captions) and the main window (the launcher).
QString applicationTitle();
void setApplicationTitle(const QString &title);

QWidget *mainWindow();
void setMainWindow(QWidget *window);

// Loads the application icon from an .ico file; a missing or broken file leaves the icon as it
// was.
void loadApplicationIcon(const QString &path);
