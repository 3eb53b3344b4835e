// One call of an external-process plug-in library: load, look up, call,
// copy the returned text, unload.
#include <cstring>
#include <dlfcn.h>

#include "zuntab.h"

namespace {

KZString copyText(const char* text)
{
    // The plug-in's text ends at its first zero byte; a null text is empty.
    return text ? KZStringAlloc(text, static_cast<int32_t>(std::strlen(text))) : KZStringAlloc("", 0);
}

}  // namespace

extern "C" {

KZString CallExternDLL(const char* libFile, int32_t* windowHandle, KZString title, int16_t action,
                       int16_t questionCount, int16_t answeredInQuestion, const KZStringArray* labels,
                       int32_t sampleId, const int16_t* counts, const int16_t* codes, const KZStringArray* texts)
{
    void* library = libFile ? dlopen(libFile, RTLD_NOW | RTLD_LOCAL) : nullptr;
    if (!library)
        return copyText("Unable to find Library");
    auto entry = reinterpret_cast<KZExternProcessMainFn>(dlsym(library, "KZExternProcessMain"));
    KZString result;
    if (!entry)
        result = copyText("Library found, but unable to call KZExternProcessMain function");
    else if (action < 0)
        result = copyText("");
    else
        result = copyText(entry(windowHandle, title, action, questionCount, answeredInQuestion, labels, sampleId,
                                counts, codes, texts));
    dlclose(library);
    return result;
}

}  // extern "C"
