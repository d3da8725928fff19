#include "SizedFile.h"

#include <gtest/gtest.h>

QByteArray sizedFile(const QByteArray &head, qint64 size, char filler)
{
    EXPECT_LE(head.size(), size);
    return head + QByteArray(qMax<qint64>(size - head.size(), 0), filler);
}

QByteArray sizedIniFile(const QByteArray &head, qint64 size)
{
    return sizedFile(head + "\r\n;", size, 'x');
}
