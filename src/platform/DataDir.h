#pragma once

#include <QString>

// The folder that holds the program and every data file whose name the program fixes.
// Always ends with a separator.
QString DataDir();

// Set once at start-up from the executable's folder.
void initDataDir(const QString &executablePath);

// Tests point the program at a folder of their own.
void overrideDataDirForTests(const QString &folder);
