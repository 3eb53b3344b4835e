// The questionnaire the storage benchmarks measure: 40 single answers of 5
// choices, 15 triple answers of 10 choices and 5 single answers whose last
// choice takes free text (42 bytes of packed answers a sample), with n
// samples answering at random and every fifth one with a free text, built
// in a workspace.
#pragma once

#include <QString>

#include <random>

#include "model/survey.h"
#include "model/workspace.h"
#include "model/zuntab_binding.h"
#include "texts/choice_texts.h"

namespace kz::bench {

inline void AddBenchQuestion(Survey& survey, Integer maxAnswers, Integer choiceCount, bool essay)
{
    const Integer q = survey.QuestionCount++;
    survey.Questions[q] = {QStringLiteral("Q%1\r質問%1\r\r").arg(q + 1).leftJustified(128, u' '), maxAnswers,
                           choiceCount, 0};
    SetChoiceText(survey, q, 0, QStringLiteral("無回答"));
    survey.Choices(q, 0).Attr = 1 << AttrExclusive;
    for (Integer c = 1; c < choiceCount; ++c)
        SetChoiceText(survey, q, c, QStringLiteral("選択肢%1").arg(c));
    if (essay)
        survey.Choices(q, choiceCount - 1).Attr = 1 << AttrEssay;
}

inline void BuildBenchQuestionnaire(Workspace& ws, Long n)
{
    ws = Workspace{};
    InitBitMasks();
    Survey& survey = ws.survey;
    survey.Title = QStringLiteral("性能測定");
    for (int q = 0; q < 40; ++q)
        AddBenchQuestion(survey, 1, 5, false);
    for (int q = 0; q < 15; ++q)
        AddBenchQuestion(survey, 3, 10, false);
    for (int q = 0; q < 5; ++q)
        AddBenchQuestion(survey, 1, 4, true);
    ComputeAnswerLayout(survey);

    std::mt19937 random(11);
    SampleStore& table = ws.samples.Samples;
    table.reshape(AnswerWordsPerSample(survey));
    table.resize(n);
    std::vector<Integer> counts(static_cast<size_t>(survey.QuestionCount));
    std::vector<Integer> codes(static_cast<size_t>(survey.AnswerSlotCount));
    for (Long i = 0; i < n; ++i) {
        table.setId(i, i + 1);
        size_t k = 0;
        for (Integer q = 0; q < survey.QuestionCount; ++q) {
            const QuestionRec& question = survey.Questions[q];
            // Unanswered now and then; a multiple answer gives up to its slots.
            const auto count = static_cast<Integer>(random() % 10 == 0 ? 0 : 1 + random() % question.MaxAnswers);
            counts[static_cast<size_t>(q)] = count;
            for (Integer a = 0; a < count; ++a)
                codes[k++] = static_cast<Integer>(1 + random() % (question.ChoiceCount - 1));
        }
        zuntab::maAno_push_verstC(survey.QuestionCount, survey.AnswerLayout.data(), table.answers(i), counts.data(),
                                  codes.data());
        if (i % 5 == 0)
            table.texts(i).setText(static_cast<int>(i % survey.EssayCount),
                                   QStringLiteral("自由記述の回答 %1").arg(i));
    }
}

}  // namespace kz::bench
