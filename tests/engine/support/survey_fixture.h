// The state a test builds its questionnaire and samples in, and the builders.
//   SurveyState names the parts of a workspace and this computer's settings:
//   AddQuestion(maxAnswers, choiceCount, {essay choices}) appends a question;
//   SetQuestionText(q, label, sentence, description) sets its three parts;
//   BuildLayout() computes the answer layout (the test fails when it overflows);
//   AddSample(id) appends a blank sample sized for the layout;
//   TableIDs() and TextsOf(pos) read the samples' IDs and free texts;
//   Reset() puts the state back to a fresh program's.
//   SurveyFixture is a test on a state of its own; window tests build in the
//   program's state instead (program_fixture.h).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

#include "host/settings.h"
#include "model/survey.h"
#include "model/workspace.h"

namespace kz::test {

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

// The free texts of a sample as (slot, text), ascending.
using SlotTexts = std::vector<std::pair<int, QString>>;

class SurveyState {
public:
    SurveyState(Workspace& state, Settings& computerSettings)
        : workspace(state), survey(state.survey), samples(state.samples), document(state.document),
          settings(computerSettings)
    {}
    SurveyState(const SurveyState&) = delete;
    SurveyState& operator=(const SurveyState&) = delete;

    void Reset()
    {
        workspace = Workspace{};
        settings = Settings{};
    }

    // Choice 0 is "無回答" with the exclusive bit, as the loader leaves it;
    // the listed choices carry free text. Returns the question's number.
    Integer AddQuestion(Integer maxAnswers, Integer choiceCount, std::initializer_list<int> essayChoices = {})
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

    // label CR sentence CR description CR, blank-padded to 128 as the loader
    // keeps it.
    void SetQuestionText(Integer q, const QString& label, const QString& sentence = {},
                         const QString& description = {})
    {
        const QString text = label + u'\r' + sentence + u'\r' + description + u'\r';
        survey.Questions[q].Text = text.leftJustified(128, u' ', true);
    }

    void BuildLayout() { ASSERT_TRUE(ComputeAnswerLayout(survey)) << "answer layout overflowed"; }

    // Appends a blank sample (no answers, no texts) and returns its position.
    // IDs are the caller's to keep ascending.
    Long AddSample(Long id)
    {
        SampleStore& table = samples.Samples;
        if (table.isEmpty())
            table.reshape(AnswerWordsPerSample(survey));
        table.insert(table.size(), id);
        return table.size() - 1;
    }

    // Every sample's ID, in table order.
    std::vector<Long> TableIDs() const
    {
        const std::span<const Long> ids = samples.Samples.ids();
        return {ids.begin(), ids.end()};
    }

    SlotTexts TextsOf(Long pos) const
    {
        SlotTexts texts;
        for (const FreeTexts::Entry& entry : samples.Samples.texts(pos))
            texts.emplace_back(entry.slot, entry.text);
        return texts;
    }

    Workspace& workspace;
    Survey& survey;
    SampleTable& samples;
    DocumentState& document;
    Settings& settings;
};

// A workspace and settings of the test's own, built before the state that
// names them.
struct OwnState {
    Workspace ownWorkspace;
    Settings ownSettings;
};

class SurveyFixture : public ::testing::Test, private OwnState, public SurveyState {
protected:
    SurveyFixture() : SurveyState(ownWorkspace, ownSettings) {}
};

}  // namespace kz::test
