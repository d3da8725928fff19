#pragma once

#include <QString>

// A text view breaks a word too long for its line anywhere, but to find where, it measures the
// whole rest of the word at every line: a word of a megabyte keeps it busy for minutes. Text on
// its way into a document passes through here, and an invisible break opportunity (a zero-width
// space) goes into every run of MaxRun characters that has none. Real words never get one.
class LongWords
{
public:
    static constexpr int MaxRun = 200;

    // The text with its breaks; a run goes on from the text before, until reset().
    QString broken(const QString &text);
    // Where a paragraph ends, a run ends.
    void reset() { run = 0; }

private:
    int run = 0;
};
