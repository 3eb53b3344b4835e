// Counting every question of the benchmark questionnaire over a million
// samples, as the result sheets count: one library call per sample (the
// per-sample way), the batch call over the whole table and in the chunks a
// result sheet steps through, and a plain loop over per-question code
// columns, the bound the packed format is measured against.
//
//     counting_bench --columns=FILE
// writes those code columns for the pandas and numpy peer
// (count_peer.py) instead of running the benchmarks: per question a 32-bit
// little-endian count, that many 8-bit codes, then the 128 32-bit counts the
// program finds.
#include <benchmark/benchmark.h>

#include <QFile>

#include <cstring>
#include <vector>

#include "answers/answer_counting.h"
#include "bench_questionnaire.h"
#include "bench_state.h"
#include "model/answer_store.h"
#include "model/workspace.h"
#include "model/zuntab_binding.h"

namespace {

using namespace kz;

constexpr Long kSamples = 1'000'000;
constexpr Long kChunk = 65'536;

// The table, built once for every benchmark of the run.
const Workspace& BenchWorkspace()
{
    static const bool built = [] {
        bench::BuildBenchQuestionnaire(bench::BenchWorkspace(), kSamples);
        return true;
    }();
    (void)built;
    return bench::BenchWorkspace();
}

// Each question's answers as VerstTotalC counts them, one code a byte.
std::vector<std::vector<uint8_t>> CodeColumns()
{
    const Survey& survey = bench::BenchWorkspace().survey;
    const SampleTable& samples = bench::BenchWorkspace().samples;
    std::vector<std::vector<uint8_t>> columns(static_cast<size_t>(survey.QuestionCount));
    Integer count = 0;
    QVector<Integer> codes;
    for (Long s = 0; s < SampleCount(samples); ++s) {
        for (Integer q = 0; q < survey.QuestionCount; ++q) {
            PopQuestionAnswers(bench::BenchWorkspace(), s, q, count, codes);
            for (Integer a = 0; a < count; ++a)
                columns[static_cast<size_t>(q)].push_back(static_cast<uint8_t>(codes[a]));
        }
    }
    return columns;
}

void BM_CountPerSample(benchmark::State& state)
{
    const Workspace& ws = BenchWorkspace();
    const Condition everyone{};
    const SampleStore& table = ws.samples.Samples;
    for (auto _ : state) {
        for (Integer q = 0; q < ws.survey.QuestionCount; ++q) {
            ChoiceCounts counts{};
            Long base = 0;
            for (Long s = 0; s < table.size(); ++s)
                base += zuntab::VerstTotalC(everyone.data(), ws.survey.AnswerLayout.data(), table.flags(s),
                                            table.answers(s), q, counts.data(), 0);
            benchmark::DoNotOptimize(base);
            benchmark::DoNotOptimize(counts);
        }
    }
}

void BM_CountBatch(benchmark::State& state)
{
    const Workspace& ws = BenchWorkspace();
    const Condition everyone{};
    const Long chunk = state.range(0) > 0 ? state.range(0) : kSamples;
    for (auto _ : state) {
        for (Integer q = 0; q < ws.survey.QuestionCount; ++q) {
            ChoiceCounts counts{};
            Long base = 0;
            for (Long first = 0; first < kSamples; first += chunk)
                base += CountAnswers(ws, everyone, q, 0, first, std::min(first + chunk, kSamples), counts);
            benchmark::DoNotOptimize(base);
            benchmark::DoNotOptimize(counts);
        }
    }
    state.SetLabel(state.range(0) > 0 ? "in chunks" : "whole table");
}

void BM_CountCodeColumns(benchmark::State& state)
{
    BenchWorkspace();
    const auto columns = CodeColumns();
    for (auto _ : state) {
        for (const std::vector<uint8_t>& column : columns) {
            ChoiceCounts counts{};
            for (const uint8_t code : column)
                ++counts[code];
            benchmark::DoNotOptimize(counts);
        }
    }
}

int WriteColumns(const char* fileName)
{
    const Workspace& ws = BenchWorkspace();
    QFile file(QString::fromLocal8Bit(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    const auto columns = CodeColumns();
    for (Integer q = 0; q < ws.survey.QuestionCount; ++q) {
        const std::vector<uint8_t>& column = columns[static_cast<size_t>(q)];
        const auto size = static_cast<int32_t>(column.size());
        ChoiceCounts counts{};
        CountAnswers(ws, Condition{}, q, 0, 0, kSamples, counts);
        file.write(reinterpret_cast<const char*>(&size), sizeof size);
        file.write(reinterpret_cast<const char*>(column.data()), size);
        file.write(reinterpret_cast<const char*>(counts.data()), sizeof counts);
    }
    return file.error() == QFileDevice::NoError ? 0 : 1;
}

}  // namespace

BENCHMARK(BM_CountPerSample)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CountBatch)->Arg(0)->Arg(kChunk)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_CountCodeColumns)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv)
{
    constexpr const char* ColumnsOption = "--columns=";
    if (argc == 2 && std::strncmp(argv[1], ColumnsOption, std::strlen(ColumnsOption)) == 0)
        return WriteColumns(argv[1] + std::strlen(ColumnsOption));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
