#include "model/answer_store.h"

#include <algorithm>

#include "model/limit_eval.h"
#include "model/survey.h"
#include "model/zuntab_binding.h"

namespace kz {

namespace {

const Integer* answersOf(const Workspace& ws, Long sample) { return ws.samples.Samples.answers(sample); }

int essayOffset(const Survey& questionnaire, int q) { return questionnaire.AnswerLayout[q].EssayOffset; }

// Zero for a question without a free-text choice.
int essaySlots(const Survey& questionnaire, int q)
{
    return questionnaire.AnswerLayout[q + 1].EssayOffset - questionnaire.AnswerLayout[q].EssayOffset;
}

template <typename T>
void growTo(QVector<T>& array, qsizetype size)
{
    if (array.size() < size)
        array.resize(size);
}

// The text kept in an essay slot for one written answer.
QString essayText(const Survey& questionnaire, int q, Integer code, const QVector<QString>& texts, qsizetype k)
{
    return ChoiceHasAttr(questionnaire, static_cast<Integer>(q), code, AttrEssay) ? texts.value(k) : QString();
}

}  // namespace

void PopQuestionAnswers(const Workspace& ws, Long sample, Integer q, Integer& count, QVector<Integer>& codes)
{
    growTo(codes, std::max<qsizetype>(ws.survey.AnswerLayout[q].Slots, 1));
    zuntab::maAno_popC(ws.survey.AnswerLayout.data(), q, answersOf(ws, sample), &count, codes.data());
}

void ReadQuestionAnswers(const Workspace& ws, Long sample, Integer q, Integer& count, QVector<Integer>& codes,
                         QVector<QString>& texts)
{
    PopQuestionAnswers(ws, sample, q, count, codes);
    if (essaySlots(ws.survey, q) <= 0)
        return;
    growTo(texts, count);
    const FreeTexts& essay = ws.samples.Samples.texts(sample);
    for (int i = 0; i < count; ++i)
        texts[i] = essay.text(essayOffset(ws.survey, q) + i);
}

void PopSampleAnswers(const Workspace& ws, Long sample, QVector<Integer>& counts, QVector<Integer>& codes)
{
    const Survey& questionnaire = ws.survey;
    growTo(counts, questionnaire.QuestionCount);
    growTo(codes, std::max(questionnaire.AnswerSlotCount, questionnaire.QuestionCount));
    zuntab::maAno_pop_verstC(questionnaire.QuestionCount, questionnaire.AnswerLayout.data(), answersOf(ws, sample),
                             counts.data(), codes.data());
}

void ReadSampleAnswers(const Workspace& ws, Long sample, QVector<Integer>& counts, QVector<Integer>& codes,
                       QVector<QString>& texts)
{
    const Survey& questionnaire = ws.survey;
    PopSampleAnswers(ws, sample, counts, codes);
    growTo(texts, questionnaire.AnswerSlotCount);
    const FreeTexts& essay = ws.samples.Samples.texts(sample);
    qsizetype k = 0;
    for (int q = 0; q < questionnaire.QuestionCount; ++q) {
        const bool hasEssay = essaySlots(questionnaire, q) > 0;
        for (int i = 0; i < counts[q]; ++i, ++k)
            texts[k] = hasEssay ? essay.text(essayOffset(questionnaire, q) + i) : QString();
    }
}

void PushQuestionAnswers(Workspace& ws, Long sample, Integer q, Integer count, const QVector<Integer>& codes)
{
    zuntab::maAno_pushC(ws.survey.AnswerLayout.data(), q, ws.samples.Samples.answers(sample), &count,
                        codes.constData());
    UpdateSampleLimits(ws, sample);
}

void WriteQuestionAnswers(Workspace& ws, Long sample, Integer q, Integer count, const QVector<Integer>& codes,
                          const QVector<QString>& texts)
{
    PushQuestionAnswers(ws, sample, q, count, codes);
    // The library packs at most the question's slots; texts beyond them
    // would land in the next question's essay slots.
    const int written = std::min<int>(count, essaySlots(ws.survey, q));
    FreeTexts& essay = ws.samples.Samples.texts(sample);
    for (int i = 0; i < written; ++i)
        essay.setText(essayOffset(ws.survey, q) + i, essayText(ws.survey, q, codes[i], texts, i));
}

void PushSampleAnswers(Workspace& ws, Long sample, const QVector<Integer>& counts, const QVector<Integer>& codes)
{
    zuntab::maAno_push_verstC(ws.survey.QuestionCount, ws.survey.AnswerLayout.data(),
                              ws.samples.Samples.answers(sample), counts.constData(), codes.constData());
    UpdateSampleLimits(ws, sample);
}

void WriteSampleAnswers(Workspace& ws, Long sample, const QVector<Integer>& counts, const QVector<Integer>& codes,
                        const QVector<QString>& texts)
{
    const Survey& questionnaire = ws.survey;
    FreeTexts& essay = ws.samples.Samples.texts(sample);
    qsizetype k = 0;
    for (int q = 0; q < questionnaire.QuestionCount; ++q) {
        const int written = std::min<int>(counts[q], essaySlots(questionnaire, q));
        for (int i = 0; i < written; ++i)
            essay.setText(essayOffset(questionnaire, q) + i, essayText(questionnaire, q, codes[k + i], texts, k + i));
        k += counts[q];
    }
    PushSampleAnswers(ws, sample, counts, codes);
}

bool GetSampleFlag(const SampleStore& table, Long pos, Integer bit)
{
    return (table.flags(pos) & BitMaskI[bit]) != 0;
}

void SetSampleFlag(SampleStore& table, Long pos, Integer bit, Integer value)
{
    Integer flags = table.flags(pos);
    SetFlagBit(flags, bit, value == -1);
    SetSampleFlags(table, pos, flags);
}

void SetSampleFlags(SampleStore& table, Long pos, Integer word) { table.setFlags(pos, word); }

void SetFlagBit(Integer& flags, Integer bit, bool on)
{
    if (on)
        flags = static_cast<Integer>(flags | BitMaskI[bit]);
    else
        flags = static_cast<Integer>(flags & ~BitMaskI[bit]);
}

}  // namespace kz
