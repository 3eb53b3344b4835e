// Another library with two of zuntab's exports that answer differently: no
// condition is ever met and no plug-in text is ever made. The tests put it
// under zuntab's file name in a folder that LD_LIBRARY_PATH names.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) int16_t lmDoC(const void*, const void*, int16_t, const int16_t*) { return 0; }

__attribute__((visibility("default"))) char* CallExternDLL(const char*, int32_t*, char*, int16_t, int16_t, int16_t,
                                                           const void*, int32_t, const int16_t*, const int16_t*,
                                                           const void*)
{
    return nullptr;
}

}  // extern "C"
