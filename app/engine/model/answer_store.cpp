#include "model/answer_store.h"

#include <algorithm>
#include <utility>

#include "model/limit_eval.h"
#include "model/zuntab_binding.h"
#include "model/survey.h"

namespace kz {

namespace {

const Integer* answersOf(Long sample) { return std::as_const(samples.Samples).answers(sample); }

int essayOffset(int q) { return survey.AnswerLayout[q].EssayOffset; }

// Zero for a question without a free-text choice.
int essaySlots(int q) { return survey.AnswerLayout[q + 1].EssayOffset - survey.AnswerLayout[q].EssayOffset; }

template <typename T>
void growTo(QVector<T>& array, qsizetype size)
{
    if (array.size() < size)
        array.resize(size);
}

// The text kept in an essay slot for one written answer.
QString essayText(int q, Integer code, const QVector<QString>& texts, qsizetype k)
{
    return ChoiceHasAttr(static_cast<Integer>(q), code, AttrEssay) ? texts.value(k) : QString();
}

}  // namespace

void PopQuestionAnswers(Long sample, Integer q, Integer& count, QVector<Integer>& codes)
{
    growTo(codes, std::max<qsizetype>(survey.AnswerLayout[q].Slots, 1));
    zuntab::maAno_popC(survey.AnswerLayout.data(), q, answersOf(sample), &count, codes.data());
}

void ReadQuestionAnswers(Long sample, Integer q, Integer& count, QVector<Integer>& codes, QVector<QString>& texts)
{
    PopQuestionAnswers(sample, q, count, codes);
    if (essaySlots(q) <= 0)
        return;
    growTo(texts, count);
    const FreeTexts& essay = std::as_const(samples.Samples).texts(sample);
    for (int i = 0; i < count; ++i)
        texts[i] = essay.text(essayOffset(q) + i);
}

void PopSampleAnswers(Long sample, QVector<Integer>& counts, QVector<Integer>& codes)
{
    growTo(counts, survey.QuestionCount);
    growTo(codes, std::max(survey.AnswerSlotCount, survey.QuestionCount));
    zuntab::maAno_pop_verstC(survey.QuestionCount, survey.AnswerLayout.data(), answersOf(sample), counts.data(),
                             codes.data());
}

void ReadSampleAnswers(Long sample, QVector<Integer>& counts, QVector<Integer>& codes, QVector<QString>& texts)
{
    PopSampleAnswers(sample, counts, codes);
    growTo(texts, survey.AnswerSlotCount);
    const FreeTexts& essay = std::as_const(samples.Samples).texts(sample);
    qsizetype k = 0;
    for (int q = 0; q < survey.QuestionCount; ++q) {
        const bool hasEssay = essaySlots(q) > 0;
        for (int i = 0; i < counts[q]; ++i, ++k)
            texts[k] = hasEssay ? essay.text(essayOffset(q) + i) : QString();
    }
}

void PushQuestionAnswers(Long sample, Integer q, Integer count, const QVector<Integer>& codes)
{
    zuntab::maAno_pushC(survey.AnswerLayout.data(), q, samples.Samples.answers(sample), &count, codes.constData());
    UpdateSampleLimits(sample);
}

void WriteQuestionAnswers(Long sample, Integer q, Integer count, const QVector<Integer>& codes,
                          const QVector<QString>& texts)
{
    PushQuestionAnswers(sample, q, count, codes);
    // The library packs at most the question's slots; texts beyond them
    // would land in the next question's essay slots.
    const int written = std::min<int>(count, essaySlots(q));
    FreeTexts& essay = samples.Samples.texts(sample);
    for (int i = 0; i < written; ++i)
        essay.setText(essayOffset(q) + i, essayText(q, codes[i], texts, i));
}

void PushSampleAnswers(Long sample, const QVector<Integer>& counts, const QVector<Integer>& codes)
{
    zuntab::maAno_push_verstC(survey.QuestionCount, survey.AnswerLayout.data(), samples.Samples.answers(sample),
                              counts.constData(), codes.constData());
    UpdateSampleLimits(sample);
}

void WriteSampleAnswers(Long sample, const QVector<Integer>& counts, const QVector<Integer>& codes,
                        const QVector<QString>& texts)
{
    FreeTexts& essay = samples.Samples.texts(sample);
    qsizetype k = 0;
    for (int q = 0; q < survey.QuestionCount; ++q) {
        const int written = std::min<int>(counts[q], essaySlots(q));
        for (int i = 0; i < written; ++i)
            essay.setText(essayOffset(q) + i, essayText(q, codes[k + i], texts, k + i));
        k += counts[q];
    }
    PushSampleAnswers(sample, counts, codes);
}

bool GetSampleFlag(Long pos, Integer bit) { return (samples.Samples.flags(pos) & BitMaskI[bit]) != 0; }

void SetSampleFlag(Long pos, Integer bit, Integer value)
{
    Integer flags = samples.Samples.flags(pos);
    SetFlagBit(flags, bit, value == -1);
    SetSampleFlags(pos, flags);
}

void SetSampleFlags(Long pos, Integer word) { samples.Samples.setFlags(pos, word); }

void SetFlagBit(Integer& flags, Integer bit, bool on)
{
    if (on)
        flags = static_cast<Integer>(flags | BitMaskI[bit]);
    else
        flags = static_cast<Integer>(flags & ~BitMaskI[bit]);
}

}  // namespace kz
