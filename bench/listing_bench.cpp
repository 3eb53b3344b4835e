// Listing the free texts of a million samples, a fifth of whom wrote one,
// as a listing sheet runs it without its window: the whole listing, cut at
// its row limit and continued until every sample was seen, and the tally of
// the 200,000 listed texts.
#include <benchmark/benchmark.h>

#include <QStringList>
#include <QVector>

#include <random>

#include "bench_state.h"
#include "model/answer_store.h"
#include "model/total_option.h"
#include "model/workspace.h"
#include "tabulation/free_text_listing.h"
#include "tabulation/listing_search.h"

namespace {

using namespace kz;

constexpr Long kSamples = 1'000'000;
constexpr Integer kChoices = 5;  // choice 1 takes free text
constexpr int kDistinctTexts = 400;

void BuildSurvey()
{
    Workspace& ws = bench::BenchWorkspace();
    ws = Workspace{};
    InitBitMasks();
    ws.survey.Questions[0].MaxAnswers = 1;
    ws.survey.Questions[0].ChoiceCount = kChoices;
    ws.survey.Choices(0, 1).Attr = 1 << AttrEssay;
    ws.survey.QuestionCount = 1;
    ComputeAnswerLayout(ws.survey);
    ws.samples.Samples.reshape(AnswerWordsPerSample(ws.survey));
    ws.samples.Samples.resize(kSamples);
    std::mt19937 engine(20240601);
    QVector<Integer> codes(1);
    QVector<QString> texts(1);
    for (Long s = 0; s < kSamples; ++s) {
        ws.samples.Samples.setId(s, s + 1);
        const bool wrote = engine() % 5 == 0;
        codes[0] = wrote ? Integer(1) : static_cast<Integer>(2 + engine() % (kChoices - 2));
        texts[0] = wrote ? QStringLiteral("ご意見その%1").arg(engine() % kDistinctTexts) : QString();
        WriteQuestionAnswers(ws, s, 0, 1, codes, texts);
    }
}

class SilentListing : public ListingView {
public:
    bool showProgress(const QString&) override { return true; }
    void addRow(const QString& line) override { texts.push_back(line.section(u'\t', 2, 2)); }
    QStringList texts;
};

TotalOptionRec Request()
{
    TotalOptionRec option;
    option.Kind = TotalFreeTexts;
    option.XQno = kChoices;
    option.CrossMode = 1;
    return option;
}

QStringList ListEverySample()
{
    const TotalOptionRec option = Request();
    const Condition cond = *ListingCondition(bench::BenchWorkspace().survey, option);
    SilentListing view;
    Long from = 0;
    do {
        from = ListSamples(bench::BenchWorkspace(), option, cond, {}, from, view).nextStart;
        view.texts.removeLast();  // the footer
    } while (from > 0);
    return view.texts;
}

void BM_ListEverySample(benchmark::State& state)
{
    qsizetype rows = 0;
    for (auto _ : state)
        rows = ListEverySample().size();
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_ListEverySample)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_TallyListedTexts(benchmark::State& state)
{
    const QStringList texts = ListEverySample();
    for (auto _ : state)
        benchmark::DoNotOptimize(TallyTexts(texts));
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_TallyListedTexts)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv)
{
    BuildSurvey();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
