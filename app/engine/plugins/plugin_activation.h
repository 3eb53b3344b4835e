// Creating an external-process object by its program identifier, in place of
// COM activation. "Lib.Class" names the plug-in library lib<Lib>.so in the
// program folder and a class it provides (plugin_object.h); everything after
// the first "." is the class name, so "Lib.Class.2" asks for "Class.2".
#pragma once

#include <QString>

#include "plugins/plugin_object.h"

namespace kz {

// The file of the plug-in library `name`, given without "lib" and extension:
// "<program folder>/lib<name>.so". Empty when the name holds a path separator
// or the program folder is unknown: such a name resolves to no file.
QString PluginLibraryFile(const QString& name);

// An object created from a program identifier. Its library stays loaded
// while the object lives; an empty object is one that could not be created.
class PluginObject {
public:
    PluginObject() = default;
    PluginObject(PluginObject&& other) noexcept;
    PluginObject& operator=(PluginObject&& other) noexcept;
    PluginObject(const PluginObject&) = delete;
    PluginObject& operator=(const PluginObject&) = delete;
    ~PluginObject();

    explicit operator bool() const { return method_ != nullptr; }
    // The class's KZExternProcessMain; null for an empty object.
    KZObjectMethodFn method() const { return method_; }

private:
    friend PluginObject CreateObject(const QString& programId);
    void release();

    void* library_ = nullptr;
    KZObjectMethodFn method_ = nullptr;
};

// Empty when the identifier resolves to nothing: no library name or class
// name around the ".", no such library, a library that provides no objects,
// or no such class in it.
PluginObject CreateObject(const QString& programId);

}  // namespace kz
