#pragma once

#include <QFileDevice>
#include <QString>
#include <signal.h>
#include <sys/resource.h>

// Makes every write past the given size fail, as on a full disk: the process's file-size limit
// is lowered and SIGXFSZ ignored, so write() fails with EFBIG instead of ending the process.
// Both are restored when the object goes. Keep its scope short: it limits every file written.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previousLimit{};
    struct sigaction previousAction
    {
    };
};

// Makes an existing file unreadable to this process while the object lives. Permissions do not
// stop the superuser, so a process running as root also takes the identity of "nobody" for
// that time.
class UnreadableFile
{
public:
    explicit UnreadableFile(const QString &path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile &) = delete;
    UnreadableFile &operator=(const UnreadableFile &) = delete;

private:
    QString filePath;
    QString folderPath;
    QFileDevice::Permissions filePermissions;
    QFileDevice::Permissions folderPermissions;
    bool actingAsNobody = false;
};
