// Tabulating a million samples the way the user runs it: the request set in
// the tabulation window, then its "新規作成" button, which counts in a new
// result sheet and fills its grid; timed from the click to the sheet drawn.
// Run it under xvfb-run to draw on an X server; without a display it draws
// on Qt's offscreen platform. KZ_BENCH_SAMPLES sets how many samples the
// questionnaire holds (default 1,000,000).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "program/program_windows.h"
#include "shell/program_state.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/frm_total.h"
#include "tabulation_bench_data.h"
#include "widgets/forms.h"

namespace {

using namespace kz;

Long Samples()
{
    const Long named = qEnvironmentVariableIntValue("KZ_BENCH_SAMPLES");
    return named > 0 ? named : bench::kSamples;
}

void RunThroughTheWindow(benchmark::State& state, bool cross)
{
    ProgramWindows windows;
    windows.showTotal(1);
    frmTotal& total = *widgets::Forms::loaded<frmTotal>();
    for (auto _ : state) {
        state.PauseTiming();
        total.SetTotalOption(bench::Request(cross));
        QApplication::processEvents();
        state.ResumeTiming();
        total.cmdTotal[1]->click();
        // The finished sheet drawn.
        QApplication::processEvents();
        state.PauseTiming();
        const auto* sheet = qobject_cast<const frmGridBase*>(total.ParentGrid());
        if (!sheet || !sheet->result().totaled || sheet->Grid->textMatrix(4, 1).isEmpty())
            state.SkipWithError("the sheet was not counted");
        widgets::Forms::discardAll();
        QApplication::processEvents();
        windows.showTotal(1);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Samples() * bench::kQuestions * (cross ? bench::kCrossColumns : 1));
}

void BM_RunButtonOneColumn(benchmark::State& state) { RunThroughTheWindow(state, false); }
BENCHMARK(BM_RunButtonOneColumn)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(5);

void BM_RunButtonFiveColumnCross(benchmark::State& state) { RunThroughTheWindow(state, true); }
BENCHMARK(BM_RunButtonFiveColumnCross)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::BuildSurvey(ProgramWorkspace(), Samples());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
