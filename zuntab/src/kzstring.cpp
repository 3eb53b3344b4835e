// Counted CP932 strings and string arrays shared with plug-ins.
#include <cstdlib>
#include <cstring>

#include "kzplugin.h"

namespace {

// The count sits in the 32 bits just before the bytes, where a plug-in
// written against kzplugin.h may read it directly.
struct Header {
    int32_t length;
};
static_assert(sizeof(Header) == 4, "no padding between the count and the bytes");

Header* headerOf(const char* s) { return reinterpret_cast<Header*>(const_cast<char*>(s)) - 1; }

}  // namespace

extern "C" {

KZString KZStringAlloc(const char* bytes, int32_t length)
{
    if (length < 0)
        return nullptr;
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + static_cast<size_t>(length) + 1));
    if (!header)
        return nullptr;
    header->length = length;
    char* text = reinterpret_cast<char*>(header + 1);
    if (bytes)
        std::memcpy(text, bytes, static_cast<size_t>(length));
    else
        std::memset(text, 0, static_cast<size_t>(length));
    text[length] = '\0';
    return text;
}

void KZStringFree(KZString s)
{
    if (s)
        std::free(headerOf(s));
}

int32_t KZStringLength(const char* s) { return s ? headerOf(s)->length : 0; }

int32_t KZStringArrayGet(const KZStringArray* array, int32_t index, KZString* element)
{
    if (!array || index < 0 || index >= array->count || !array->elements) {
        *element = nullptr;
        return -1;
    }
    *element = array->elements[index];
    return 0;
}

}  // extern "C"
