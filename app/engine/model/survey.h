// A questionnaire and its samples.
#pragma once

#include <vector>

#include "model/sample_store.h"
#include "model/survey_types.h"

namespace kz {

// Choices(question, choice), question 0..255, choice 0..127.
class ChoiceTable {
public:
    ChoiceTable() : choices_(MaxQuestions * MaxChoices) {}
    ChoiceRec& operator()(int q, int c) { return choices_[index(q, c)]; }
    const ChoiceRec& operator()(int q, int c) const { return choices_[index(q, c)]; }

private:
    static size_t index(int q, int c) { return static_cast<size_t>(q) * MaxChoices + static_cast<size_t>(c); }
    std::vector<ChoiceRec> choices_;  // on the heap: a fresh Survey is cheap to build
};

// The questionnaire: questions, choices, the packed-answer layout and the
// stored conditions.
struct Survey {
    std::array<QuestionRec, MaxQuestions> Questions;
    Integer QuestionCount = 0;
    ChoiceTable Choices;

    // One record per question and the totals record after the last question
    // (index QuestionCount, so 257 records for a full questionnaire).
    std::array<AnswerLayoutRec, MaxQuestions + 1> AnswerLayout{};
    Integer AnoBytes = 0;
    Integer SampleBytes = 0;
    Integer AnswerSlotCount = 0;
    Integer EssayCount = 0;

    std::array<Condition, StoredLimitCount> LimitTable{};
    std::array<Condition, MaxQuestions> QuestionLimit{};
    Condition LimitBuffer{};

    std::array<Integer, MaxQuestions + 1> ParagraphStart{};
    std::array<Integer, MaxQuestions + 1> ParagraphExeDLL{};
    QString ExternProcessName;
    Integer CheckOptions = 0;

    QString Title;
    QString Author;
    QString Password;
};

// Words one sample's packed answers take in a sample store: AnoBytes / 2
// words of answer bits and the spare word the library may read past them.
inline int AnswerWordsPerSample(const Survey& questionnaire) { return questionnaire.AnoBytes / 2 + 1; }

// The samples, in ascending SampleID order.
struct SampleTable {
    SampleStore Samples;
    Long SavedSampleCount = 0;
    double LastSaveTime = 0;  // day count
    Long NextIDCursor = 0;
    // Moves on whenever the table is replaced by another (a new file, a
    // load, a merge): a window that remembers a position can tell that its
    // sample is gone.
    Long generation = 0;
};

inline Long SampleCount(const SampleTable& table) { return table.Samples.size(); }

// Powers of two; entry 32 (Long) and 16 (Integer) stay 0 so that a test of
// that bit is always false.
extern std::array<Long, 33> BitMaskL;
extern std::array<Integer, 17> BitMaskI;

void InitBitMasks();

// Rebuilds AnswerLayout and the sizes from Questions and Choices. False when
// a sample would need more than 32767 answer bits or SampleBytes would pass
// 32767; the tables are then left as they were.
bool ComputeAnswerLayout(Survey& questionnaire);

// Inline: the checks of a structure change ask it for every answer of
// every sample.
inline Integer ChoiceHasAttr(const Survey& questionnaire, Integer q, Integer c, Integer bit)
{
    return (questionnaire.Choices(q, c).Attr & BitMaskI[static_cast<size_t>(bit)]) != 0 ? Integer(-1) : Integer(0);
}
void ToggleChoiceAttr(Survey& questionnaire, Integer q, Integer c, Integer bit);

}  // namespace kz
