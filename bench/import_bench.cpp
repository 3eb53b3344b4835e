// The delimited export and import of a million samples of a 60-question
// questionnaire (import_bench_data.h): the export, the reader alone (lines
// cut into fields and turned into reply notation), and the reader with the
// parse and store the entry window runs for each record.
#include <benchmark/benchmark.h>

#include <QFileInfo>

#include "bench_state.h"
#include "import_bench_data.h"
#include "imports/delimited_import.h"
#include "support/enter_reply.h"
#include "texts/choice_texts.h"

namespace {

using namespace kz;

void BM_ExportSamplesCSV(benchmark::State& state)
{
    bench::BuildQuestionnaire(bench::BenchWorkspace(), bench::BenchSettings());
    bench::AnswerSamples(bench::BenchWorkspace(), bench::Records());
    for (auto _ : state) {
        if (!bench::WriteBenchFile(bench::BenchWorkspace()))
            state.SkipWithError("export failed");
    }
    state.counters["MB"] = double(QFileInfo(bench::CsvPath()).size()) / 1e6;
}

// Reads every record of the file into an empty copy of the questionnaire;
// with `store`, each is parsed and stored as the entry window does.
Long ImportFile(bool store)
{
    const Survey& survey = bench::BenchWorkspace().survey;
    SampleTable& samples = bench::BenchWorkspace().samples;
    if (survey.QuestionCount == 0)
        bench::BuildQuestionnaire(bench::BenchWorkspace(), bench::BenchSettings());
    if (!QFileInfo::exists(bench::CsvPath())) {
        bench::AnswerSamples(bench::BenchWorkspace(), bench::Records());
        bench::WriteBenchFile(bench::BenchWorkspace());
    }
    samples.Samples.clear();
    ImportLines lines;
    if (!lines.open(bench::CsvPath(), 0))
        return -1;
    const CsvSettings csv = bench::BenchCsv();
    const std::vector<bool> textColumns = MarkEssayQuestions(survey, csv.noEssay);
    Long read = 0;
    for (ImportRecord r = ReadDelimitedRecord(bench::BenchWorkspace(), lines, csv, textColumns);
         r.kind == ImportRecord::Kind::Sample;
         r = ReadDelimitedRecord(bench::BenchWorkspace(), lines, csv, textColumns)) {
        ++read;
        if (store && !test::EnterReply(bench::BenchWorkspace(), r.ID, r.reply).isEmpty())
            return -1;
    }
    return read;
}

void BM_ReadDelimited(benchmark::State& state)
{
    for (auto _ : state) {
        if (ImportFile(false) != bench::Records())
            state.SkipWithError("the file did not read back whole");
    }
    state.SetItemsProcessed(state.iterations() * bench::Records());
}

void BM_ReadParseAndStore(benchmark::State& state)
{
    for (auto _ : state) {
        if (ImportFile(true) != bench::Records())
            state.SkipWithError("the file did not import whole");
    }
    state.SetItemsProcessed(state.iterations() * bench::Records());
}

}  // namespace

BENCHMARK(BM_ExportSamplesCSV)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadDelimited)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadParseAndStore)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
