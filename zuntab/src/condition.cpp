// Condition evaluation on one sample and the per-sample step of counting.
#include "evaluator.h"

using namespace zuntab;

extern "C" {

int16_t lmDoC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed)
{
    return Evaluator(cond, layout, packed).holds(flags) ? -1 : 0;
}

int32_t VerstTotalC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed,
                    int16_t q, int32_t* counts, int16_t pos)
{
    if (!Evaluator(cond, layout, packed).holds(flags))
        return 0;
    AnswerCursor answers(layout[q], asWords(packed));
    uint16_t v = 0;
    if (pos == 0) {
        while (answers.next(v))
            if (v < kCountedChoices)  // only corrupt data holds larger items
                ++counts[v];
    } else if (pos > 0) {
        int seen = 0;
        while (seen < pos && answers.next(v))
            ++seen;
        if (seen == pos && v < kCountedChoices)
            ++counts[v];
    }
    return 1;
}

}  // extern "C"
