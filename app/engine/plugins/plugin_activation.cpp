#include "plugins/plugin_activation.h"

#include <QFile>

#include <dlfcn.h>
#include <utility>

#include "host/program_folder.h"
#include "runtime/cp932.h"

namespace kz {

QString PluginLibraryFile(const QString& name)
{
    const QString folder = ProgramFolder();
    if (folder.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return {};
    return folder + QStringLiteral("/lib") + name + QStringLiteral(".so");
}

PluginObject::PluginObject(PluginObject&& other) noexcept
    : library_(std::exchange(other.library_, nullptr)), method_(std::exchange(other.method_, nullptr))
{}

PluginObject& PluginObject::operator=(PluginObject&& other) noexcept
{
    if (this != &other) {
        release();
        library_ = std::exchange(other.library_, nullptr);
        method_ = std::exchange(other.method_, nullptr);
    }
    return *this;
}

PluginObject::~PluginObject() { release(); }

void PluginObject::release()
{
    method_ = nullptr;
    if (library_)
        dlclose(std::exchange(library_, nullptr));
}

PluginObject CreateObject(const QString& programId)
{
    PluginObject object;
    const qsizetype point = programId.indexOf(u'.');
    if (point <= 0 || point == programId.size() - 1)
        return object;
    const QString file = PluginLibraryFile(programId.left(point));
    if (file.isEmpty())
        return object;
    // Always the full path: a bare name would go through the system search.
    object.library_ = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!object.library_)
        return object;
    auto factory = reinterpret_cast<KZExternProcessObjectFn>(dlsym(object.library_, KZ_EXTERN_PROCESS_OBJECT));
    if (factory)
        object.method_ = factory(ToCp932(programId.mid(point + 1)).constData());
    if (!object.method_)
        object.release();
    return object;
}

}  // namespace kz
