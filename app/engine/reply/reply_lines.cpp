#include "reply/reply_lines.h"

#include <algorithm>
#include <cstdint>

#include "model/survey.h"

namespace kz {

int ReplyLineStart(const Survey& questionnaire, int k)
{
    const int end = SlotOf(questionnaire.QuestionCount, 0);
    if (k >= static_cast<int>(questionnaire.ParagraphStart.size()))
        return end;
    return std::min<int>(static_cast<uint16_t>(questionnaire.ParagraphStart[static_cast<size_t>(k)]), end);
}

}  // namespace kz
