#include "WebBrowser.h"

#include <QDesktopServices>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QSettings>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

WebPageOpener testOpener;

#ifdef Q_OS_WIN
QString registeredBrowserCommand()
{
    const QSettings key(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\htmlfile\\shell\\opennew\\command"),
        QSettings::NativeFormat);
    return key.value(QStringLiteral("Default")).toString();
}

// The command line is run as the system would run it from a Run box: an unquoted program path
// with blanks in it is still found.
bool startCommandLine(const QString &commandLine)
{
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
#endif

bool openInSystemBrowser(const QString &address)
{
#ifdef Q_OS_WIN
    // Newer Windows versions register no such command; the shell's default browser is used
    // then.
    const QString commandLine = browserCommandLine(registeredBrowserCommand(), address);
    if (!commandLine.isEmpty())
        return startCommandLine(commandLine);
#endif
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

}

bool OpenWebPage(const QString &address)
{
    return testOpener ? testOpener(address) : openInSystemBrowser(address);
}

void setWebPageOpenerForTests(WebPageOpener opener)
{
    testOpener = std::move(opener);
}

QString browserCommandLine(const QString &registryValue, const QString &address)
{
    QString program = registryValue.trimmed();
    if (program.startsWith(QLatin1Char('"'))) {
        program[0] = QLatin1Char(' ');
        const qsizetype closingQuote = program.indexOf(QLatin1Char('"'));
        if (closingQuote >= 0)
            program.truncate(closingQuote);
    } else {
        const qsizetype placeholder = program.indexOf(QLatin1Char('%'));
        if (placeholder >= 0)
            program.truncate(placeholder);
    }
    program = program.trimmed();
    if (program.isEmpty())
        return {};
    return program + QLatin1Char(' ') + address;
}
