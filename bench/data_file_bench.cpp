// Saving and loading data files of the benchmark questionnaire: a million
// samples for the save, and loads from 10,000 to 5,000,000 samples, whose
// time and heap per sample show whether they grow linearly. The heap counts
// the ordinary heap and the huge-page blocks of the sample store; "beside"
// is what a sample takes beyond its answer words and text characters.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <malloc.h>

#include "bench_questionnaire.h"
#include "bench_state.h"
#include "files/data_file_load.h"
#include "files/data_file_save.h"
#include "files/data_file_write.h"
#include "files/file_header.h"
#include "runtime/large_blocks.h"

namespace {

using namespace kz;

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString BenchFile(Long n) { return Folder().filePath(QStringLiteral("bench%1.kz").arg(n)); }

// The file of n samples, built and saved at its first use.
QString SavedFile(Long n)
{
    Settings& settings = bench::BenchSettings();
    const QString file = BenchFile(n);
    if (!QFileInfo::exists(file)) {
        bench::BuildBenchQuestionnaire(bench::BenchWorkspace(), n);
        SaveDataFile(bench::BenchWorkspace(), settings, file);
    }
    return file;
}

size_t HeapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd + MappedLargeBlockBytes();
}

void BM_SaveDataFile(benchmark::State& state)
{
    Settings& settings = bench::BenchSettings();
    const auto n = static_cast<Long>(state.range(0));
    bench::BuildBenchQuestionnaire(bench::BenchWorkspace(), n);
    for (auto _ : state) {
        if (!SaveDataFile(bench::BenchWorkspace(), settings, BenchFile(n)))
            state.SkipWithError("save failed");
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(BenchFile(n)).size()) / 1e6;
}

// The saver's own part: the sample blocks built in memory, without the
// system's write of them.
void BM_BuildSampleBlocks(benchmark::State& state)
{
    const Survey& survey = bench::BenchWorkspace().survey;
    const SampleTable& samples = bench::BenchWorkspace().samples;
    const auto n = static_cast<Long>(state.range(0));
    bench::BuildBenchQuestionnaire(bench::BenchWorkspace(), n);
    // Memory touched once before: fresh pages would be timed, not the blocks.
    QByteArray bytes(64 << 20, '\0');
    for (auto _ : state) {
        bytes.resize(0);
        BinaryWriter out(bytes);
        for (Long s = 0; s < n; ++s)
            WriteSampleBlock(out, survey, samples.Samples, s);
    }
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void BM_LoadDataFile(benchmark::State& state)
{
    SampleTable& samples = bench::BenchWorkspace().samples;
    Settings& settings = bench::BenchSettings();
    const auto n = static_cast<Long>(state.range(0));
    const QString file = SavedFile(n);
    double heap = 0;
    qint64 loadNs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        samples.Samples = {};
        const size_t before = HeapInUse();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        QString name = file;
        if (LoadDataFile(bench::BenchWorkspace(), settings, name, OpenQuestionnaire) != DataFileLoaded)
            state.SkipWithError("load failed");
        loadNs += timer.nsecsElapsed();
        state.PauseTiming();
        heap = static_cast<double>(HeapInUse() - before);
        state.ResumeTiming();
    }
    double payload = static_cast<double>(samples.Samples.allAnswers().size_bytes());
    for (Long i = 0; i < SampleCount(samples); ++i)
        for (const FreeTexts::Entry& entry : samples.Samples.texts(i))
            payload += static_cast<double>(entry.text.size()) * sizeof(QChar);
    const double seconds = static_cast<double>(loadNs) * 1e-9 / static_cast<double>(state.iterations());
    state.counters["heap_B_per_sample"] = heap / n;
    state.counters["beside_answers_texts_B"] = (heap - payload) / n;
    state.counters["ns_per_sample"] = seconds * 1e9 / n;
    state.counters["MB_per_s"] = static_cast<double>(QFileInfo(file).size()) / 1e6 / seconds;
}

}  // namespace

BENCHMARK(BM_SaveDataFile)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BuildSampleBlocks)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadDataFile)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

BENCHMARK_MAIN();
