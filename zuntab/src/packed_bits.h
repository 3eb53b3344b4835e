// Item access on a stream of 16-bit words, least significant bit first.
// Shared by the answer and the condition routines; no state, no allocation.
#pragma once

#include <cstdint>

#include "zuntab.h"

namespace zuntab {

// M(k) = 2^k - 1 for k = 0 .. 15.
inline constexpr uint16_t kMask[16] = {
    0x0000, 0x0001, 0x0003, 0x0007, 0x000F, 0x001F, 0x003F, 0x007F,
    0x00FF, 0x01FF, 0x03FF, 0x07FF, 0x0FFF, 0x1FFF, 0x3FFF, 0x7FFF,
};

struct ItemPlace {
    int word;      // word holding the item's low bit
    int shift;     // position of that bit in its word
    int endWord;   // word holding the bit after the item
    int endShift;  // position of that bit in its word
};

inline ItemPlace placeOf(const AnswerLayoutRec& rec, int slot)
{
    // Bit positions are 16-bit in the stored layout; the total stays below 32768.
    const int p = static_cast<uint16_t>(rec.BitOffset + slot * rec.BitsPerSlot);
    const int e = p + rec.BitsPerSlot;
    return {p >> 4, p & 15, e >> 4, e & 15};
}

inline uint16_t readItem(const uint16_t* words, const ItemPlace& at)
{
    if (at.word == at.endWord)
        return static_cast<uint16_t>((words[at.word] & kMask[at.endShift]) >> at.shift);
    const unsigned high = static_cast<unsigned>(words[at.endWord] & kMask[at.endShift]) << (16 - at.shift);
    return static_cast<uint16_t>(high + (words[at.word] >> at.shift));
}

// `value` must fit the item; bits outside the item keep their values.
inline void writeItem(uint16_t* words, const ItemPlace& at, uint16_t value)
{
    if (at.word == at.endWord) {
        const uint16_t item = kMask[at.endShift] - kMask[at.shift];
        words[at.word] = static_cast<uint16_t>((words[at.word] & ~item) | (value << at.shift));
        return;
    }
    words[at.word] = static_cast<uint16_t>((words[at.word] & kMask[at.shift]) | (value << at.shift));
    words[at.endWord] = static_cast<uint16_t>((words[at.endWord] & ~kMask[at.endShift]) | (value >> (16 - at.shift)));
}

inline const uint16_t* asWords(const int16_t* packed) { return reinterpret_cast<const uint16_t*>(packed); }
inline uint16_t* asWords(int16_t* packed) { return reinterpret_cast<uint16_t*>(packed); }

}  // namespace zuntab
