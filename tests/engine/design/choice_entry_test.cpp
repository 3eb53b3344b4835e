#include <gtest/gtest.h>

#include "design/choice_entry.h"

namespace kz {
namespace {

TEST(NewChoiceCount, TakesOneTo127ChoicesAndRefusesTheRestWithoutOverflow)
{
    const struct {
        const char* text;
        std::optional<Integer> count;
    } cases[] = {
        {"1", 2},
        {"127", 128},
        {"3", 4},
        {" 5 ", 6},
        {"4.4", 5},
        {"0.5", 2},
        {"0", std::nullopt},
        {"128", std::nullopt},
        {"99999", std::nullopt},
        {"1e30", std::nullopt},
        {"-3", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", 13},
    };
    for (const auto& test : cases)
        EXPECT_EQ(NewChoiceCount(QString::fromUtf8(test.text)), test.count) << test.text;
}

TEST(TextLines, ReadsEveryLineEndAlikeAndKeepsTheLastLine)
{
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\r\n\r\nB", {"A", "", "B"}},
        {"A\r\nA", {"A", "A"}},
        {"A\nB\nC", {"A", "B", "C"}},
        {"A\rB", {"A", "B"}},
        {"選択肢その１\nX", {"選択肢その１", "X"}},
        {"", {}},
    };
    for (const auto& test : cases)
        EXPECT_EQ(TextLines(QString::fromUtf8(test.text)), test.lines) << test.text;
}

}  // namespace
}  // namespace kz
