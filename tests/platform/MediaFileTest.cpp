#include "Application.h"
#include "FileLimits.h"
#include "PictureFile.h"
#include "SizedFile.h"
#include "TempDataDir.h"

#include <QBuffer>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <sys/stat.h>

namespace {

class MediaFileTest : public TempDataDir
{
protected:
    // A small picture in the given format.
    static QByteArray pictureBytes(const char *format)
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }
};

}

// Wall pictures and icons are read only from plain files within their limits: a pipe would
// never end reading, a huge file would fill the memory.
TEST_F(MediaFileTest, PicturesAndIconsAreReadOnlyWithinTheirLimits)
{
    writeDataFile("Wall.bmp", pictureBytes("BMP"));
    writeDataFile("Icon.ico", pictureBytes("ICO"));
    EXPECT_FALSE(pictureFromFile(dataPath("Wall.bmp")).isNull());
    EXPECT_FALSE(iconFromFile(dataPath("Icon.ico")).isNull());

    writeDataFile("Huge.bmp",
                  sizedFile(pictureBytes("BMP"), FileLimits::MaxPictureSize + 1, 0));
    writeDataFile("Huge.ico", sizedFile(pictureBytes("ICO"), FileLimits::MaxIconSize + 1, 0));
    ASSERT_EQ(mkfifo(QFile::encodeName(dataPath("Pipe.bmp")).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(dataPath("Pipe.ico")).constData(), 0600), 0);
    for (const char *name : {"Huge.bmp", "Pipe.bmp", "Missing.bmp"})
        EXPECT_TRUE(pictureFromFile(dataPath(name)).isNull()) << name;
    for (const char *name : {"Huge.ico", "Pipe.ico", "Missing.ico"})
        EXPECT_TRUE(iconFromFile(dataPath(name)).isNull()) << name;
}
