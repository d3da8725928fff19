#pragma once

class QWidget;

// Where the program's windows open: centred on the main window (the launcher, also while a game
// hides it) or on the screen, frame included, and moved back onto that screen where they would
// stick out.
void centreOnMainWindow(QWidget *window);
void centreOnScreen(QWidget *window);
