// The samples of a questionnaire by position: their IDs, stored-limit flags,
// packed answers and free texts.
//
// The packed answers of all samples lie in one array, answerWords() words per
// sample: the answer words and the spare word after them that the library
// may read (the layout's AnoBytes / 2 + 1). answers(pos) is therefore the
// sample's Ano(0) as zuntab takes it, and a pass over the samples reads
// memory in order. Free texts are kept per sample, only for the slots that
// hold one.
//
// A position outside 0 .. size() - 1 is the caller's error.
#pragma once

#include <span>

#include "model/free_texts.h"
#include "runtime/large_blocks.h"
#include "runtime/vbtypes.h"

namespace kz {

class SampleStore {
public:
    Long size() const { return static_cast<Long>(ids_.size()); }
    bool isEmpty() const { return ids_.empty(); }
    // Words of one sample's answers, the spare word included.
    int answerWords() const { return answerWords_; }

    Long id(Long pos) const { return ids_[index(pos)]; }
    void setId(Long pos, Long id) { ids_[index(pos)] = id; }
    std::span<const Long> ids() const { return ids_; }

    Integer flags(Long pos) const { return flags_[index(pos)]; }
    void setFlags(Long pos, Integer word) { flags_[index(pos)] = word; }
    std::span<const Integer> allFlags() const { return flags_; }

    Integer* answers(Long pos) { return answers_.data() + firstWord(pos); }
    const Integer* answers(Long pos) const { return answers_.data() + firstWord(pos); }
    // Every sample's answer words, sample 0 first.
    std::span<const Integer> allAnswers() const { return answers_; }

    FreeTexts& texts(Long pos) { return texts_[index(pos)]; }
    const FreeTexts& texts(Long pos) const { return texts_[index(pos)]; }

    // Empties the store and gives its memory back; the width of its samples
    // stays.
    void clear();
    // Gives every sample blank answers `answerWords` words wide and no free
    // texts, keeping IDs and flags: the samples of a changed structure, ready
    // for their converted answers. On an empty store it only sets the width
    // of the samples to come.
    void reshape(int answerWords);
    // Adds blank samples (ID 0, flags 0, answers 0, no texts) at the end, or
    // drops the last ones.
    void resize(Long n);
    // Memory for n samples, asked for now and touched as they are added.
    void reserve(Long n);
    // A blank sample with the ID at pos; the samples from pos on move up one.
    void insert(Long pos, Long id);
    // The samples after pos move down one.
    void remove(Long pos);
    // Takes the sample at from out and puts it at to; the samples between
    // move one place towards from.
    void move(Long from, Long to);
    // Sample dst becomes a copy of sample src of `from`, which may be this
    // store; both stores have the same width.
    void copy(Long dst, const SampleStore& from, Long src);
    // Appends a copy of sample src of `from` (of the same width).
    void append(const SampleStore& from, Long src);
    // Puts the sample at order[i] at position i, for every position; order is
    // a permutation of the positions.
    void permute(std::span<const Long> order);

    friend bool operator==(const SampleStore&, const SampleStore&) = default;

private:
    size_t index(Long pos) const;
    size_t firstWord(Long pos) const { return index(pos) * static_cast<size_t>(answerWords_); }
    // Calls `apply` with each column and the length it has for n samples.
    template <typename Apply>
    void forEachColumn(Long n, Apply apply)
    {
        const auto count = static_cast<size_t>(n);
        apply(ids_, count);
        apply(flags_, count);
        apply(answers_, count * static_cast<size_t>(answerWords_));
        apply(texts_, count);
    }

    int answerWords_ = 1;
    LargeVector<Long> ids_;
    LargeVector<Integer> flags_;
    LargeVector<Integer> answers_;
    LargeVector<FreeTexts> texts_;
};

}  // namespace kz
