// Builds a small questionnaire and its samples in kz::survey / kz::samples.
//   SurveyFixture resets all program state before and after each test;
//   AddQuestion(maxAnswers, choiceCount, {essay choices}) appends a question;
//   BuildLayout() computes the answer layout (the test fails when it overflows);
//   AddSample(id) appends a blank sample sized for the layout;
//   TableIDs() and TextsOf(pos) read the samples' IDs and free texts.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

#include "model/survey.h"
#include "support/program_state.h"

namespace kz::test {

// Choice 0 is "無回答" with the exclusive bit, as the loader leaves it; the
// listed choices carry free text. Returns the question's number.
inline Integer AddQuestion(Integer maxAnswers, Integer choiceCount, std::initializer_list<int> essayChoices = {})
{
    const Integer q = survey.QuestionCount++;
    survey.Questions[q].MaxAnswers = maxAnswers;
    survey.Questions[q].ChoiceCount = choiceCount;
    survey.Choices(q, 0).Text = QStringLiteral("無回答");
    survey.Choices(q, 0).Attr = 1 << AttrExclusive;
    for (int c : essayChoices)
        survey.Choices(q, c).Attr |= 1 << AttrEssay;
    return q;
}

inline void BuildLayout() { ASSERT_TRUE(ComputeAnswerLayout()) << "answer layout overflowed"; }

// Appends a blank sample (no answers, no texts) and returns its position.
// IDs are the caller's to keep ascending.
inline Long AddSample(Long id)
{
    SampleStore& table = samples.Samples;
    if (table.isEmpty())
        table.reshape(AnswerWordsPerSample(survey));
    table.insert(table.size(), id);
    return table.size() - 1;
}

// Every sample's ID, in table order.
inline std::vector<Long> TableIDs()
{
    const std::span<const Long> ids = samples.Samples.ids();
    return {ids.begin(), ids.end()};
}

// The free texts of the sample at pos as (slot, text), ascending.
using SlotTexts = std::vector<std::pair<int, QString>>;
inline SlotTexts TextsOf(Long pos)
{
    SlotTexts texts;
    for (const FreeTexts::Entry& entry : samples.Samples.texts(pos))
        texts.emplace_back(entry.slot, entry.text);
    return texts;
}

// A condition with the given head mask and rows, ended by a KindRank of 0.
inline Condition MakeCondition(Integer headMask, std::initializer_list<LimitItem> rows)
{
    Condition cond{};
    cond[0].Code = headMask;
    int i = 1;
    for (const LimitItem& row : rows)
        cond[i++] = row;
    return cond;
}

class SurveyFixture : public ::testing::Test {
protected:
    ProgramStateGuard programState_;
};

}  // namespace kz::test
