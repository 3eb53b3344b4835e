// Writes the fuzzer's seed corpus into the folder given: valid data files of
// the three generations and page-file headers.
#include <QDir>
#include <QString>

#include <cstdio>

#include "support/data_file_builder.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    for (kz::Integer version : {kz::Integer(1001), kz::Integer(1002), kz::Integer(1003)}) {
        kz::test::DataFileFixture full = kz::test::RichDataFile(version);
        ok &= kz::test::WriteDataFile(folder.filePath(QStringLiteral("data%1.kz").arg(version)), full);
        full.Samples.clear();
        full.Tail.reset();
        ok &= kz::test::WriteDataFile(folder.filePath(QStringLiteral("empty%1.kz").arg(version)), full);
    }
    kz::test::FieldWriter page;
    page.integer(0);
    page.reversed(QString::fromLatin1(kz::test::FixtureMagic(2001)));
    page.plain(QStringLiteral("/data/base.kz"));
    ok &= kz::test::WriteBytes(folder.filePath(QStringLiteral("page.kzp")), page.bytes());
    return ok ? 0 : 1;
}
