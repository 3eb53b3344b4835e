// A file of gigabytes that takes no disk space, and what reading costs, for
// tests of reads that must stop early.
#pragma once

#include <gtest/gtest.h>

#include <QFile>

namespace kz::test {

// A sparse file of 8 GB of NUL bytes: valid UTF-8 without a line end.
inline void MakeHugeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(8) << 30));
}

// The bytes this process has read so far, as the kernel counts them.
inline qint64 BytesReadByThisProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    EXPECT_TRUE(io.open(QIODevice::ReadOnly));
    const QByteArray counts = io.readAll();
    const qsizetype at = counts.indexOf("rchar: ") + 7;
    return counts.mid(at, counts.indexOf('\n', at) - at).toLongLong();
}

}  // namespace kz::test
