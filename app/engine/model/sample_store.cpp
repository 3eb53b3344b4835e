#include "model/sample_store.h"

#include <QtGlobal>

#include <algorithm>
#include <utility>

namespace kz {
namespace {

// Moves block `from` of a sequence of blocks of `width` elements to block
// `to`; the blocks between move one place towards `from`.
template <typename Iterator>
void MoveBlock(Iterator first, size_t from, size_t to, size_t width = 1)
{
    if (from < to)
        std::rotate(first + from * width, first + (from + 1) * width, first + (to + 1) * width);
    else
        std::rotate(first + to * width, first + from * width, first + (from + 1) * width);
}

// Empties a vector and gives its memory back.
template <typename Vector>
void FreeVector(Vector& vector)
{
    Vector().swap(vector);
}

}  // namespace

size_t SampleStore::index(Long pos) const
{
    Q_ASSERT(pos >= 0 && pos < size());
    return static_cast<size_t>(pos);
}

void SampleStore::clear()
{
    // Cleared vectors would keep their room: a table that held a large file
    // would hold on to it while the next one is read, and after.
    FreeVector(ids_);
    FreeVector(flags_);
    FreeVector(answers_);
    FreeVector(texts_);
}

void SampleStore::reshape(int answerWords)
{
    answerWords_ = answerWords;
    answers_.assign(ids_.size() * static_cast<size_t>(answerWords), 0);
    for (FreeTexts& texts : texts_)
        texts.clear();
}

void SampleStore::resize(Long n)
{
    forEachColumn(n, [](auto& column, size_t length) { column.resize(length); });
}

void SampleStore::reserve(Long n)
{
    forEachColumn(n, [](auto& column, size_t length) { column.reserve(length); });
}

void SampleStore::insert(Long pos, Long id)
{
    Q_ASSERT(pos >= 0 && pos <= size());
    const auto at = static_cast<size_t>(pos);
    ids_.insert(ids_.begin() + at, id);
    flags_.insert(flags_.begin() + at, Integer(0));
    answers_.insert(answers_.begin() + at * static_cast<size_t>(answerWords_), static_cast<size_t>(answerWords_),
                    Integer(0));
    texts_.insert(texts_.begin() + at, FreeTexts{});
}

void SampleStore::remove(Long pos)
{
    const size_t at = index(pos);
    const auto words = answers_.begin() + firstWord(pos);
    answers_.erase(words, words + answerWords_);
    ids_.erase(ids_.begin() + at);
    flags_.erase(flags_.begin() + at);
    texts_.erase(texts_.begin() + at);
}

void SampleStore::move(Long from, Long to)
{
    const size_t a = index(from);
    const size_t b = index(to);
    if (a == b)
        return;
    MoveBlock(ids_.begin(), a, b);
    MoveBlock(flags_.begin(), a, b);
    MoveBlock(answers_.begin(), a, b, static_cast<size_t>(answerWords_));
    MoveBlock(texts_.begin(), a, b);
}

void SampleStore::copy(Long dst, const SampleStore& from, Long src)
{
    Q_ASSERT(from.answerWords_ == answerWords_);
    ids_[index(dst)] = from.id(src);
    flags_[index(dst)] = from.flags(src);
    std::copy_n(from.answers(src), answerWords_, answers(dst));
    texts_[index(dst)] = from.texts(src);
}

void SampleStore::append(const SampleStore& from, Long src)
{
    // Sized first, so that a copy within this store reads after any move.
    resize(size() + 1);
    copy(size() - 1, from, src);
}

void SampleStore::permute(std::span<const Long> order)
{
    Q_ASSERT(static_cast<Long>(order.size()) == size());
    const auto width = static_cast<size_t>(answerWords_);
    LargeVector<Long> ids(order.size());
    LargeVector<Integer> flags(order.size());
    LargeVector<Integer> answers(answers_.size());
    LargeVector<FreeTexts> texts(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const size_t from = index(order[i]);
        ids[i] = ids_[from];
        flags[i] = flags_[from];
        std::copy_n(answers_.begin() + from * width, width, answers.begin() + i * width);
        texts[i] = std::move(texts_[from]);
    }
    ids_.swap(ids);
    flags_.swap(flags);
    answers_.swap(answers);
    texts_.swap(texts);
}

}  // namespace kz
