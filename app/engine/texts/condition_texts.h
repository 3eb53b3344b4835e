// The texts that show a condition to the user.
#pragma once

#include <QString>

#include "model/survey_types.h"

namespace kz {

struct Survey;

// The required stored limits ("既成<i>(...)," in the long form), then the
// rows; "限定条件はありません" (long) or "条件なし" (short) when both are empty.
QString ConditionText(const Survey& questionnaire, const Condition& cond, bool longForm);
// The rows of entries 1 to 14 joined by "又は", "から", "の", "，除く", each
// with its rank "<n>位に" and, in the long form, the question's label and the
// choice's typed code in parentheses, then the choice's label.
QString ConditionItemsText(const Survey& questionnaire, const Condition& cond, bool longForm);
// One row of the limit editor's list: "　又は", "除く" or "　から", the rank,
// the question's label and the choice's label with code and tags.
QString LimitRowText(const Survey& questionnaire, const Condition& cond, Integer index);

}  // namespace kz
