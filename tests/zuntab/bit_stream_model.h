// A plain bit-by-bit model of the packed answer stream, to check the word
// routines against.
#pragma once

#include <cstdint>
#include <vector>

#include "zuntab.h"

class BitStreamModel {
public:
    explicit BitStreamModel(const std::vector<int16_t>& words)
    {
        for (int16_t w : words)
            for (int b = 0; b < 16; ++b)
                bits_.push_back((static_cast<uint16_t>(w) >> b) & 1);
    }

    std::vector<int16_t> words() const
    {
        std::vector<int16_t> out(bits_.size() / 16, 0);
        for (size_t b = 0; b < bits_.size(); ++b)
            if (bits_[b])
                out[b / 16] = static_cast<int16_t>(static_cast<uint16_t>(out[b / 16]) | (1u << (b % 16)));
        return out;
    }

    int item(const AnswerLayoutRec& rec, int slot) const
    {
        int value = 0;
        const int first = rec.BitOffset + slot * rec.BitsPerSlot;
        for (int b = 0; b < rec.BitsPerSlot; ++b)
            value |= bits_[first + b] << b;
        return value;
    }

    void setItem(const AnswerLayoutRec& rec, int slot, int value)
    {
        const int first = rec.BitOffset + slot * rec.BitsPerSlot;
        for (int b = 0; b < rec.BitsPerSlot; ++b)
            bits_[first + b] = (value >> b) & 1;
    }

    // The answers as a reader lists them: items up to the first 0, or the
    // single answer 0 of an unanswered question.
    std::vector<int> answers(const AnswerLayoutRec& rec) const
    {
        std::vector<int> out;
        for (int i = 0; i < rec.Slots; ++i) {
            const int v = item(rec, i);
            if (v == 0)
                break;
            out.push_back(v);
        }
        if (out.empty())
            out.push_back(0);
        return out;
    }

    void write(const AnswerLayoutRec& rec, const std::vector<int>& values)
    {
        const int n = static_cast<int>(values.size());
        for (int i = 0; i < n && i < rec.Slots; ++i)
            setItem(rec, i, values[i]);
        if (n < rec.Slots)
            setItem(rec, n, 0);
    }

private:
    std::vector<int> bits_;
};
