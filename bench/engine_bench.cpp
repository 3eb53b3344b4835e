// The engine's two whole-table jobs on a million samples: restoring the ID
// order of a loaded table, and checking and repairing every sample's answers
// as a structure change does.
#include <benchmark/benchmark.h>

#include <QVector>

#include <algorithm>
#include <numeric>
#include <random>

#include "answers/answer_check.h"
#include "answers/question_limit_check.h"
#include "bench_state.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/sample_sort.h"
#include "model/survey.h"

namespace {

using namespace kz;

constexpr Long kSamples = 1'000'000;

void BM_SortSamplesByID(benchmark::State& state)
{
    Survey& survey = bench::BenchWorkspace().survey;
    SampleTable& samples = bench::BenchWorkspace().samples;
    survey = Survey{};
    samples = SampleTable{};
    InitBitMasks();
    std::vector<Long> ids(static_cast<size_t>(kSamples));
    std::iota(ids.begin(), ids.end(), 1);
    std::shuffle(ids.begin(), ids.end(), std::mt19937(7));
    SampleStore shuffled;
    shuffled.reshape(AnswerWordsPerSample(survey));
    shuffled.resize(kSamples);
    for (Long pos = 0; pos < kSamples; ++pos)
        shuffled.setId(pos, ids[static_cast<size_t>(pos)]);

    for (auto _ : state) {
        state.PauseTiming();
        samples.Samples = shuffled;
        state.ResumeTiming();
        benchmark::DoNotOptimize(SortSamplesByID(samples.Samples));
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
    samples = SampleTable{};
}
BENCHMARK(BM_SortSamplesByID)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Ten questions: single and multiple answers, an other choice with free
// text, two questions asked only of some respondents. The answers carry the
// faults the checks repair: missing choices, duplicates, exclusive mixes,
// misplaced texts and answers outside a question's limit.
void BuildCheckSurvey()
{
    Survey& survey = bench::BenchWorkspace().survey;
    SampleTable& samples = bench::BenchWorkspace().samples;
    survey = Survey{};
    samples = SampleTable{};
    InitBitMasks();
    for (Integer q = 0; q < 10; ++q) {
        QuestionRec& rec = survey.Questions[q];
        rec.MaxAnswers = q % 3 == 1 ? 3 : 1;
        rec.ChoiceCount = static_cast<Integer>(4 + q % 4);
        survey.Choices(q, 0).Attr = 1 << AttrExclusive;
        const Integer other = static_cast<Integer>(rec.ChoiceCount - 1);
        survey.Choices(q, other).Attr = (1 << AttrOther) | (1 << AttrEssay);
    }
    survey.QuestionCount = 10;
    survey.QuestionLimit[4][1] = LimitItem{3, MakeQC(0, 1)};
    survey.QuestionLimit[7][1] = LimitItem{3, MakeQC(4, 2)};
    survey.CheckOptions = 0;
    ComputeAnswerLayout(survey);

    std::mt19937 rng(11);
    QVector<Integer> counts(survey.QuestionCount);
    QVector<Integer> codes(survey.AnswerSlotCount);
    QVector<QString> texts(survey.AnswerSlotCount);
    samples.Samples.reshape(AnswerWordsPerSample(survey));
    samples.Samples.resize(kSamples);
    for (Long s = 0; s < kSamples; ++s) {
        samples.Samples.setId(s, s + 1);
        int k = 0;
        for (Integer q = 0; q < survey.QuestionCount; ++q) {
            const Integer max = survey.Questions[q].MaxAnswers;
            const int bitsTop = (1 << survey.AnswerLayout[q].BitsPerSlot) - 1;  // beyond ChoiceCount: missing
            counts[q] = static_cast<Integer>(std::uniform_int_distribution<int>(1, max)(rng));
            for (int i = 0; i < counts[q]; ++i, ++k) {
                codes[k] = static_cast<Integer>(std::uniform_int_distribution<int>(1, bitsTop)(rng));
                texts[k] = rng() % 4 == 0 ? QStringLiteral("text") : QString();
            }
        }
        WriteSampleAnswers(bench::BenchWorkspace(), s, counts, codes, texts);
    }
}

void BM_CheckSampleAnswers(benchmark::State& state)
{
    const Survey& survey = bench::BenchWorkspace().survey;
    SampleTable& samples = bench::BenchWorkspace().samples;
    BuildCheckSurvey();
    const SampleStore pristine = samples.Samples;
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
    for (auto _ : state) {
        state.PauseTiming();
        samples.Samples = pristine;
        state.ResumeTiming();
        for (Long s = 0; s < kSamples; ++s) {
            ReadSampleAnswers(bench::BenchWorkspace(), s, counts, codes, texts);
            CheckSampleAnswers(survey, s, counts, codes, texts, false, nullptr);
            WriteSampleAnswers(bench::BenchWorkspace(), s, counts, codes, texts);
            CheckSampleLimits(bench::BenchWorkspace(), s, false, nullptr);
        }
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
    samples = SampleTable{};
}
BENCHMARK(BM_CheckSampleAnswers)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
