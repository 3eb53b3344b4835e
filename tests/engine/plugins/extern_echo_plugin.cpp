// Echoes the ten arguments as "window|title|action|questions|answered|labels|
// id|counts|codes|texts", lists separated by ",". Counts and codes are read
// for the given questions and answers; labels and texts in full, so that
// their element counts show.
#include <cstring>
#include <string>

#include "plugins/plugin_object.h"

namespace {

std::string reply;

std::string textOf(KZString s) { return s ? std::string(s, static_cast<size_t>(KZStringLength(s))) : "<null>"; }

std::string join(const KZStringArray* array)
{
    std::string out;
    KZString element;
    for (int32_t i = 0; KZStringArrayGet(array, i, &element) == 0; ++i)
        out += (i ? "," : "") + textOf(element);
    return out;
}

std::string echo(int32_t* window, KZString title, int16_t action, int16_t questionCount, int16_t answered,
                 const KZStringArray* labels, int32_t sampleId, const int16_t* counts, const int16_t* codes,
                 const KZStringArray* texts)
{
    std::string countList, codeList;
    int answers = 0;
    for (int q = 0; q < questionCount; ++q) {
        countList += (q ? "," : "") + std::to_string(counts[q]);
        answers += counts[q];
    }
    for (int i = 0; i < answers; ++i)
        codeList += (i ? "," : "") + std::to_string(codes[i]);
    return std::to_string(*window) + "|" + textOf(title) + "|" + std::to_string(action) + "|"
           + std::to_string(questionCount) + "|" + std::to_string(answered) + "|" + join(labels) + "|"
           + std::to_string(sampleId) + "|" + countList + "|" + codeList + "|" + join(texts);
}

KZString echoObject(int32_t* window, KZString title, int16_t action, int16_t questionCount, int16_t answered,
                    const KZStringArray* labels, int32_t sampleId, const int16_t* counts, const int16_t* codes,
                    const KZStringArray* texts)
{
    const std::string text =
        echo(window, title, action, questionCount, answered, labels, sampleId, counts, codes, texts);
    return KZStringAlloc(text.data(), static_cast<int32_t>(text.size()));
}

// "日", zero, "本", zero, "x" in CP932.
KZString zerosObject(int32_t*, KZString, int16_t, int16_t, int16_t, const KZStringArray*, int32_t, const int16_t*,
                     const int16_t*, const KZStringArray*)
{
    static const char bytes[] = "\x93\xfa\0\x96\x7b\0x";
    return KZStringAlloc(bytes, sizeof bytes - 1);
}

}  // namespace

extern "C" {

KZ_EXPORT const char* KZExternProcessMain(int32_t* window, KZString title, int16_t action, int16_t questionCount,
                                          int16_t answered, const KZStringArray* labels, int32_t sampleId,
                                          const int16_t* counts, const int16_t* codes, const KZStringArray* texts)
{
    reply = echo(window, title, action, questionCount, answered, labels, sampleId, counts, codes, texts);
    return reply.c_str();
}

KZ_EXPORT KZObjectMethodFn KZExternProcessObject(const char* className)
{
    if (std::strcmp(className, "Echo") == 0)
        return echoObject;
    if (std::strcmp(className, "Zeros") == 0)
        return zerosObject;
    return nullptr;
}

}  // extern "C"
