#include "answers/input_effort.h"

#include <cmath>

#include "model/answer_store.h"
#include "model/question_codes.h"

namespace kz {

namespace {

// The counter an answer adds to under the code style, or -1.
int CounterOf(Integer codeStyle, Integer code)
{
    switch (codeStyle) {
    case CodeStyleNumbers:
        return code > 9 ? EffortTwoDigits : -1;
    case CodeStyleLowercase:
        return code > 9 ? EffortLetter : -1;
    case CodeStyleKatakana:
        return code >= 1 ? EffortKatakana : -1;
    default:
        return -1;
    }
}

}  // namespace

void AddSampleEffort(const Workspace& ws, Long sample, InputEffort& effort)
{
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
    ReadSampleAnswers(ws, sample, counts, codes, texts);
    qsizetype answer = 0;
    for (Integer q = 0; q < ws.survey.QuestionCount; ++q) {
        const Integer style = ws.survey.Questions[static_cast<size_t>(q)].CodeStyle;
        for (Integer i = 0; i < counts[q]; ++i, ++answer) {
            const int counter = CounterOf(style, codes[answer]);
            if (counter >= 0)
                ++effort.counters[static_cast<size_t>(counter)];
            effort.characters += texts.value(answer).size();
        }
        effort.answers += counts[q];
    }
}

bool CountInputEffort(const Workspace& ws, InputEffort& effort,
                      const std::function<bool(Long done, const InputEffort&)>& progress)
{
    const Long total = static_cast<Long>(ws.samples.Samples.size());
    for (Long s = 0; s < total; ++s) {
        AddSampleEffort(ws, s, effort);
        if (!progress(s + 1, effort))
            return s + 1 == total;
    }
    return true;
}

QString EffortProgressText(qint64 answers, Long done, Long total)
{
    const double percent = total > 0 ? std::round(100.0 * done / total) : 0;
    const QString digits = percent > 0 ? QString::number(static_cast<qint64>(percent)) : QString();
    return QString::number(answers) + QStringLiteral(" / ") + digits + QLatin1Char('%');
}

}  // namespace kz
