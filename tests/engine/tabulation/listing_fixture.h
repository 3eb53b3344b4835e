// A small opinion questionnaire for the listing tests, and a window stand-in
// that keeps the rows a listing run shows.
//   Q1 意見  up to two: 1 良い, 2 悪い (free text), 3 金額 (quantity),
//            4 店 (coded)
//   Q2 性別  one answer: 1 男性, 2 女性
// Samples (ID = 10 * (position + 1)), "-" unanswered:
//   10: {良い 速い, 金額 500}     男性
//   20: {悪い 遅い<TAB>とても}    女性
//   30: -                         男性
//   40: {良い ""}                 女性
//   50: {良い 速い, 店 B2:本店}   男性
#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include "model/answer_store.h"
#include "model/total_option.h"
#include "model/workspace.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "tabulation/free_text_listing.h"

namespace kz::test {

enum OpinionQuestion : Integer { Opinion = 0, Sex = 1 };
enum OpinionChoice : Integer { Good = 1, Bad = 2, Amount = 3, Shop = 4, AnyChoice = 5 };

class RecordingListingView : public ListingView {
public:
    bool showProgress(const QString& percent) override
    {
        progress.push_back(percent);
        return progress.size() < stopAtReport || stopAtReport == 0;
    }
    void addRow(const QString& line) override { rows.push_back(line); }

    // Stop at this progress report (1 = the first; 0 never).
    qsizetype stopAtReport = 0;
    QStringList progress;
    QStringList rows;
};

inline void StoreAnswers(Workspace& ws, Long sample, Integer q, std::vector<Integer> codes,
                         std::vector<QString> texts = {})
{
    texts.resize(codes.size());
    WriteQuestionAnswers(ws, sample, q, static_cast<Integer>(codes.size()),
                         QVector<Integer>(codes.begin(), codes.end()), QVector<QString>(texts.begin(), texts.end()));
}

inline void BuildOpinionSurvey(SurveyState& state)
{
    state.AddQuestion(2, 5, {Good, Bad, Amount, Shop});
    state.SetQuestionText(Opinion, QStringLiteral("意見"), QStringLiteral("ご意見をどうぞ。"));
    state.survey.Choices(Opinion, Good).Text = QStringLiteral("良い");
    state.survey.Choices(Opinion, Bad).Text = QStringLiteral("悪い");
    state.survey.Choices(Opinion, Amount).Text = QStringLiteral("金額");
    state.survey.Choices(Opinion, Amount).Attr |= 1 << AttrQuantity;
    state.survey.Choices(Opinion, Shop).Text = QStringLiteral("店");
    state.survey.Choices(Opinion, Shop).Attr |= 1 << AttrCoded;
    state.AddQuestion(1, 3);
    state.SetQuestionText(Sex, QStringLiteral("性別"), QStringLiteral("性別は。"));
    state.survey.Choices(Sex, 1).Text = QStringLiteral("男性");
    state.survey.Choices(Sex, 2).Text = QStringLiteral("女性");
    state.BuildLayout();
    for (Long id = 10; id <= 50; id += 10)
        state.AddSample(id);
    StoreAnswers(state.workspace, 0, Opinion, {Good, Amount}, {QStringLiteral("速い"), QStringLiteral("500")});
    StoreAnswers(state.workspace, 1, Opinion, {Bad}, {QStringLiteral("遅い\tとても")});
    StoreAnswers(state.workspace, 3, Opinion, {Good}, {QString()});
    StoreAnswers(state.workspace, 4, Opinion, {Good, Shop}, {QStringLiteral("速い"), QStringLiteral("B2:本店")});
    for (Long s = 0; s < 5; ++s)
        StoreAnswers(state.workspace, s, Sex, {static_cast<Integer>(s % 2 == 0 ? 1 : 2)});
}

// A listing request of Q1: the choice looked at and the criterion.
inline TotalOptionRec ListingOption(Integer choice, Integer mode)
{
    TotalOptionRec option;
    option.Kind = TotalFreeTexts;
    option.Qno = Opinion;
    option.ToQno = Opinion;
    option.XQno = choice;
    option.CrossMode = mode;
    return option;
}

class OpinionListingTest : public SurveyFixture {
protected:
    void SetUp() override { BuildOpinionSurvey(*this); }

    FreeTextListing List(const TotalOptionRec& option, std::vector<Integer> refs = {}, Long from = 0)
    {
        view.rows.clear();
        const std::optional<Condition> cond = ListingCondition(survey, option);
        EXPECT_TRUE(cond.has_value());
        return ListSamples(workspace, option, cond.value_or(Condition{}), refs, from, view);
    }

    ScriptedUi ui;
    RecordingListingView view;
};

}  // namespace kz::test
