#include "FitMessage.h"

#include "WindowFrame.h"

namespace FitMessage {

namespace {

// Room left beside a word that widens the dialog.
constexpr int WideWordMargin = 30;

// Paths may be written with either separator; both are break points inside a word.
bool isPathSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

bool isBlankOrLineFeed(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\n');
}

}

int dialogHeight(const QString &text)
{
    const auto length = static_cast<int>(text.size());
    const auto lineFeeds = static_cast<int>(text.count(QLatin1Char('\n')));
    return (2 * length) / 3 + 10 * lineFeeds + 140;
}

// Positions below are 1-based, as in the description of the dialog: b starts the segment being
// measured, n is the last break character (blank, line feed or path separator) seen.
Result breakLongWords(const QString &message, const std::function<int(const QString &)> &measure)
{
    Result result{message, StandardWidth};
    QString &text = result.text;
    auto charAt = [&](qsizetype position) { return text.at(position - 1); };
    auto insertLineFeedAfter
        = [&](qsizetype position) { text.insert(position, QLatin1Char('\n')); };
    auto widenTo = [&](int segmentWidth) {
        result.dialogWidth = std::max(result.dialogWidth, segmentWidth + WideWordMargin);
    };

    qsizetype b = 1;
    qsizetype n = 0;
    bool tooWide = false;
    for (qsizetype j = 1; j <= text.size(); ++j) {
        const QChar c = charAt(j);
        if (isBlankOrLineFeed(c) || isPathSeparator(c))
            n = j;
        int w = measure(text.mid(b - 1, j - b + 1));
        const qsizetype length = text.size();
        if (tooWide && (j == n || j == length)) {
            widenTo(w);
            // A long word broken at a backslash continues on the next line.
            if (j == n && j < length && !isBlankOrLineFeed(c) && !isBlankOrLineFeed(charAt(j + 1)))
                insertLineFeedAfter(n);
            b = n + 1;
            w = 0;
            tooWide = false;
        }
        const int labelWidth = result.dialogWidth - DialogFrame.width();
        if (w > labelWidth) {
            if (b >= n) {
                tooWide = true;
            } else if (j > n) {
                insertLineFeedAfter(n);
                b = n + 1;
            } else {
                // The break character itself overflows: it ends its line, and the dialog takes
                // its width.
                widenTo(w);
                if (isPathSeparator(c) && j < text.size() && !isBlankOrLineFeed(charAt(j + 1)))
                    insertLineFeedAfter(j);
                b = j + 1;
            }
        }
        if (isBlankOrLineFeed(c))
            b = j + 1;
    }
    return result;
}

}
