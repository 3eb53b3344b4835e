#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "model/sample_ids.h"
#include "model/survey.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

// --- this computer's range ---

TEST(IDRangeTest, TextsGiveTheRangeInOrderOrNothingOutsideZeroToTheLargestLong)
{
    struct Case {
        const char* from;
        const char* to;
        std::optional<IDRange> range;
    };
    const Case cases[] = {
        {"500", "100", IDRange{100, 500}},
        {"7", "7", IDRange{7, 7}},
        {"0", "2147483647", IDRange{0, 2147483647}},
        // Rounded half to even before the check.
        {"2.5", "3.5", IDRange{2, 4}},
        {"-0.4", "2147483646.5", IDRange{0, 2147483646}},
        // Read for the number the text starts with.
        {"abc", "12abc", IDRange{0, 12}},
        {" 1 2", "", IDRange{0, 12}},
        {"-1", "10", std::nullopt},
        {"-0.6", "10", std::nullopt},
        {"0", "2147483648", std::nullopt},
        {"0", "2147483647.5", std::nullopt},
        {"0", "4294967295", std::nullopt},
        {"1e300000", "0", std::nullopt},    // beyond a double: infinity
        {"&HFFFFFFFF", "5", std::nullopt},  // a Long literal for -1
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseIDRange(QString::fromUtf8(c.from), QString::fromUtf8(c.to)), c.range)
            << c.from << " / " << c.to;
}

// --- a sample's new ID ---

class IDChangeTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        SurveyFixture::SetUp();
        AddQuestion(1, 3);
        BuildLayout();
    }
    test::ScriptedUi ui_;
};

TEST_F(IDChangeTest, TypedIDsAreCheckedAndTheSampleMovesToItsPlace)
{
    // Samples 2, 4 and 10 (outside the range 1..8); the cursor stands at 5.
    struct Case {
        Long Dno;
        const char* text;
        IDChange change;
        Long movedTo;
        std::vector<Long> ids;
    };
    const std::vector<Long> unchanged = {2, 4, 10};
    const Case cases[] = {
        {1, "4", IDChange::Kept, -1, unchanged},
        {1, "4.4", IDChange::Kept, -1, unchanged},  // rounds to its own ID
        {2, "10", IDChange::Kept, -1, unchanged},   // its own ID, though outside the range
        // However long the text, its value decides: refused for the range, or
        // taken when it lies within it.
        {1, "1234567890", IDChange::OutsideRange, -1, unchanged},
        {1, "99999999999", IDChange::OutsideRange, -1, unchanged},
        {1, "00000000007", IDChange::Moved, 1, {2, 7, 10}},
        // Compared as typed: a fraction beyond an end is outside.
        {1, "8.4", IDChange::OutsideRange, -1, unchanged},
        {1, "0.6", IDChange::OutsideRange, -1, unchanged},
        {1, "9", IDChange::OutsideRange, -1, unchanged},
        {1, "123456789", IDChange::OutsideRange, -1, unchanged},
        {1, "1e20", IDChange::OutsideRange, -1, unchanged},
        {1, "abc", IDChange::OutsideRange, -1, unchanged},  // reads as 0
        {1, "2", IDChange::InUse, -1, unchanged},
        {1, "1.6", IDChange::InUse, -1, unchanged},  // rounds to 2
        {1, "1", IDChange::Moved, 0, {1, 2, 10}},
        {1, "7", IDChange::Moved, 1, {2, 7, 10}},
        {1, "7.5", IDChange::Moved, 1, {2, 8, 10}},  // half to even
        {0, "8", IDChange::Moved, 1, {4, 8, 10}},
        {2, "3", IDChange::Moved, 1, {2, 3, 4}},
    };
    for (const Case& c : cases) {
        samples.Samples.clear();
        for (Long id : unchanged)
            AddSample(id);
        samples.NextIDCursor = 5;
        const IDChangeResult result = ChangeSampleID(samples, c.Dno, QString::fromUtf8(c.text), {1, 8});
        EXPECT_EQ(result.change, c.change) << c.text;
        EXPECT_EQ(result.Dno, c.movedTo) << c.text;
        EXPECT_EQ(TableIDs(), c.ids) << c.text;
        if (c.change != IDChange::Moved) {
            EXPECT_EQ(samples.NextIDCursor, 5) << c.text;
        }
    }
}

TEST_F(IDChangeTest, ACursorBelowTheNewIDGoesBackToTheOldOne)
{
    struct Case {
        Long cursor;
        const char* text;
        Long cursorAfter;
    };
    // The sample with ID 4 changes its ID.
    const Case cases[] = {
        {5, "7", 4},  // issuing goes on from the freed ID
        {6, "7", 4}, {7, "7", 7}, {8, "7", 8}, {5, "1", 5}, {-1, "3", 4},
    };
    for (const Case& c : cases) {
        samples.Samples.clear();
        for (Long id : {2, 4})
            AddSample(id);
        samples.NextIDCursor = c.cursor;
        EXPECT_EQ(ChangeSampleID(samples, 1, QString::fromUtf8(c.text), {1, 8}).change, IDChange::Moved);
        EXPECT_EQ(samples.NextIDCursor, c.cursorAfter) << c.cursor << " -> " << c.text;
    }
}

}  // namespace
}  // namespace kz
