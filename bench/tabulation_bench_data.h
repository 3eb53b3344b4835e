// The tabulation benchmarks' data: a million samples answering 100
// questions of 10 choices, up to three answers each, the same in every run,
// and the two requests timed: every question under one column, and under
// a five-column cross by the choices 1 to 5 of the first question.
#pragma once

#include <QVector>

#include <algorithm>
#include <array>
#include <random>

#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/total_option.h"
#include "model/workspace.h"

namespace kz::bench {

inline constexpr Long kSamples = 1'000'000;
inline constexpr Integer kQuestions = 100;
inline constexpr Integer kChoices = 10;  // besides choice 0, no answer
inline constexpr Integer kMaxAnswers = 3;
inline constexpr int kCrossColumns = 5;

// The answers of one sample: per question the answers given, none for no
// answer.
struct SampleAnswers {
    std::array<std::array<Integer, kMaxAnswers>, kQuestions> codes{};
    std::array<Integer, kQuestions> counts{};
};

// The same samples in every run: 5 % leave a question unanswered, the others
// give one to three different choices.
class AnswerSource {
public:
    void next(SampleAnswers& a)
    {
        for (Integer q = 0; q < kQuestions; ++q) {
            a.counts[q] = draw(20) == 0 ? Integer(0) : static_cast<Integer>(1 + draw(kMaxAnswers));
            for (Integer i = 0; i < a.counts[q]; ++i) {
                Integer c = 0;
                do
                    c = static_cast<Integer>(1 + draw(kChoices));
                while (std::find(a.codes[q].begin(), a.codes[q].begin() + i, c) != a.codes[q].begin() + i);
                a.codes[q][i] = c;
            }
        }
    }

private:
    unsigned draw(unsigned n) { return static_cast<unsigned>(engine_() % n); }
    std::mt19937 engine_{20240601};
};

// The questionnaire and `sampleCount` samples of the source, in `ws`.
inline void BuildSurvey(Workspace& ws, Long sampleCount = kSamples)
{
    ws = Workspace{};
    InitBitMasks();
    for (Integer q = 0; q < kQuestions; ++q) {
        ws.survey.Questions[q].Text = QStringLiteral("Q%1\r質問%1\r\r").arg(q + 1);
        ws.survey.Questions[q].MaxAnswers = kMaxAnswers;
        ws.survey.Questions[q].ChoiceCount = kChoices + 1;
        for (Integer c = 1; c <= kChoices; ++c)
            ws.survey.Choices(q, c).Text = QStringLiteral("選択肢%1").arg(c);
    }
    ws.survey.QuestionCount = kQuestions;
    ComputeAnswerLayout(ws.survey);
    ws.samples.Samples.reshape(AnswerWordsPerSample(ws.survey));
    ws.samples.Samples.resize(sampleCount);
    AnswerSource source;
    SampleAnswers a;
    QVector<Integer> counts(kQuestions);
    QVector<Integer> codes;
    for (Long s = 0; s < sampleCount; ++s) {
        source.next(a);
        codes.clear();
        for (Integer q = 0; q < kQuestions; ++q) {
            counts[q] = a.counts[q];
            for (Integer i = 0; i < a.counts[q]; ++i)
                codes.push_back(a.codes[q][i]);
        }
        ws.samples.Samples.setId(s, s + 1);
        PushSampleAnswers(ws, s, counts, codes);
    }
}

// One column, or the cross: column c requires choice c of the first question.
inline TotalOptionRec Request(bool cross)
{
    TotalOptionRec option;
    option.ToQno = kQuestions - 1;
    option.LimitCount = cross ? kCrossColumns : 1;
    option.CrossMode = 2;  // the columns edited freely
    for (int c = 1; cross && c <= kCrossColumns; ++c)
        option.Limits[static_cast<size_t>(c)][1] = LimitItem{3, MakeQC(0, static_cast<Integer>(c))};
    return option;
}

}  // namespace kz::bench
