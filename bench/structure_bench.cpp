// The finish of a structure change over a million samples of the benchmark
// questionnaire (60 questions): a question inserted at the front and a choice
// deleted, then every sample carried over to the new structure. Reports the
// time of the finish and the peak resident memory before and after it (the
// old and the new sample table coexist until the swap).
#include <benchmark/benchmark.h>

#include <QFile>

#include "bench_questionnaire.h"
#include "bench_state.h"
#include "design/structure_finish.h"
#include "texts/choice_texts.h"

namespace {

using namespace kz;

constexpr Long kSamples = 1'000'000;

// VmHWM of this process in MB: the peak resident set so far.
double PeakResidentMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void InsertFrontQuestionAndDeleteChoice(StructureEdit& edit)
{
    Survey& survey = bench::BenchWorkspace().survey;
    ShiftStructure(survey, edit, 0, -1, +1);
    survey.Questions[0] = {QStringLiteral("新しい質問\r\r\r").leftJustified(128, u' '), 1, 4, 0};
    SetChoiceText(survey, 0, 0, QStringLiteral("無回答"));
    survey.Choices(0, 0).Attr = 1 << AttrExclusive;
    for (Integer c = 1; c < 4; ++c)
        SetChoiceText(survey, 0, c, QString());
    survey.QuestionLimit[0] = Condition{};
    --survey.Questions[45].ChoiceCount;  // a triple answer of 10 choices
    ShiftStructure(survey, edit, 45, 3, -1);
    edit.changed = edit.numberingChanged = true;
}

void BM_FinishStructureChange(benchmark::State& state)
{
    const Survey& survey = bench::BenchWorkspace().survey;
    for (auto _ : state) {
        state.PauseTiming();
        bench::BuildBenchQuestionnaire(bench::BenchWorkspace(), kSamples);
        static StructureEdit edit;
        OpenStructureEdit(survey, edit);
        InsertFrontQuestionAndDeleteChoice(edit);
        const double peakBefore = PeakResidentMB();
        state.ResumeTiming();

        const FinishResult result = FinishStructureEdit(bench::BenchWorkspace(), edit);

        state.PauseTiming();
        if (result != FinishResult::Finished)
            state.SkipWithError("the finish did not complete");
        state.counters["peak_MB_before"] = peakBefore;
        state.counters["peak_MB_after"] = PeakResidentMB();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_FinishStructureChange)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
