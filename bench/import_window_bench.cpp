// The delimited import the way the user runs it: each record of the file
// (import_bench_data.h) handed by the import window to the entry window,
// which parses, checks and stores it and shows the records as the run lets
// events in, as the program does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>

#include "entry/frm_merge.h"
#include "host/ui_seam.h"
#include "import_bench_data.h"
#include "program/program_windows.h"
#include "shell/program_state.h"
#include "widgets/forms.h"
#include "widgets/hourglass.h"

namespace {

using namespace kz;

// The program's hourglass and event turns, without anyone to answer a
// message box: each takes its first button (OK) at once.
class BenchUi final : public UiSeam {
public:
    BenchUi() { installUi(this); }
    ~BenchUi() override { installUi(nullptr); }
    BenchUi(const BenchUi&) = delete;
    BenchUi& operator=(const BenchUi&) = delete;

    int messageBox(const QString&, int, const QString&) override { return vbOK; }
    void beep() override {}
    void setHourglass(bool busy) override { widgets::SetHourglass(busy); }
    void showProcessing(const QString&, const QString&, const QString&, bool, bool, bool) override {}
    bool setProcessingProgress(const QString&, float) override { return true; }
    void endProcessing() override {}
    void yieldToEvents() override { QCoreApplication::processEvents(); }
};

void BM_ImportThroughTheEntryWindow(benchmark::State& state)
{
    SampleTable& samples = ProgramWorkspace().samples;
    BenchUi ui;
    ProgramWindows windows;
    bench::BuildQuestionnaire(ProgramWorkspace(), ProgramSettings());
    if (!QFileInfo::exists(bench::CsvPath())) {
        bench::AnswerSamples(ProgramWorkspace(), bench::Records());
        bench::WriteBenchFile(ProgramWorkspace());
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
        if (SampleCount(samples) != bench::Records())
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
