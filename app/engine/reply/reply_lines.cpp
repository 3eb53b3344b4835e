#include "reply/reply_lines.h"

#include <algorithm>
#include <cstdint>

#include "model/survey.h"

namespace kz {

int ReplyLineStart(int k)
{
    const int end = SlotOf(survey.QuestionCount, 0);
    if (k >= static_cast<int>(survey.ParagraphStart.size()))
        return end;
    return std::min<int>(static_cast<uint16_t>(survey.ParagraphStart[static_cast<size_t>(k)]), end);
}

}  // namespace kz
