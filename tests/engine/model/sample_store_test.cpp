#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <vector>

#include "model/sample_store.h"

namespace kz {
namespace {

// --- free texts ---

TEST(FreeTextsTest, KeepsOnlyTheSlotsWithATextInSlotOrder)
{
    FreeTexts texts;
    texts.setText(9, QStringLiteral("nine"));
    texts.setText(2, QStringLiteral("two"));
    texts.setText(5, QStringLiteral("five"));
    texts.setText(2, QStringLiteral("TWO"));  // replaced in place
    texts.setText(7, QString());              // empty: nothing kept
    texts.setText(5, QString());              // empties the slot

    std::vector<FreeTexts::Entry> kept(texts.begin(), texts.end());
    EXPECT_EQ(kept, (std::vector<FreeTexts::Entry>{{2, QStringLiteral("TWO")}, {9, QStringLiteral("nine")}}));
    for (const auto& [slot, text] : std::vector<std::pair<int, QString>>{
             {2, QStringLiteral("TWO")}, {9, QStringLiteral("nine")}, {5, {}}, {0, {}}, {10, {}}})
        EXPECT_EQ(texts.text(slot), text) << slot;
    texts.clear();
    EXPECT_TRUE(texts.isEmpty());
}

// --- the store against a model of whole records ---

struct Record {
    Long id = 0;
    Integer flags = 0;
    std::vector<Integer> words;
    std::map<int, QString> texts;
    friend bool operator==(const Record&, const Record&) = default;
};

Record RecordAt(const SampleStore& store, Long pos)
{
    Record rec{store.id(pos), store.flags(pos), {store.answers(pos), store.answers(pos) + store.answerWords()}, {}};
    for (const FreeTexts::Entry& entry : store.texts(pos))
        rec.texts[entry.slot] = entry.text;
    return rec;
}

std::vector<Record> Records(const SampleStore& store)
{
    std::vector<Record> records;
    for (Long pos = 0; pos < store.size(); ++pos)
        records.push_back(RecordAt(store, pos));
    return records;
}

class SampleStoreTest : public ::testing::Test {
protected:
    static constexpr int Width = 3;

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    // Gives the sample at pos, here and in the model, random content.
    void Fill(SampleStore& store, std::vector<Record>& model, Long pos)
    {
        Record& rec = model[static_cast<size_t>(pos)];
        rec.id = uniform(1, 1000);
        rec.flags = static_cast<Integer>(uniform(-32768, 32767));
        store.setId(pos, rec.id);
        store.setFlags(pos, rec.flags);
        for (int w = 0; w < Width; ++w)
            store.answers(pos)[w] = rec.words[static_cast<size_t>(w)] = static_cast<Integer>(uniform(-32768, 32767));
        for (int t = uniform(0, 3); t > 0; --t) {
            const int slot = uniform(0, 50);
            const QString text = QString::number(uniform(0, 99999));
            store.texts(pos).setText(slot, text);
            rec.texts[slot] = text;
        }
    }

    std::mt19937 random_{31};
};

TEST_F(SampleStoreTest, EveryOperationKeepsEachSampleWhole)
{
    SampleStore store;
    store.reshape(Width);
    std::vector<Record> model;
    const Record blank{0, 0, std::vector<Integer>(Width, 0), {}};
    SampleStore other;
    other.reshape(Width);
    std::vector<Record> otherModel(5, blank);
    other.resize(5);
    for (Long pos = 0; pos < 5; ++pos)
        Fill(other, otherModel, pos);

    for (int step = 0; step < 2000; ++step) {
        const auto n = static_cast<Long>(model.size());
        const auto anyPos = [&] { return static_cast<Long>(uniform(0, static_cast<int>(n) - 1)); };
        const int operation = n == 0 ? 0 : uniform(0, 7);
        SCOPED_TRACE(testing::Message() << "step " << step << " operation " << operation);
        switch (operation) {
        case 0: {  // insert a blank sample, then fill it
            const auto pos = static_cast<Long>(uniform(0, static_cast<int>(n)));
            store.insert(pos, 7);
            model.insert(model.begin() + pos, {7, 0, std::vector<Integer>(Width, 0), {}});
            ASSERT_EQ(RecordAt(store, pos), model[static_cast<size_t>(pos)]);
            Fill(store, model, pos);
            break;
        }
        case 1: {
            const Long pos = anyPos();
            store.remove(pos);
            model.erase(model.begin() + pos);
            break;
        }
        case 2: {
            const Long from = anyPos(), to = anyPos();
            store.move(from, to);
            const Record moved = model[static_cast<size_t>(from)];
            model.erase(model.begin() + from);
            model.insert(model.begin() + to, moved);
            break;
        }
        case 3: {  // a copy within the store owns its texts
            const Long dst = anyPos(), src = anyPos();
            store.copy(dst, store, src);
            model[static_cast<size_t>(dst)] = model[static_cast<size_t>(src)];
            if (dst != src) {
                store.texts(src).setText(60, QStringLiteral("src only"));
                model[static_cast<size_t>(src)].texts[60] = QStringLiteral("src only");
            }
            break;
        }
        case 4: {
            const auto src = static_cast<Long>(uniform(0, 4));
            store.append(other, src);
            model.push_back(otherModel[static_cast<size_t>(src)]);
            break;
        }
        case 5: {
            std::vector<Long> order(static_cast<size_t>(n));
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), random_);
            store.permute(order);
            std::vector<Record> permuted;
            for (Long from : order)
                permuted.push_back(model[static_cast<size_t>(from)]);
            model = permuted;
            break;
        }
        case 6: {
            const auto size = static_cast<Long>(uniform(0, static_cast<int>(n) + 3));
            store.resize(size);
            model.resize(static_cast<size_t>(size), blank);
            break;
        }
        default:
            Fill(store, model, anyPos());
            break;
        }
        ASSERT_EQ(Records(store), model);
    }
}

TEST_F(SampleStoreTest, ReshapeBlanksAnswersAndTextsButKeepsIDsAndFlags)
{
    SampleStore store;
    store.reshape(Width);
    std::vector<Record> model(4);
    store.resize(4);
    for (Long pos = 0; pos < 4; ++pos) {
        model[static_cast<size_t>(pos)].words.resize(Width);
        Fill(store, model, pos);
    }
    store.reshape(5);
    ASSERT_EQ(store.answerWords(), 5);
    ASSERT_EQ(store.size(), 4);
    for (Long pos = 0; pos < 4; ++pos) {
        const Record& was = model[static_cast<size_t>(pos)];
        EXPECT_EQ(RecordAt(store, pos), (Record{was.id, was.flags, std::vector<Integer>(5, 0), {}}));
    }
}

}  // namespace
}  // namespace kz
