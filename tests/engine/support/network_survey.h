// The small questionnaire the network form and answer tests share:
//   Q0 性別 (one answer): 1 男, 2 女, 3 その他 with free text
//   Q1 飲み物 (two answers), only for 女 (Q0 choice 2): 1 珈琲, 2 紅茶, 3 その他 with free text
//   Q2 名前 (two answers, a single real choice): 1 自由記述 with free text
#pragma once

#include "model/condition_arrays.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz::test {

inline void BuildNetworkSurvey(SurveyState& state)
{
    state.survey.Title = QStringLiteral("カフェ<調査>");
    state.survey.Author = QStringLiteral("A&B");
    state.AddQuestion(1, 4, {3});
    state.AddQuestion(2, 4, {3});
    state.AddQuestion(2, 2, {1});
    state.SetQuestionText(0, QStringLiteral("性別"), QStringLiteral("あなたは？"));
    state.SetQuestionText(1, QStringLiteral("飲み物"), QStringLiteral("好きな飲み物"));
    state.SetQuestionText(2, QStringLiteral("名前"), QStringLiteral("お名前を"));
    const QStringList choices[] = {{QStringLiteral("男"), QStringLiteral("女"), QStringLiteral("その他")},
                                   {QStringLiteral("珈琲"), QStringLiteral("紅茶"), QStringLiteral("その他")},
                                   {QStringLiteral("自由記述")}};
    for (Integer q = 0; q < 3; ++q)
        for (Integer c = 1; c <= choices[q].size(); ++c)
            state.survey.Choices(q, c).Text = choices[q][c - 1];
    state.survey.QuestionLimit[1] = MakeCondition(0, {Row(KindRequired, 0, 2)});
    // The reply sheet is one line.
    state.survey.ParagraphStart.fill(MakeQC(3, 0));
    state.survey.ParagraphStart[0] = 0;
    state.BuildLayout();
}

}  // namespace kz::test
