// Reading and writing the packed answers of one question or of a whole sample.
#include "packed_bits.h"

using namespace zuntab;

namespace {

// Reads the answers of question q into values; returns the count (at least 1:
// an unanswered question reads as the one answer 0).
int16_t popQuestion(const AnswerLayoutRec& rec, const uint16_t* words, int16_t* values)
{
    int i = 0;
    uint16_t item;
    do {
        item = readItem(words, placeOf(rec, i));
        values[i++] = static_cast<int16_t>(item);
    } while (item != 0 && i < rec.Slots);
    return static_cast<int16_t>(item == 0 && i > 1 ? i - 1 : i);
}

// Writes count values and, when there is room, the terminating 0; returns how
// many values were taken.
int pushQuestion(const AnswerLayoutRec& rec, uint16_t* words, int count, const int16_t* values)
{
    int taken = 0;
    int i = 0;
    do {
        uint16_t v = 0;
        if (i != count)
            v = static_cast<uint16_t>(values[taken++]);
        writeItem(words, placeOf(rec, i), v);
        ++i;
    } while (i < rec.Slots && i <= count);
    return taken;
}

}  // namespace

extern "C" {

void qcDecodeC(int32_t code, int16_t* question, int16_t* choice)
{
    *question = static_cast<int16_t>((code & 0xFFFF) >> 7);
    *choice = static_cast<int16_t>(code & 0x7F);
}

void maAno_popC(const AnswerLayoutRec* layout, int16_t q, const int16_t* packed, int16_t* count, int16_t* values)
{
    *count = popQuestion(layout[q], asWords(packed), values);
}

void maAno_pushC(const AnswerLayoutRec* layout, int16_t q, int16_t* packed, const int16_t* count,
                 const int16_t* values)
{
    pushQuestion(layout[q], asWords(packed), *count, values);
}

void maAno_pop_verstC(int16_t n, const AnswerLayoutRec* layout, const int16_t* packed, int16_t* counts,
                      int16_t* values)
{
    int k = 0;
    for (int q = 0; q < n; ++q) {
        counts[q] = popQuestion(layout[q], asWords(packed), values + k);
        k += counts[q];
    }
}

void maAno_push_verstC(int16_t n, const AnswerLayoutRec* layout, int16_t* packed, const int16_t* counts,
                       const int16_t* values)
{
    int k = 0;
    for (int q = 0; q < n; ++q)
        k += pushQuestion(layout[q], asWords(packed), counts[q], values + k);
}

}  // extern "C"
