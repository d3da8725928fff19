// Times the help window from the call that opens it to a text laid out to its end, for the
// manuals and for generated help texts just within the size limit, each pattern also at a
// quarter of that size: a time that grows more than fourfold shows work that is not linear.
// help-text [repeats [KiB]], KiB (below the limit) in place of the limit; HELP_BENCH_PATTERN=name
// times one pattern only. Run it from a Release build.
#include "Application.h"
#include "DataDir.h"
#include "FileLimits.h"
#include "HelpViewer.h"
#include "QuestionDialog.h"
#include "RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int DefaultRepeats = 3;
const char *const Manuals[] = {"Twelve.rtf", "Golf.rtf", "Poker.rtf"};

struct Pattern
{
    const char *name;
    QByteArray head; // once at the start
    QByteArray unit; // repeated to the size wanted
};

const Pattern Patterns[] = {
    {"prose", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue128;}",
     "{\\b\\fs28\\cf1 A heading}\\par\\pard\\li200\\sa120 The player puts one card face down; "
     "the four cards are turned up and each seat gets {\\i exactly} one back.\\tab F2\\par "},
    {"\\par", "{\\rtf1 ", "\\par "},
    {"\\pard\\qc\\li100\\par", "{\\rtf1 ", "\\pard\\qc\\li100\\par "},
    {"\\tab", "{\\rtf1 ", "\\tab "},
    {"\\tx with \\tab", "{\\rtf1 ", "\\tx100 \\tab "},
    {"\\line", "{\\rtf1 ", "\\line "},
    {"\\cell", "{\\rtf1 ", "\\cell "},
    {"format runs", "{\\rtf1 ", "{\\b x}{\\i y}"},
    {"\\u", "{\\rtf1 ", "\\u8226?"},
    {"hex bytes", "{\\rtf1 ", "\\'e9"},
    {"groups", "{\\rtf1 ", "{}"},
    {"one long word", "{\\rtf1 ", "x"},
    {"plain text, one line", "", "word "},
    {"plain text, lines", "", "a line of words\r\n"},
};

QByteArray generated(const Pattern &pattern, qint64 size)
{
    QByteArray text = pattern.head;
    text.reserve(size);
    while (text.size() + pattern.unit.size() <= size)
        text += pattern.unit;
    return text;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray manual(const char *name)
{
    QFile file(QStringLiteral(MANUALS_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

// The best of a few readings into a document that no window shows, in milliseconds.
double readingTime(const QString &path, int repeats)
{
    double best = 1e300;
    for (int repeat = 0; repeat < repeats; ++repeat) {
        QTextDocument document;
        QElapsedTimer clock;
        clock.start();
        if (readRtfFile(path, document) != WholeFileRead::Read)
            std::abort();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

// The best of a few openings, in milliseconds: from the call to the text laid out to its end
// and the window painted.
double openingTime(HelpViewer &help, const QString &fileName, int repeats)
{
    double best = 1e300;
    for (int repeat = 0; repeat < repeats; ++repeat) {
        QElapsedTimer clock;
        clock.start();
        if (!help.showHelpFile(fileName, false))
            std::abort();
        help.helpText->document()->documentLayout()->documentSize();
        help.helpText->document()->pageCount();
        help.grab();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
        help.close();
    }
    return best;
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultRepeats;
    QTemporaryDir data;
    overrideDataDirForTests(data.path());
    setApplicationTitle(QStringLiteral("Kovra - Card Games 1"));
    QuestionDialog questions;
    HelpViewer help;

    double manualMs = 0;
    qint64 manualBytes = 0;
    for (const char *name : Manuals) {
        const QByteArray text = manual(name);
        writeFile(data.filePath(QLatin1String(name)), text);
        const double ms = openingTime(help, QLatin1String(name), repeats);
        std::printf("%-22s %8lld bytes %9.1f ms\n", name, static_cast<long long>(text.size()), ms);
        manualMs = std::max(manualMs, ms);
        manualBytes = std::max<qint64>(manualBytes, text.size());
    }

    const qint64 full
        = argc > 2 ? std::max(4, std::atoi(argv[2])) * qint64(1024) : FileLimits::MaxHelpTextSize;
    std::printf("\n%-22s %10s %10s %10s %8s %8s %10s\n", "pattern at the limit", "read ms",
                "quarter ms", "full ms", "growth", "read", "x manual");
    const QByteArray only = qgetenv("HELP_BENCH_PATTERN");
    for (const Pattern &pattern : Patterns) {
        if (!only.isEmpty() && only != pattern.name)
            continue;
        double ms[2];
        double readMs[2];
        for (const int part : {0, 1}) {
            const QString name = QStringLiteral("Generated%1.rtf").arg(part);
            writeFile(data.filePath(name), generated(pattern, part == 0 ? full / 4 : full));
            readMs[part] = readingTime(data.filePath(name), repeats);
            ms[part] = openingTime(help, name, repeats);
        }
        std::printf("%-22s %10.1f %10.1f %10.1f %7.1fx %7.1fx %9.1fx\n", pattern.name, readMs[1],
                    ms[0], ms[1], ms[1] / ms[0], readMs[1] / readMs[0], ms[1] / manualMs);
    }
    std::printf("\nread: the reader alone into a document no window shows; quarter and full: the\n"
                "window opened and laid out at a quarter of the limit and at the limit; growth:\n"
                "full against quarter (4 is linear, 16 quadratic); x manual: full against the\n"
                "slowest manual\n");
    return 0;
}
