#include "host/program_folder.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace kz {

namespace {

QString& folderOverride()
{
    static QString folder;
    return folder;
}

}  // namespace

QString ExecutableFolder()
{
    // Read once: the link names the executable even after a change of the
    // working folder.
    static const QString folder = [] {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? QString() : QFileInfo(QFile::decodeName(exe.c_str())).absolutePath();
    }();
    return folder;
}

QString ProgramFolder()
{
    const QString& folder = folderOverride();
    return folder.isEmpty() ? ExecutableFolder() : folder;
}

QString AppDir()
{
    QString folder = ProgramFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void SetProgramFolderForTest(const QString& folder) { folderOverride() = folder; }

}  // namespace kz
