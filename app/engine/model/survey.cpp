#include "model/survey.h"

#include <bit>
#include <limits>

namespace kz {

namespace {

std::array<Long, 33> powersOfTwoL()
{
    std::array<Long, 33> masks{};
    for (int i = 0; i < 32; ++i)
        masks[i] = static_cast<Long>(static_cast<uint32_t>(1) << i);  // entry 31 is &H80000000
    return masks;
}

std::array<Integer, 17> powersOfTwoI()
{
    std::array<Integer, 17> masks{};
    for (int i = 0; i < 16; ++i)
        masks[i] = static_cast<Integer>(static_cast<uint16_t>(1u << i));  // entry 15 is &H8000
    return masks;
}

bool hasEssayChoice(const Survey& questionnaire, int q)
{
    for (int c = 0; c < questionnaire.Questions[q].ChoiceCount; ++c)
        if (ChoiceHasAttr(questionnaire, static_cast<Integer>(q), static_cast<Integer>(c), AttrEssay))
            return true;
    return false;
}

bool fitsInteger(int value) { return value <= std::numeric_limits<Integer>::max(); }

}  // namespace

// Filled here as well as by InitBitMasks, so that nothing that runs before
// start-up reads a table of zeros.
std::array<Long, 33> BitMaskL = powersOfTwoL();
std::array<Integer, 17> BitMaskI = powersOfTwoI();

void InitBitMasks()
{
    BitMaskL = powersOfTwoL();
    BitMaskI = powersOfTwoI();
}

bool ComputeAnswerLayout(Survey& questionnaire)
{
    // Built aside and committed only when every size fits its 16-bit field.
    auto layout = questionnaire.AnswerLayout;
    int bitOffset = 0;
    int essayOffset = 0;
    int slotCount = 0;
    layout[0].BitOffset = 0;
    layout[0].EssayOffset = 0;
    for (int q = 0; q < questionnaire.QuestionCount; ++q) {
        const QuestionRec& question = questionnaire.Questions[q];
        const int bitsPerSlot = std::bit_width(static_cast<unsigned>(question.ChoiceCount));
        layout[q].Slots = question.MaxAnswers;
        layout[q].BitsPerSlot = static_cast<Integer>(bitsPerSlot);
        bitOffset += question.MaxAnswers * bitsPerSlot;
        slotCount += question.MaxAnswers;
        if (hasEssayChoice(questionnaire, q))
            essayOffset += question.MaxAnswers;
        if (!fitsInteger(bitOffset))
            return false;
        layout[q + 1].BitOffset = static_cast<Integer>(bitOffset);
        layout[q + 1].EssayOffset = static_cast<Integer>(essayOffset);
    }
    const int anoBytes = (bitOffset + 15) / 16 * 2;
    const int sampleBytes = essayOffset * 4 + anoBytes + 6;
    if (!fitsInteger(sampleBytes))
        return false;

    questionnaire.AnswerLayout = layout;
    questionnaire.AnoBytes = static_cast<Integer>(anoBytes);
    questionnaire.SampleBytes = static_cast<Integer>(sampleBytes);
    questionnaire.AnswerSlotCount = static_cast<Integer>(slotCount);
    questionnaire.EssayCount = static_cast<Integer>(essayOffset);
    return true;
}

void ToggleChoiceAttr(Survey& questionnaire, Integer q, Integer c, Integer bit)
{
    Integer& attr = questionnaire.Choices(q, c).Attr;
    attr = static_cast<Integer>(attr ^ BitMaskI[bit]);
}

}  // namespace kz
