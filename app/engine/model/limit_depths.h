// Each question's depth in the hierarchy of question limits.
#pragma once

namespace kz {

struct Survey;

// Stores in QuestionLimit(q, 0).KindRank (Code 0) the length of the chain
// q -> the question of q's first limit row -> the question of that one's
// first row -> ... The walk ends at a question without limit rows, and also
// at a question outside the questionnaire (that step counts) or before a
// question already on the chain (that step does not count): so in a cycle
// A <-> B both have depth 1, and a question limited by itself depth 0.
void LimitDepths(Survey& questionnaire);

}  // namespace kz
