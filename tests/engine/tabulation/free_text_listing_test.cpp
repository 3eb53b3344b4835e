// Listing runs over the opinion questionnaire of listing_fixture.h: who is
// listed under each free-text criterion, ranks, referenced answers, the
// footer, the cut at 9999 rows and its continuation, stops, and the listed
// samples kept by ID.
#include <gtest/gtest.h>

#include "host/long_job.h"
#include "listing_fixture.h"
#include "model/condition_arrays.h"
#include "model/sample_table.h"
#include "tabulation/count_sheet.h"

namespace kz {
namespace {

using test::AnyChoice;
using test::Bad;
using test::Good;
using test::ListingOption;
using test::MakeCondition;
using test::Opinion;
using test::OpinionListingTest;
using test::Row;
using test::Sex;

constexpr Integer Required = 3;

std::vector<Long> Walk(ListedSamples& listed)
{
    std::vector<Long> positions;
    listed.EssayDnoReset();
    for (Long pos = listed.EssayDno(); pos >= 0; pos = listed.EssayDno())
        positions.push_back(pos);
    return positions;
}

TEST_F(OpinionListingTest, EachCriterionListsItsAnswers)
{
    struct Case {
        const char* name;
        TotalOptionRec option;
        QStringList rows;
    };
    TotalOptionRec contains = ListingOption(AnyChoice, 2);
    contains.EssayText = QStringLiteral("速");
    TotalOptionRec quantity = ListingOption(test::Amount, 3);
    quantity.QtyMin = 100;
    quantity.QtyMax = 1000;
    TotalOptionRec code = ListingOption(test::Shop, 4);
    code.CodeFrom = QStringLiteral("B1");
    code.CodeTo = QStringLiteral("B3");
    const Case cases[] = {
        {"no criterion: every answer, 無回答 too",
         ListingOption(AnyChoice, -1),
         {"10\t良い\t速い", "10\t金額\t500", "20\t悪い\t遅い とても", "30\t無回答\t", "40\t良い\t", "50\t良い\t速い",
          "50\t店\tB2:本店", "のべ7人\t平均 \t71.4285714285714"}},
        {"without text", ListingOption(Good, 0), {"40\t良い\t", "のべ1人\t平均 \t0"}},
        {"with text", ListingOption(Good, 1), {"10\t良い\t速い", "50\t良い\t速い", "のべ2人\t平均 \t0"}},
        {"text contains", contains, {"10\t良い\t速い", "50\t良い\t速い", "のべ2人\t平均 \t0"}},
        {"quantity range", quantity, {"10\t金額\t500", "のべ1人\t平均 \t500"}},
        {"code range", code, {"50\t店\tB2:本店", "のべ1人\t平均 \t0"}},
        {"nobody", ListingOption(Bad, 0), {"のべ0人"}},
    };
    for (const Case& c : cases) {
        const FreeTextListing listing = List(c.option);
        EXPECT_EQ(view.rows, c.rows) << c.name;
        EXPECT_EQ(listing.rows, c.rows.size() - 1) << c.name;
        EXPECT_EQ(listing.nextStart, 0) << c.name;
    }
}

TEST_F(OpinionListingTest, SampleWithTwoAnswersIsListedTwiceWithItsReferencesOnce)
{
    FreeTextListing listing = List(ListingOption(Good, 5), {Sex});
    EXPECT_EQ(view.rows,
              QStringList({"10\t良い\t速い\t男性", "40\t良い\t\t女性", "50\t良い\t速い\t男性", "のべ3人\t平均 \t0"}));

    listing = List(ListingOption(AnyChoice, 1), {Sex});
    EXPECT_EQ(view.rows.mid(3, 2), QStringList({"50\t良い\t速い\t男性", "50\t店\tB2:本店"}));
    EXPECT_EQ(listing.listed.EssayDnoCount(), 5);
    EXPECT_EQ(Walk(listing.listed), (std::vector<Long>{0, 0, 1, 4, 4}));
    EXPECT_EQ(DistinctListedPositions(listing.listed), (std::vector<Long>{0, 1, 4}));
}

TEST_F(OpinionListingTest, RankListsOnlyTheAnswerAtThatRank)
{
    TotalOptionRec option = ListingOption(AnyChoice, 5);
    option.Rank = 2;
    List(option);
    EXPECT_EQ(view.rows, QStringList({"10\t金額\t500", "50\t店\tB2:本店", "のべ2人\t平均 \t250"}));
    option.Rank = 1;
    List(option);
    EXPECT_EQ(view.rows.size(), 5);
}

TEST_F(OpinionListingTest, HeadShowsHeadingsConditionAndRank)
{
    TotalOptionRec option = ListingOption(AnyChoice, 5);
    option.Rank = 2;
    option.Limits[0] = MakeCondition(0, {Row(Required, Sex, 1)});
    const std::optional<Condition> cond = ListingCondition(survey, option);
    ASSERT_TRUE(cond);
    const std::vector<Integer> refs{Sex};
    const ListingHead head = MakeListingHead(survey, option, *cond, refs);
    EXPECT_EQ(head.titles, QStringList({"ＩＤ", "選択肢", "記述文", "参照回答"}));
    EXPECT_EQ(head.headings, QStringList({"意見 ご意見をどうぞ。［2つまで］", "性別 性別は。"}));
    EXPECT_FALSE(head.conditionText.isEmpty());
    EXPECT_EQ(head.rankText, QStringLiteral("2位"));

    List(option);
    EXPECT_EQ(view.rows, QStringList({"10\t金額\t500", "50\t店\tB2:本店", "のべ2人\t平均 \t250"})) << "both are 男性";
}

TEST_F(OpinionListingTest, ConditionsThatDoNotFitTogetherAreRefused)
{
    TotalOptionRec option = ListingOption(AnyChoice, 5);
    std::vector<LimitItem> rows(LastRowEntry, Row(1, Sex, 1));
    for (size_t i = 0; i < rows.size(); ++i) {
        survey.QuestionLimit[Opinion][i + 1] = rows[i];
        option.Limits[0][i + 1] = rows[i];
    }
    EXPECT_FALSE(ListingCondition(survey, option).has_value());
    EXPECT_FALSE(ListingConditionTooLong().isEmpty());
}

TEST_F(OpinionListingTest, NoSamplesShowsNothingAndAStopKeepsTheRowsWithTheirFooter)
{
    samples.Samples.clear();
    FreeTextListing listing = List(ListingOption(AnyChoice, 5));
    EXPECT_TRUE(view.rows.isEmpty());
    EXPECT_EQ(listing.listed.EssayDno(), -1);

    test::BuildOpinionSurvey(*this);
    samples.Samples.resize(5);
    LongJobPacing everyStep(0);
    view.stopAtReport = 2;
    listing = List(ListingOption(AnyChoice, 5));
    EXPECT_EQ(view.rows, QStringList({"10\t良い\t速い", "10\t金額\t500", "のべ2人\t平均 \t250"}));
    EXPECT_EQ(listing.nextStart, 0);
}

TEST_F(OpinionListingTest, ProgressEndsAtAllOnlyWhenTheRunWentThroughEverySample)
{
    struct Case {
        const char* name;
        qsizetype stopAtReport;
        QString last;
    };
    const Case cases[] = {
        {"through every sample", 0, "100%"},
        {"stopped at the second sample", 2, "20%"},
    };
    LongJobPacing everyStep(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view.progress.clear();
        view.stopAtReport = c.stopAtReport;
        List(ListingOption(AnyChoice, 5));
        ASSERT_FALSE(view.progress.isEmpty());
        EXPECT_EQ(view.progress.back(), c.last);
    }
}

// 5000 samples of two listed answers each: rows + 5 reaches 9999 at the
// sample at position 4996, which holds rows 9993 and 9994.
TEST_F(OpinionListingTest, LongListingIsCutAndContinuedFromTheNextSample)
{
    samples.Samples.clear();
    for (Long s = 0; s < 5000; ++s) {
        AddSample(s + 1);
        test::StoreAnswers(workspace, s, Opinion, {Good, Bad}, {QStringLiteral("a"), QStringLiteral("b")});
    }
    FreeTextListing listing = List(ListingOption(AnyChoice, 5));
    EXPECT_TRUE(ui.boxes().empty()) << "the sheet tells the cut once its rows are shown";
    ui.expectBox(vbOK);
    TellListingCut(listing);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].prompt, QStringLiteral("人数が多くて4996番までしか表示出来ませんでした。続きを見るときは"
                                                   "『集計の続き』ボタンを押してください。"));
    EXPECT_EQ(listing.rows, 9994);
    EXPECT_EQ(listing.nextStart, 4997);
    EXPECT_EQ(view.rows.back(), QStringLiteral("のべ9994人\t平均 \t0"));
    EXPECT_FALSE(view.progress.contains(QStringLiteral("100%"))) << "a cut listing is not through";

    listing = List(ListingOption(AnyChoice, 5), {}, listing.nextStart);
    EXPECT_EQ(view.rows.first(), QStringLiteral("4998\t良い\ta"));
    EXPECT_EQ(listing.rows, 6);
    EXPECT_EQ(listing.nextStart, 0);
    EXPECT_EQ(view.progress.back(), QStringLiteral("100%"));
    TellListingCut(listing);
    EXPECT_EQ(ui.boxes().size(), 1u) << "the rest fits";
}

TEST_F(OpinionListingTest, ListedSamplesFollowTheirIdsThroughInsertsAndDeletes)
{
    FreeTextListing listing = List(ListingOption(Good, 5));
    ASSERT_EQ(Walk(listing.listed), (std::vector<Long>{0, 3, 4}));
    // A sample with a smaller ID goes in before them all; ID 40 is deleted.
    samples.Samples.insert(0, 5);
    samples.Samples.copy(0, samples.Samples, samples.Samples.size() - 1);
    samples.Samples.setId(0, 5);
    samples.Samples.remove(4);
    ASSERT_EQ(FindSamplePos(samples.Samples, 50), 4);
    EXPECT_EQ(Walk(listing.listed), (std::vector<Long>{1, 4}));
    EXPECT_EQ(listing.listed.EssayDnoCount(), 3) << "the count stays the listing's";

    ++samples.generation;
    EXPECT_TRUE(Walk(listing.listed).empty()) << "another file's samples are never this listing's";
}

TEST(GridField, TabsAndLineBreaksBecomeBlanks)
{
    EXPECT_EQ(GridField(QStringLiteral("a\tb\r\nc")), QStringLiteral("a b  c"));
    EXPECT_EQ(GridField(QStringLiteral("plain")), QStringLiteral("plain"));
}

}  // namespace
}  // namespace kz
