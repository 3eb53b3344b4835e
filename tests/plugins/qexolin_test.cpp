#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kzplugin.h"

extern "C" const char* KZExternProcessMain(int32_t*, KZString, int16_t, int16_t, int16_t, const KZStringArray*,
                                           int32_t, const int16_t*, const int16_t*, const KZStringArray*);

namespace {

// Answer texts as counted strings, freed with the fixture.
class Qexolin : public ::testing::Test {
protected:
    ~Qexolin() override { freeStrings(); }

    void freeStrings()
    {
        for (KZString s : strings)
            KZStringFree(s);
        strings.clear();
    }

    std::string call(int16_t action, std::vector<int16_t> counts, const std::vector<std::string>& answerTexts)
    {
        freeStrings();
        for (const auto& t : answerTexts)
            strings.push_back(KZStringAlloc(t.data(), static_cast<int32_t>(t.size())));
        const KZStringArray texts{static_cast<int32_t>(strings.size()), strings.data()};
        const std::vector<int16_t> codes(answerTexts.size(), 1);
        return KZExternProcessMain(nullptr, nullptr, action, static_cast<int16_t>(counts.size()), 0, nullptr, 0,
                                   counts.data(), codes.data(), &texts);
    }

    std::vector<KZString> strings;
};

TEST_F(Qexolin, ActionThreeJoinsFirstTextsOfQuestionsTwoAndOne)
{
    EXPECT_EQ(call(3, {1, 2}, {"a", "b", "c"}), "ba");
    EXPECT_EQ(call(3, {2, 1, 1}, {"日本", "x", "語", "z"}), "語日本");
}

TEST_F(Qexolin, ActionFourGivesFirstTextOfQuestionThree) { EXPECT_EQ(call(4, {1, 2, 1}, {"a", "b", "c", "d"}), "d"); }

TEST_F(Qexolin, OtherActionsGiveTheEmptyText)
{
    EXPECT_EQ(call(1, {1, 2}, {"a", "b", "c"}), "");
    EXPECT_EQ(call(0, {1, 2}, {"a", "b", "c"}), "");
    EXPECT_EQ(call(-1, {1, 2}, {"a", "b", "c"}), "");
}

TEST_F(Qexolin, IndexesOutsideTheArraysGiveTheEmptyText)
{
    EXPECT_EQ(call(4, {1, 2}, {"a", "b", "c"}), "");     // no question 3
    EXPECT_EQ(call(4, {1, 2, 1}, {"a", "b", "c"}), "");  // texts end before its answer
    EXPECT_EQ(call(3, {1}, {"a"}), "");                  // no question 2
    EXPECT_EQ(call(3, {5, 1}, {"a", "b"}), "");          // counts point past the texts
}

}  // namespace
