// Parsing and storing typed replies: 100,000 samples of a 30-question
// questionnaire, one line per question, answered as a typist would (single
// and multiple answers, free texts, a quantity, unanswered questions closed
// with "-"). Each parse must stay far below a keystroke's time.
#include <benchmark/benchmark.h>

#include <QStringList>

#include <random>

#include "bench_state.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "reply/reply_parse.h"

namespace {

using namespace kz;

constexpr Long kReplies = 100'000;
constexpr Integer kQuestions = 30;

void BuildQuestionnaire()
{
    Survey& survey = bench::BenchWorkspace().survey;
    SampleTable& samples = bench::BenchWorkspace().samples;
    survey = Survey{};
    samples = SampleTable{};
    InitBitMasks();
    for (Integer q = 0; q < kQuestions; ++q) {
        survey.Questions[q].MaxAnswers = q % 3 == 2 ? 3 : 1;
        survey.Questions[q].ChoiceCount = 8;
        survey.Choices(q, 0).Attr = 1 << AttrExclusive;
        survey.Choices(q, 7).Attr = (1 << AttrEssay) | (1 << AttrOther);
        survey.ParagraphStart[q] = MakeQC(q, 0);
    }
    survey.Choices(0, 1).Attr = (1 << AttrEssay) | (1 << AttrQuantity);
    survey.Choices(0, 1).High = 120;
    survey.QuestionCount = kQuestions;
    for (size_t k = kQuestions; k < survey.ParagraphStart.size(); ++k)
        survey.ParagraphStart[k] = MakeQC(kQuestions, 0);
    ComputeAnswerLayout(survey);
    samples.Samples.reshape(AnswerWordsPerSample(survey));
    samples.Samples.resize(kReplies);
    for (Long i = 0; i < kReplies; ++i)
        samples.Samples.setId(i, i + 1);
}

QString TypicalReply(std::mt19937& random)
{
    const Survey& survey = bench::BenchWorkspace().survey;
    QString reply = QStringLiteral("1/%1/-\r\n").arg(random() % 100);
    for (Integer q = 1; q < kQuestions; ++q) {
        const unsigned roll = random() % 20;
        if (roll == 0)
            reply += u'-';
        else if (roll == 1)
            reply += QStringLiteral("/自由記述の回答/");
        else if (survey.Questions[q].MaxAnswers > 1)
            reply += QStringLiteral("%1%2-").arg(1 + roll % 3).arg(4 + roll % 3);
        else
            reply += QString::number(1 + roll % 6);
        reply += QStringLiteral("\r\n");
    }
    return reply;
}

void BM_ParseAndStoreReplies(benchmark::State& state)
{
    BuildQuestionnaire();
    std::mt19937 random(8);
    QStringList replies;
    for (Long i = 0; i < kReplies; ++i)
        replies << TypicalReply(random);

    for (auto _ : state) {
        for (Long i = 0; i < kReplies; ++i) {
            QString reply = replies[i];
            Integer cursorQ = 0, cursorN = 0, caretQ = 0;
            int caret = 0;
            QString status;
            ParseReply(bench::BenchWorkspace(), i, reply, cursorQ, cursorN, caret, caretQ, status);
            if (!status.isEmpty() || cursorQ != kQuestions)
                state.SkipWithError("a typical reply did not parse completely");
        }
    }
    state.SetItemsProcessed(state.iterations() * kReplies);
}
BENCHMARK(BM_ParseAndStoreReplies)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
