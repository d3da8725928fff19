#pragma once

#include <QString>
#include <functional>

// Opens an address in the user's web browser. Returns whether a browser was started.
bool OpenWebPage(const QString &address);

// Tests put their own opener in place; an empty function restores the real one.
using WebPageOpener = std::function<bool(const QString &address)>;
void setWebPageOpenerForTests(WebPageOpener opener);

// The command line that starts the browser registered on Windows for opening web pages in a
// new window, from that registry command (which carries a "%1" placeholder and often
// switches): the bare program path, one blank and the address. Empty when nothing is
// registered.
QString browserCommandLine(const QString &registryValue, const QString &address);
