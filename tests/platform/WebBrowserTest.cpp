#include "WebBrowser.h"

#include <gtest/gtest.h>

TEST(WebBrowserTest, RegisteredCommandBecomesProgramPathAndAddress)
{
    const QString address = QStringLiteral("https://www.kovra-games.example");
    const struct
    {
        const char *registered;
        const char *commandLine;
    } cases[] = {
        {R"("C:\Program Files\Internet Explorer\iexplore.exe" -nohome -new "%1")",
         R"(C:\Program Files\Internet Explorer\iexplore.exe https://www.kovra-games.example)"},
        {R"(C:\Browser\browser.exe %1)",
         R"(C:\Browser\browser.exe https://www.kovra-games.example)"},
        {"  C:\\Browser\\browser.exe -url \"%1\"  ",
         "C:\\Browser\\browser.exe -url \" https://www.kovra-games.example"},
        {R"("C:\Unclosed\browser.exe %1)",
         R"(C:\Unclosed\browser.exe %1 https://www.kovra-games.example)"},
        {R"(C:\NoPlaceholder\browser.exe)",
         R"(C:\NoPlaceholder\browser.exe https://www.kovra-games.example)"},
        {"", ""},
        {"   ", ""},
        {R"(%1)", ""},
        {R"("" %1)", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(browserCommandLine(c.registered, address).toStdString(), c.commandLine)
            << c.registered;
}
