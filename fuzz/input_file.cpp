#include "input_file.h"

#include <QDir>
#include <QTemporaryFile>

namespace kz::fuzz {

namespace {

// Kept in memory where the system offers a memory file system: a file on
// disk rewritten for every input makes the fuzzer wait for the disk.
QString InputFileTemplate()
{
    const QString memory = QStringLiteral("/dev/shm");
    const QString folder = QDir(memory).exists() ? memory : QDir::tempPath();
    return folder + QStringLiteral("/kzfuzz-XXXXXX");
}

}  // namespace

QString WriteInputFile(const uint8_t* data, size_t size)
{
    static QTemporaryFile file(InputFileTemplate());
    if (!file.isOpen())
        file.open();
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.flush();
    return file.fileName();
}

}  // namespace kz::fuzz
