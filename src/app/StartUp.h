#pragma once

class LauncherWindow;

// Sets the application icon and title and creates the launcher, then every window that lives for
// the whole run, in the order in which they may rely on each other. The launcher owns them all.
LauncherWindow *createWindows();

// Sets the program-wide font and seeds the one random generator; called once, right after the
// application object exists.
void prepareApplication();
