// Where a respondent goes after each choice: the network forms follow the
// questions' own conditions with a probe sample that answers every earlier
// question along the path that leads to the question shown.
#pragma once

#include <vector>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// For each question q of the questionnaire and each choice c from
// 1, the question a respondent who takes c meets next (QuestionCount: the
// end); entry [q][0] is unused.
std::vector<std::vector<Integer>> FollowConditions(const Survey& questionnaire);

}  // namespace kz
