// The import benchmarks' data: a 60-question questionnaire (40 single
// answers of 5 choices, 15 of up to three answers of 10, 5 single answers
// whose last choice takes free text), one reply line per question, and
// samples answered at random as a respondent would, a fifth with a text.
// The delimited file of those samples is written once per run, where
// KZ_BENCH_CSV names (else in a temporary folder), for pandas to read too;
// KZ_BENCH_RECORDS sets how many records it holds (default 1,000,000).
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <random>

#include "host/settings.h"
#include "imports/samples_csv.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "model/workspace.h"

namespace kz::bench {

inline Long Records()
{
    const Long named = qEnvironmentVariableIntValue("KZ_BENCH_RECORDS");
    return named > 0 ? named : 1'000'000;
}

inline CsvSettings BenchCsv()
{
    CsvSettings csv;
    csv.quote = u'"';
    csv.noEssay = true;
    return csv;
}

inline void BuildQuestionnaire(Workspace& ws, Settings& settings)
{
    ws = Workspace{};
    InitBitMasks();
    settings.IDRangeLow = 1;
    settings.IDRangeHigh = 2'000'000'000;
    Survey& survey = ws.survey;
    auto add = [&survey](Integer maxAnswers, Integer choiceCount, bool essay) {
        const Integer q = survey.QuestionCount++;
        survey.Questions[q] = {QStringLiteral("Q%1\r質問%1\r\r").arg(q + 1), maxAnswers, choiceCount, 0};
        survey.Choices(q, 0).Attr = 1 << AttrExclusive;
        if (essay)
            survey.Choices(q, choiceCount - 1).Attr = 1 << AttrEssay;
    };
    for (int q = 0; q < 40; ++q)
        add(1, 5, false);
    for (int q = 0; q < 15; ++q)
        add(3, 10, false);
    for (int q = 0; q < 5; ++q)
        add(1, 4, true);
    ComputeAnswerLayout(survey);
    for (size_t k = 0; k < survey.ParagraphStart.size(); ++k)
        survey.ParagraphStart[k] = MakeQC(Integer(std::min<size_t>(k, 60)), 0);
}

inline void AnswerSamples(Workspace& ws, Long count)
{
    const Survey& survey = ws.survey;
    SampleTable& samples = ws.samples;
    std::mt19937 random(22);
    samples.Samples.reshape(AnswerWordsPerSample(survey));
    samples.Samples.resize(count);
    for (Long i = 0; i < count; ++i) {
        samples.Samples.setId(i, i + 1);
        QVector<Integer> counts(survey.QuestionCount);
        QVector<Integer> codes;
        QVector<QString> texts;
        for (Integer q = 0; q < survey.QuestionCount; ++q) {
            const Integer choices = survey.Questions[q].ChoiceCount;
            if (survey.Questions[q].MaxAnswers == 1) {
                const Integer c = Integer(random() % 20 == 0 ? 0 : 1 + random() % (choices - 1));
                codes << c;
                texts << (c == choices - 1 && q >= 55 && i % 5 == 0 ? QStringLiteral("自由記述の回答 %1").arg(i)
                                                                    : QString());
                counts[q] = 1;
                continue;
            }
            const Integer first = Integer(1 + random() % 7);
            const int n = 1 + int(random() % 3);
            for (int k = 0; k < n; ++k) {
                codes << Integer(first + k);
                texts << QString();
            }
            counts[q] = Integer(n);
        }
        WriteSampleAnswers(ws, i, counts, codes, texts);
    }
}

inline QString CsvPath()
{
    static QTemporaryDir folder;
    const QString named = qEnvironmentVariable("KZ_BENCH_CSV");
    return named.isEmpty() ? folder.filePath(QStringLiteral("bench.csv")) : named;
}

// Writes the delimited file of every sample of the workspace; true when it
// was written.
inline bool WriteBenchFile(const Workspace& ws)
{
    const std::span<const Long> stored = ws.samples.Samples.ids();
    const QVector<Long> ids(stored.begin(), stored.end());
    const std::vector<Integer> all(size_t(ws.survey.QuestionCount) + 1, -1);
    return WriteSamplesCSV(ws, CsvPath(), ids, all, BenchCsv()).end == CsvExport::End::Written;
}

}  // namespace kz::bench
