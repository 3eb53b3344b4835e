// Tabulating a million samples (tabulation_bench_data.h): 100 questions of 10
// choices, up to three answers each, into one column and into a five-column
// cross by the choices 1 to 5 of the first question, as a result sheet
// counts them (without a window), on one thread and on every core. Beside
// them, on the same answers, a plain loop over one-byte code columns (one
// column per answer slot of each question, 0 for none) does the same counts:
// the practical limit, to which each run is compared at the end. Every
// benchmark is timed in wall time; the all-core ones show the process's CPU
// time. KZ_BENCH_SAMPLES sets how many samples there are (default 1,000,000).
//
// The peers' scripts (tabulation_peers.sh) time the same answers exported
// once as CSV:
//     tabulation_bench --kz_export_csv=answers.csv
// writes them (q1_1,q1_2,q1_3,...,q100_3; an empty field is no answer) and
// the checksum lines every tool prints, then ends.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_state.h"
#include "host/parallel_stretches.h"
#include "model/question_codes.h"
#include "ratio_reporter.h"
#include "tabulation/count_sheet.h"
#include "tabulation_bench_data.h"

namespace {

using namespace kz;
using bench::kChoices;
using bench::kCrossColumns;
using bench::kMaxAnswers;
using bench::kQuestions;

Long Samples()
{
    const Long named = qEnvironmentVariableIntValue("KZ_BENCH_SAMPLES");
    return named > 0 ? named : bench::kSamples;
}

class SilentView : public CountSheetView {
public:
    void showStatus(const QString&) override {}
    bool showProgress(const QString&) override { return true; }
    void layOut(const CountSheet&) override {}
    void showColumn(int, std::vector<SheetCell>) override {}
};

CountSheet Tabulate(bool cross, int threads)
{
    CountSheet sheet;
    sheet.SheetOption = bench::Request(cross);
    SilentView view;
    RunCountSheet(bench::BenchWorkspace(), sheet, {}, view, threads);
    return sheet;
}

// A block's base and its counts of choices 0 to 10.
using BlockCounts = std::array<Long, kChoices + 2>;

BlockCounts CountsOf(const CountSheet& sheet, int L, Integer q)
{
    const ResultTable& table = sheet.result;
    const int first = table.RowStart[q] + BlockHeadRows;
    BlockCounts counts{};
    counts[0] = table.count(L, first + kChoices + 1);
    for (int r = first; r <= first + kChoices; ++r)
        counts[static_cast<size_t>(QCChoice(table.code(L, r))) + 1] = table.count(L, r);
    return counts;
}

// "checksum <column> <question> <base> <count of choice 0> .. <count of 10>"
// for questions 1, 50 and 100 of every column.
void PrintChecksums(const CountSheet& sheet, const char* name)
{
    for (int L = 0; L < sheet.result.columns; ++L) {
        for (Integer q : {Integer(0), Integer(49), Integer(99)}) {
            std::printf("checksum %s %d q%d", name, L + 1, q + 1);
            for (Long n : CountsOf(sheet, L, q))
                std::printf(" %d", n);
            std::printf("\n");
        }
    }
}

bool ExportCsv(const char* path)
{
    FILE* out = std::fopen(path, "w");
    if (!out)
        return false;
    std::string line;
    for (Integer q = 1; q <= kQuestions; ++q)
        for (Integer i = 1; i <= kMaxAnswers; ++i)
            line += 'q' + std::to_string(q) + '_' + std::to_string(i)
                    + (q == kQuestions && i == kMaxAnswers ? '\n' : ',');
    std::fputs(line.c_str(), out);
    bench::AnswerSource source;
    bench::SampleAnswers a;
    for (Long s = 0; s < Samples(); ++s) {
        source.next(a);
        line.clear();
        for (Integer q = 0; q < kQuestions; ++q) {
            for (Integer i = 0; i < kMaxAnswers; ++i) {
                if (i < a.counts[q])
                    line += std::to_string(a.codes[q][i]);
                line += q + 1 == kQuestions && i + 1 == kMaxAnswers ? '\n' : ',';
            }
        }
        std::fputs(line.c_str(), out);
    }
    return std::fclose(out) == 0;
}

// The same answers as one-byte codes, a column per answer slot of each
// question (column q * 3 + i holds answer i of question q, 0 for none).
class CodeColumns {
public:
    CodeColumns() : columns_(kQuestions * kMaxAnswers, std::vector<uint8_t>(static_cast<size_t>(Samples())))
    {
        bench::AnswerSource source;
        bench::SampleAnswers a;
        for (size_t s = 0; s < static_cast<size_t>(Samples()); ++s) {
            source.next(a);
            for (Integer q = 0; q < kQuestions; ++q)
                for (Integer i = 0; i < a.counts[q]; ++i)
                    columns_[static_cast<size_t>(q * kMaxAnswers + i)][s] = static_cast<uint8_t>(a.codes[q][i]);
        }
    }

    // Every question over the samples listed (all of them when none are).
    std::vector<BlockCounts> tabulate(const std::vector<uint32_t>* listed = nullptr) const
    {
        std::vector<BlockCounts> blocks(kQuestions);
        for (Integer q = 0; q < kQuestions; ++q) {
            std::array<Histogram, kMaxAnswers> perSlot{};
            for (Integer i = 0; i < kMaxAnswers; ++i) {
                const std::vector<uint8_t>& codes = columns_[static_cast<size_t>(q * kMaxAnswers + i)];
                perSlot[static_cast<size_t>(i)] = listed ? Count(*listed, [&](uint32_t s) { return codes[s]; })
                                                         : Count(codes, [](uint8_t code) { return code; });
            }
            BlockCounts& block = blocks[static_cast<size_t>(q)];
            block[0] = listed ? static_cast<Long>(listed->size()) : Samples();
            block[1] = perSlot[0][0];  // no answer
            for (Integer c = 1; c <= kChoices; ++c)
                for (const Histogram& counts : perSlot)
                    block[static_cast<size_t>(c) + 1] += counts[static_cast<size_t>(c)];
        }
        return blocks;
    }

    // Column c: the samples that gave choice c to the first question.
    std::vector<std::vector<BlockCounts>> tabulateCross() const
    {
        std::vector<std::vector<BlockCounts>> columns;
        std::vector<uint32_t> listed;
        for (int c = 1; c <= kCrossColumns; ++c) {
            listed.clear();
            for (uint32_t s = 0; s < static_cast<uint32_t>(Samples()); ++s)
                if (columns_[0][s] == c || columns_[1][s] == c || columns_[2][s] == c)
                    listed.push_back(s);
            columns.push_back(tabulate(&listed));
        }
        return columns;
    }

private:
    using Histogram = std::array<Long, 16>;

    // The codes of the items, counted into four histograms in turn, so that
    // a run of equal codes does not wait on its own counts.
    template <typename Items, typename CodeOf>
    static Histogram Count(const Items& items, CodeOf codeOf)
    {
        std::array<Histogram, 4> part{};
        const size_t n = items.size();
        size_t k = 0;
        for (; k + 4 <= n; k += 4) {
            ++part[0][codeOf(items[k])];
            ++part[1][codeOf(items[k + 1])];
            ++part[2][codeOf(items[k + 2])];
            ++part[3][codeOf(items[k + 3])];
        }
        for (; k < n; ++k)
            ++part[0][codeOf(items[k])];
        for (size_t c = 0; c < part[0].size(); ++c)
            part[0][c] += part[1][c] + part[2][c] + part[3][c];
        return part[0];
    }

    std::vector<std::vector<uint8_t>> columns_;
};

const CodeColumns& Columns()
{
    static const CodeColumns columns;
    return columns;
}

// The plain loop's counts are the sheet's, or the comparison means nothing.
bool SameCounts(const CountSheet& sheet, const std::vector<std::vector<BlockCounts>>& columns)
{
    for (int L = 0; L < sheet.result.columns; ++L)
        for (Integer q = 0; q < kQuestions; ++q)
            if (CountsOf(sheet, L, q) != columns[static_cast<size_t>(L)][static_cast<size_t>(q)])
                return false;
    return true;
}

void Tabulation(benchmark::State& state, bool cross, int threads)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Tabulate(cross, threads));
    state.SetItemsProcessed(state.iterations() * Samples() * kQuestions * (cross ? kCrossColumns : 1));
    state.counters["threads"] = threads;
}

void BM_TabulateOneColumn(benchmark::State& state) { Tabulation(state, false, 1); }
void BM_TabulateFiveColumnCross(benchmark::State& state) { Tabulation(state, true, 1); }
void BM_TabulateOneColumnAllCores(benchmark::State& state) { Tabulation(state, false, AllCores()); }
void BM_TabulateFiveColumnCrossAllCores(benchmark::State& state) { Tabulation(state, true, AllCores()); }

void BM_PlainLoopOneColumn(benchmark::State& state)
{
    const CodeColumns& columns = Columns();
    if (!SameCounts(Tabulate(false, AllCores()), {columns.tabulate()}))
        state.SkipWithError("the plain loop counts differently");
    for (auto _ : state)
        benchmark::DoNotOptimize(columns.tabulate());
    state.SetItemsProcessed(state.iterations() * Samples() * kQuestions);
}

void BM_PlainLoopFiveColumnCross(benchmark::State& state)
{
    const CodeColumns& columns = Columns();
    if (!SameCounts(Tabulate(true, AllCores()), columns.tabulateCross()))
        state.SkipWithError("the plain loop counts differently");
    for (auto _ : state)
        benchmark::DoNotOptimize(columns.tabulateCross());
    state.SetItemsProcessed(state.iterations() * Samples() * kQuestions * kCrossColumns);
}

BENCHMARK(BM_TabulateOneColumn)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_TabulateFiveColumnCross)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_TabulateOneColumnAllCores)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->MinTime(3.0);
BENCHMARK(BM_TabulateFiveColumnCrossAllCores)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->MinTime(3.0);
BENCHMARK(BM_PlainLoopOneColumn)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_PlainLoopFiveColumnCross)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

int main(int argc, char** argv)
{
    const char* exportFlag = "--kz_export_csv=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], exportFlag, std::strlen(exportFlag)) == 0) {
            if (!ExportCsv(argv[i] + std::strlen(exportFlag)))
                return 1;
            bench::BuildSurvey(bench::BenchWorkspace(), Samples());
            PrintChecksums(Tabulate(false, 1), "one");
            PrintChecksums(Tabulate(true, 1), "cross");
            return 0;
        }
    }
    // The ratios follow the console's table; another format goes out as asked.
    const bool console = std::none_of(argv + 1, argv + argc, [](const char* arg) {
        return std::strncmp(arg, "--benchmark_format=", 19) == 0 && std::strcmp(arg + 19, "console") != 0;
    });
    bench::BuildSurvey(bench::BenchWorkspace(), Samples());
    benchmark::Initialize(&argc, argv);
    if (console) {
        bench::RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        std::fputs(reporter.ratios().c_str(), stdout);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
