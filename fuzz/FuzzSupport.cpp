#include "FuzzSupport.h"

#include "DataDir.h"
#include "FileError.h"
#include "FileLimits.h"
#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

// Qt and the libraries below it keep caches until the process ends; leaks in the program's own
// code are still found.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libQt6\n"
           "leak:libicu\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    startFuzzApplication(*argc, *argv);
    static QTemporaryDir dataFolder;
    if (!dataFolder.isValid()) {
        std::fprintf(stderr, "no temporary folder for the data files\n");
        std::abort();
    }
    overrideDataDirForTests(dataFolder.path());
    return 0;
}

void fuzzFailure(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: expected %s\n", file, line, condition);
    std::abort();
}

void writeDataFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(UserFile(fileName));
    FUZZ_EXPECT(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray readDataFile(const QString &fileName)
{
    QFile file(UserFile(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void countCheckPassed(bool passed)
{
    static const bool counting = !qEnvironmentVariableIsEmpty("KOVRA_FUZZ_COUNT");
    static std::uint64_t inputs = 0;
    static std::uint64_t passedCheck = 0;
    if (!counting)
        return;
    if (inputs == 0)
        std::atexit([] {
            std::fprintf(stderr, "%llu of %llu inputs (%.1f%%) got past the checksum\n",
                         static_cast<unsigned long long>(passedCheck),
                         static_cast<unsigned long long>(inputs), 100.0 * passedCheck / inputs);
        });
    ++inputs;
    passedCheck += passed;
}

QByteArray overLimitFile(const QByteArray &head, qint64 limit, char filler)
{
    return head + QByteArray(limit + 1 - head.size(), filler);
}

bool overIniLimit(qsizetype size)
{
    return size > FileLimits::MaxIniFileSize;
}

void expectWriteRefused(const QString &fileName, const std::function<void()> &write)
{
    const QByteArray before = readDataFile(fileName);
    bool refused = false;
    try {
        write();
    } catch (const FileError &) {
        refused = true;
    }
    FUZZ_EXPECT(refused);
    FUZZ_EXPECT(readDataFile(fileName) == before);
}

IniFile rereadStable(const IniFile &written)
{
    const QByteArray text = written.text();
    IniFile reread = IniFile::fromText(text);
    FUZZ_EXPECT(reread.text() == text);
    return reread;
}

FuzzInput::FuzzInput(const std::uint8_t *data, std::size_t size)
    : bytes(reinterpret_cast<const char *>(data), qsizetype(size))
{ }

int FuzzInput::takeByte()
{
    return position < bytes.size() ? static_cast<unsigned char>(bytes[position++]) : 0;
}

std::int32_t FuzzInput::takeInt32()
{
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= std::uint32_t(takeByte()) << shift;
    return std::int32_t(value);
}

int FuzzInput::takeInRange(int lowest, int highest)
{
    constexpr int ByteValues = 256;
    const std::int64_t span = std::int64_t(highest) - lowest + 1;
    // A small range takes one byte, so that each mutation of it means something.
    const std::int64_t drawn = span <= ByteValues ? takeByte() : std::uint32_t(takeInt32());
    return int(lowest + drawn % span);
}

QByteArray FuzzInput::takeLine(int maxLength)
{
    const QByteArray remaining = bytes.sliced(position);
    qsizetype end = remaining.indexOf('\n');
    if (end < 0)
        end = remaining.size();
    const QByteArray line = remaining.left(std::min<qsizetype>(end, maxLength));
    position += std::min(end + 1, remaining.size());
    return line;
}

QByteArray FuzzInput::rest()
{
    const QByteArray remaining = bytes.sliced(position);
    position = bytes.size();
    return remaining;
}
