#include "imports/form_jumps.h"

#include <algorithm>

#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "model/zuntab_binding.h"

namespace kz {

namespace {

// Question q's own condition without its stored-limit head.
Condition ApplyTest(const Survey& questionnaire, Integer q)
{
    Condition cond{};
    Integer pos = 1;
    ClearCondition(cond, pos);
    AppendCondition(cond, pos, questionnaire.QuestionLimit, q);
    cond[0].Code = 0;
    return cond;
}

}  // namespace

std::vector<std::vector<Integer>> FollowConditions(const Survey& questionnaire)
{
    const Integer n = questionnaire.QuestionCount;
    std::vector<Condition> tests;
    for (Integer q = 0; q < n; ++q)
        tests.push_back(ApplyTest(questionnaire, q));
    // Every earlier question holds one answer; each slot index is its question.
    std::vector<int16_t> probeCounts(size_t(questionnaire.AnswerSlotCount) + 1, 0);
    std::vector<int16_t> probeCodes(size_t(questionnaire.AnswerSlotCount) + 1, 0);
    std::vector<int16_t> probeAno(size_t(questionnaire.AnoBytes / 2) + 1, 0);
    std::vector<Integer> reach(size_t(n) + 1, 0);
    std::vector<std::vector<Integer>> next(static_cast<size_t>(n));
    for (Integer q = 0; q < n; ++q) {
        probeCounts[size_t(q)] = 1;
        // The path that leads to q answers with the choices along it.
        for (Integer j = q; j > 0;) {
            Integer previous = 0;
            Integer choice = 0;
            SplitQC(reach[size_t(j)], previous, choice);
            probeCodes[size_t(previous)] = choice;
            j = previous;
        }
        const Integer choiceCount = questionnaire.Questions[q].ChoiceCount;
        next[size_t(q)].assign(size_t(std::max<Integer>(choiceCount, 1)), 0);
        for (Integer c = 1; c < choiceCount; ++c) {
            probeCodes[size_t(q)] = c;
            zuntab::maAno_push_verstC(n, questionnaire.AnswerLayout.data(), probeAno.data(), probeCounts.data(),
                                      probeCodes.data());
            Integer target = q + 1;
            while (
                target < n
                && zuntab::lmDoC(tests[size_t(target)].data(), questionnaire.AnswerLayout.data(), 0, probeAno.data())
                       == 0)
                ++target;
            reach[size_t(target)] = MakeQC(q, c);
            next[size_t(q)][size_t(c)] = target;
        }
    }
    return next;
}

}  // namespace kz
