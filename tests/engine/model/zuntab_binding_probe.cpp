// Binds zuntab as the program does and tells whether it got the real one:
// exit status 0 when an empty condition is met (lmDoC gives -1).
#include "model/zuntab_binding.h"

int main()
{
    const LimitItem condition[ZUNTAB_CONDITION_ENTRIES] = {};
    const AnswerLayoutRec layout{1, 0, 1, 0};
    const int16_t packed[1] = {};
    return kz::zuntab::lmDoC(condition, &layout, 0, packed) == -1 ? 0 : 1;
}
