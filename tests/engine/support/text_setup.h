// One condition row for the text and condition tests.
#pragma once

#include "model/question_codes.h"
#include "model/survey_types.h"

namespace kz::test {

// One row: kind 1 or, 2 range end, 3 required, 4 exclude; rank 0 = any answer.
inline LimitItem Row(Integer kind, Integer q, Integer c, Integer rank = 0)
{
    return LimitItem{static_cast<int16_t>(rank * 16 + kind), MakeQC(q, c)};
}

}  // namespace kz::test
