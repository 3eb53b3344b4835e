// Saving and loading a data file of a million samples of a 60-question
// questionnaire, a fifth of them with a free text; the load also reports
// the heap the loaded table takes per sample, in all and beside its answer
// words and texts.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <malloc.h>
#include <random>

#include "document/document.h"
#include "files/data_file_load.h"
#include "files/data_file_save.h"
#include "files/file_header.h"
#include "model/survey.h"
#include "texts/choice_texts.h"

namespace {

using namespace kz;

constexpr Long kSamples = 1'000'000;

void AddBenchQuestion(Integer maxAnswers, Integer choiceCount, bool essay)
{
    const Integer q = survey.QuestionCount++;
    survey.Questions[q] = {QStringLiteral("Q%1\r質問%1\r\r").arg(q + 1).leftJustified(128, u' '), maxAnswers,
                           choiceCount, 0};
    SetChoiceText(q, 0, QStringLiteral("無回答"));
    survey.Choices(q, 0).Attr = 1 << AttrExclusive;
    for (Integer c = 1; c < choiceCount; ++c)
        SetChoiceText(q, c, QStringLiteral("選択肢%1").arg(c));
    if (essay)
        survey.Choices(q, choiceCount - 1).Attr = 1 << AttrEssay;
}

// 40 single answers of 5 choices, 15 triple answers of 10 choices, 5 single
// answers whose last choice takes free text.
void BuildQuestionnaire()
{
    survey = Survey{};
    samples = SampleTable{};
    InitBitMasks();
    document = DocumentState{};
    survey.Title = QStringLiteral("性能測定");
    for (int q = 0; q < 40; ++q)
        AddBenchQuestion(1, 5, false);
    for (int q = 0; q < 15; ++q)
        AddBenchQuestion(3, 10, false);
    for (int q = 0; q < 5; ++q)
        AddBenchQuestion(1, 4, true);
    ComputeAnswerLayout();

    std::mt19937 random(11);
    SampleStore& table = samples.Samples;
    table.reshape(AnswerWordsPerSample(survey));
    table.resize(kSamples);
    for (Long i = 0; i < kSamples; ++i) {
        table.setId(i, i + 1);
        // Slots are under 8 bits wide, so any bits load back.
        for (int w = 0; w < survey.AnoBytes / 2; ++w)
            table.answers(i)[w] = static_cast<Integer>(random());
        if (i % 5 == 0)
            table.texts(i).setText(static_cast<int>(i % survey.EssayCount),
                                   QStringLiteral("自由記述の回答 %1").arg(i));
    }
}

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString BenchFile() { return Folder().filePath(QStringLiteral("bench.kz")); }

void BM_SaveDataFile(benchmark::State& state)
{
    BuildQuestionnaire();
    for (auto _ : state) {
        if (!SaveDataFile(BenchFile()))
            state.SkipWithError("save failed");
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(BenchFile()).size()) / 1e6;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

void BM_LoadDataFile(benchmark::State& state)
{
    if (!QFileInfo::exists(BenchFile())) {
        BuildQuestionnaire();
        SaveDataFile(BenchFile());
    }
    double perSample = 0;
    for (auto _ : state) {
        state.PauseTiming();
        samples.Samples = {};
        const size_t before = HeapInUse();
        state.ResumeTiming();
        QString file = BenchFile();
        if (LoadDataFile(file, OpenQuestionnaire) != DataFileLoaded)
            state.SkipWithError("load failed");
        state.PauseTiming();
        perSample = static_cast<double>(HeapInUse() - before) / kSamples;
        state.ResumeTiming();
    }
    double payload = static_cast<double>(samples.Samples.allAnswers().size_bytes());
    for (Long i = 0; i < SampleCount(); ++i)
        for (const FreeTexts::Entry& entry : samples.Samples.texts(i))
            payload += static_cast<double>(entry.text.size()) * sizeof(QChar);
    state.counters["heap_B_per_sample"] = perSample;
    state.counters["beside_answers_texts_B"] = perSample - payload / kSamples;
}

}  // namespace

BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadDataFile)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
