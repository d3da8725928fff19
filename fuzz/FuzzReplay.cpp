// Runs every file in the given folders, and every file given, once through a fuzz target's
// entry point, as libFuzzer would, and then the target's input over its size limit. So the seed
// corpus and the past findings guard the program in every test run, with the compiler and
// sanitizers of that build.

#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {

QStringList filesIn(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return {path};
    QStringList files;
    QDirIterator found(path, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << found.next();
    files.sort();
    return files;
}

}

int main(int argc, char *argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int argument = 1; argument < argc; ++argument) {
        for (const QString &path : filesIn(QString::fromLocal8Bit(argv[argument]))) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray input = file.readAll();
            std::printf("%s\n", qPrintable(path));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.constData()),
                                   std::size_t(input.size()));
            ++replayed;
        }
    }
    const QByteArray overLimit = overLimitInput();
    std::printf("an input whose file is one byte over its size limit\n");
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(overLimit.constData()),
                           std::size_t(overLimit.size()));
    std::printf("%d inputs replayed, and the one over the limit\n", replayed);
    // A corpus that went missing would otherwise pass unnoticed.
    return replayed > 0 ? 0 : 1;
}
