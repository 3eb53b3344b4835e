// Sample external-process plug-in: returns answer texts of the first
// questions, chosen by the action code.
#include <string>

#include "kzplugin.h"

namespace {

// The returned text must outlive the call, until the library is unloaded.
std::string result;

// Position of question k's (from 1) first answer in the flat arrays, or -1
// when the counts do not reach that question.
int32_t SectionIndex(int k, int16_t questionCount, const int16_t* counts)
{
    if (k < 1 || k > questionCount || !counts)
        return -1;
    int32_t index = 0;
    for (int i = 0; i < k - 1; ++i)
        index += counts[i];
    return index;
}

bool appendFirstText(int question, int16_t questionCount, const int16_t* counts, const KZStringArray* texts)
{
    KZString text;
    if (KZStringArrayGet(texts, SectionIndex(question, questionCount, counts), &text) != 0)
        return false;
    if (text)
        result.append(text, static_cast<size_t>(KZStringLength(text)));
    return true;
}

}  // namespace

extern "C" KZ_EXPORT const char* KZExternProcessMain(int32_t*, KZString, int16_t action, int16_t questionCount,
                                                     int16_t, const KZStringArray*, int32_t, const int16_t* counts,
                                                     const int16_t*, const KZStringArray* texts)
{
    result.clear();
    bool found = true;
    if (action == 3)
        found = appendFirstText(2, questionCount, counts, texts) && appendFirstText(1, questionCount, counts, texts);
    else if (action == 4)
        found = appendFirstText(3, questionCount, counts, texts);
    if (!found)
        result.clear();
    return result.c_str();
}
