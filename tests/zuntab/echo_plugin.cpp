// A test plug-in: action 0 returns a null text, action 1 a text longer than
// any fixed buffer, action 2 echoes what it was given.
#include <string>

#include "kzplugin.h"

namespace {
std::string reply;
}  // namespace

extern "C" KZ_EXPORT const char* KZExternProcessMain(int32_t* windowHandle, KZString title, int16_t action,
                                                     int16_t questionCount, int16_t answered,
                                                     const KZStringArray* labels, int32_t sampleId,
                                                     const int16_t* counts, const int16_t* codes,
                                                     const KZStringArray* texts)
{
    if (action == 0)
        return nullptr;
    if (action == 1) {
        reply.assign(300, 'x');
        return reply.c_str();
    }
    KZString label, text;
    KZStringArrayGet(labels, 1, &label);
    KZStringArrayGet(texts, 0, &text);
    reply = std::to_string(*windowHandle) + "|" + std::string(title, KZStringLength(title)) + "|"
            + std::to_string(questionCount) + "|" + std::to_string(answered) + "|" + label + "|"
            + std::to_string(sampleId) + "|" + std::to_string(counts[1]) + "|" + std::to_string(codes[2]) + "|"
            + text;
    return reply.c_str();
}
