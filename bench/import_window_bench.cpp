// The delimited import the way the user runs it: each record of the file
// (import_bench_data.h) handed by the import window to the entry window,
// which parses, checks, stores and shows it. KZ_BENCH_RECORDS sets how many
// records the file holds (default 1,000,000).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>

#include "frm_add_data.h"
#include "frm_merge.h"
#include "import_bench_data.h"
#include "program_windows.h"
#include "widgets/forms.h"

namespace {

using namespace kz;

void BM_ImportThroughTheEntryWindow(benchmark::State& state)
{
    // No seam is installed: every message box is answered with its first
    // button (OK) at once.
    ProgramWindows windows;
    bench::BuildQuestionnaire();
    if (!QFileInfo::exists(bench::CsvPath())) {
        bench::AnswerSamples(bench::Records());
        bench::WriteBenchFile();
    }
    for (auto _ : state) {
        state.PauseTiming();
        samples.Samples.clear();
        windows.startImport(QStringLiteral("CSV"), QStringLiteral("区切り形式"), bench::CsvPath());
        frmMerge& merge = *widgets::Forms::loaded<frmMerge>();
        merge.optDouble->click();
        merge.chkNoEssay->setChecked(true);
        merge.cmdConfig->click();
        state.ResumeTiming();
        merge.cmdGo->click();
        state.PauseTiming();
        if (SampleCount() != bench::Records())
            state.SkipWithError("not every record was stored");
        widgets::Forms::discardAll();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * bench::Records());
}

}  // namespace

BENCHMARK(BM_ImportThroughTheEntryWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
