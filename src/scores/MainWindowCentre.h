#pragma once

class QWidget;

// Centres a window on the program's main window (or on the screen when there is none), kept
// inside that screen, as the list windows open even while a game hides the launcher.
void centreOnMainWindow(QWidget *window);
