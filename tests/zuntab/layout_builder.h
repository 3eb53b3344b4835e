// Builds answer layouts for tests: questions one after another from a start bit.
#pragma once

#include <vector>

#include "zuntab.h"

struct QuestionShape {
    int slots;
    int bitsPerSlot;
};

inline std::vector<AnswerLayoutRec> makeLayout(const std::vector<QuestionShape>& shapes, int startBit = 0)
{
    std::vector<AnswerLayoutRec> layout;
    int bit = startBit;
    for (const auto& shape : shapes) {
        layout.push_back({static_cast<int16_t>(shape.slots), static_cast<int16_t>(bit),
                          static_cast<int16_t>(shape.bitsPerSlot), 0});
        bit += shape.slots * shape.bitsPerSlot;
    }
    layout.push_back({0, static_cast<int16_t>(bit), 0, 0});  // totals
    return layout;
}

// Words for the layout's bits plus the spare word the routines may touch.
inline int wordsFor(const std::vector<AnswerLayoutRec>& layout) { return (layout.back().BitOffset + 15) / 16 + 1; }
