#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

class IniFile;

// What every fuzz target shares: the program's data folder in a temporary place, files in it,
// the input split into fields, and checks whose failure libFuzzer reports as a finding.

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

// The application object for the whole run: a core one for the rules' formats, a GUI one where
// a target lays out text (each target links one of FuzzCoreApplication.cpp and
// FuzzGuiApplication.cpp).
void startFuzzApplication(int &argc, char **argv);

[[noreturn]] void fuzzFailure(const char *condition, const char *file, int line);

// A result the target expects of the program; a wrong one aborts the run.
#define FUZZ_EXPECT(condition) ((condition) ? void() : fuzzFailure(#condition, __FILE__, __LINE__))

void writeDataFile(const QString &fileName, const QByteArray &bytes);
QByteArray readDataFile(const QString &fileName);

// Counts the inputs that got past a file's checksum; with KOVRA_FUZZ_COUNT set in the
// environment, the share is printed when the run ends.
void countCheckPassed(bool passed);

// An input whose file is one byte over its reader's size limit: each target makes its own, and
// the replay runs it after the files it was given, so that no fuzz run has to reach that size.
QByteArray overLimitInput();
// head followed by filler bytes up to one byte over the limit.
QByteArray overLimitFile(const QByteArray &head, qint64 limit, char filler);

// Whether ini text of this many bytes is over the readers' limit, and so is never read.
bool overIniLimit(qsizetype size);
// A file refused for its size is never written over: the write fails, the file stays the same.
void expectWriteRefused(const QString &fileName, const std::function<void()> &write);

// Loading an ini text the program has just written and saving it unchanged gives the same
// bytes: damage is repaired once and never multiplied. Returns the text read again.
IniFile rereadStable(const IniFile &written);

// The fuzzer's bytes, taken field by field from the front; past the end every field is 0.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size);

    int takeByte();
    // Four bytes, little-endian.
    std::int32_t takeInt32();
    // An integer within lowest..highest: one byte for up to 256 values, else four.
    int takeInRange(int lowest, int highest);
    // The bytes up to the next line break (which is dropped), at most maxLength of them.
    QByteArray takeLine(int maxLength);
    QByteArray rest();

private:
    QByteArray bytes;
    qsizetype position = 0;
};
