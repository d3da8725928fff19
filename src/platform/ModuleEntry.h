#pragma once

// Finds the entry point of one of the program's modules, the parts that need a large library
// (sound, charts) and are loaded when first used, so that the program starts without them. A
// module lies beside the program (a build, a portable copy) or in the installed lib/kovra. The
// module stays loaded for the rest of the program. Null when no module or entry is found.
void *moduleEntry(const char *moduleName, const char *entryName);
