// Tabulating a million samples: 100 questions of 10 choices, up to three
// answers each, into one column and into a five-column cross by the
// choices 1 to 5 of the first question, as a result sheet counts them
// (without a window). The peers' scripts (tabulation_peers.sh) time the same
// answers exported once as CSV:
//     tabulation_bench --kz_export_csv=answers.csv
// writes them (q1_1,q1_2,q1_3,...,q100_3; an empty field is no answer) and
// the checksum lines every tool prints, then ends.
#include <benchmark/benchmark.h>

#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "answers/answer_store.h"
#include "document/workspace.h"
#include "model/question_codes.h"
#include "tabulation/count_sheet.h"

namespace {

using namespace kz;

constexpr Long kSamples = 1'000'000;
constexpr Integer kQuestions = 100;
constexpr Integer kChoices = 10;  // besides choice 0, no answer
constexpr Integer kMaxAnswers = 3;
constexpr int kCrossColumns = 5;

// The answers of one sample: per question the answers given, none for no
// answer.
struct SampleAnswers {
    std::array<std::array<Integer, kMaxAnswers>, kQuestions> codes{};
    std::array<Integer, kQuestions> counts{};
};

// The same samples in every run: 5 % leave a question unanswered, the others
// give one to three different choices.
class AnswerSource {
public:
    void next(SampleAnswers& a)
    {
        for (Integer q = 0; q < kQuestions; ++q) {
            a.counts[q] = draw(20) == 0 ? Integer(0) : static_cast<Integer>(1 + draw(kMaxAnswers));
            for (Integer i = 0; i < a.counts[q]; ++i) {
                Integer c = 0;
                do
                    c = static_cast<Integer>(1 + draw(kChoices));
                while (std::find(a.codes[q].begin(), a.codes[q].begin() + i, c) != a.codes[q].begin() + i);
                a.codes[q][i] = c;
            }
        }
    }

private:
    unsigned draw(unsigned n) { return static_cast<unsigned>(engine_() % n); }
    std::mt19937 engine_{20240601};
};

void BuildSurvey()
{
    Workspace& ws = ProgramWorkspace();
    ws = Workspace{};
    InitBitMasks();
    for (Integer q = 0; q < kQuestions; ++q) {
        ws.survey.Questions[q].MaxAnswers = kMaxAnswers;
        ws.survey.Questions[q].ChoiceCount = kChoices + 1;
    }
    ws.survey.QuestionCount = kQuestions;
    ComputeAnswerLayout();
    ws.samples.Samples.reshape(AnswerWordsPerSample(ws.survey));
    ws.samples.Samples.resize(kSamples);
    AnswerSource source;
    SampleAnswers a;
    QVector<Integer> counts(kQuestions);
    QVector<Integer> codes;
    for (Long s = 0; s < kSamples; ++s) {
        source.next(a);
        codes.clear();
        for (Integer q = 0; q < kQuestions; ++q) {
            counts[q] = a.counts[q];
            for (Integer i = 0; i < a.counts[q]; ++i)
                codes.push_back(a.codes[q][i]);
        }
        ws.samples.Samples.setId(s, s + 1);
        PushSampleAnswers(s, counts, codes);
    }
}

// One column, or the cross: column c requires choice c of the first question.
TotalOptionRec Request(bool cross)
{
    TotalOptionRec option;
    option.ToQno = kQuestions - 1;
    option.LimitCount = cross ? kCrossColumns : 1;
    for (int c = 1; cross && c <= kCrossColumns; ++c)
        option.Limits[static_cast<size_t>(c)][1] = LimitItem{3, MakeQC(0, static_cast<Integer>(c))};
    return option;
}

class SilentView : public CountSheetView {
public:
    void showStatus(const QString&) override {}
    bool showProgress(const QString&) override { return true; }
    void layOut(const CountSheet&) override {}
    void showColumn(int, std::vector<SheetCell>) override {}
};

CountSheet Tabulate(bool cross)
{
    CountSheet sheet;
    sheet.SheetOption = Request(cross);
    SilentView view;
    RunCountSheet(ProgramWorkspace(), sheet, {}, view);
    return sheet;
}

// "checksum <column> <question> <base> <count of choice 0> .. <count of 10>"
// for questions 1, 50 and 100 of every column.
void PrintChecksums(const CountSheet& sheet, const char* name)
{
    const ResultTable& table = sheet.result;
    for (int L = 0; L < table.columns; ++L) {
        for (Integer q : {Integer(0), Integer(49), Integer(99)}) {
            const int first = table.RowStart[q] + 3;
            std::printf("checksum %s %d q%d %d", name, L + 1, q + 1, table.count(L, first + kChoices + 1));
            for (Integer c = 0; c <= kChoices; ++c)
                for (int r = first; r <= first + kChoices; ++r)
                    if (QCChoice(table.code(L, r)) == c)
                        std::printf(" %d", table.count(L, r));
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
            line += "q" + std::to_string(q) + "_" + std::to_string(i)
                    + (q == kQuestions && i == kMaxAnswers ? "\n" : ",");
    std::fputs(line.c_str(), out);
    AnswerSource source;
    SampleAnswers a;
    for (Long s = 0; s < kSamples; ++s) {
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

void BM_TabulateOneColumn(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Tabulate(false));
    state.SetItemsProcessed(state.iterations() * kSamples * kQuestions);
}
BENCHMARK(BM_TabulateOneColumn)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_TabulateFiveColumnCross(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Tabulate(true));
    state.SetItemsProcessed(state.iterations() * kSamples * kQuestions * kCrossColumns);
}
BENCHMARK(BM_TabulateFiveColumnCross)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv)
{
    const char* exportFlag = "--kz_export_csv=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], exportFlag, std::strlen(exportFlag)) == 0) {
            if (!ExportCsv(argv[i] + std::strlen(exportFlag)))
                return 1;
            BuildSurvey();
            PrintChecksums(Tabulate(false), "one");
            PrintChecksums(Tabulate(true), "cross");
            return 0;
        }
    }
    BuildSurvey();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
