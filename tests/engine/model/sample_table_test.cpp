#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

#include "host/long_job.h"
#include "host/settings.h"
#include "model/sample_sort.h"
#include "model/sample_table.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

constexpr Long LongMax = std::numeric_limits<Long>::max();

struct SearchResult {
    bool between;
    Long pos;
};

class SampleTableTest : public test::SurveyFixture {
protected:
    SearchResult Search(Long id)
    {
        Long pos = 99;
        const bool between = SearchSampleID(samples.Samples, id, pos);
        return {between, pos};
    }

    void SetUp() override
    {
        SurveyFixture::SetUp();
        AddQuestion(2, 5, {4});
        BuildLayout();
    }
    void AddSamples(std::initializer_list<Long> ids)
    {
        for (Long id : ids)
            AddSample(id);
    }
    test::ScriptedUi ui_;
};

// --- search ---

TEST_F(SampleTableTest, SearchOnThreeIDsGivesEveryKindOfResult)
{
    AddSamples({10, 20, 30});
    const std::vector<std::tuple<Long, bool, Long>> cases = {
        {20, false, 1}, {25, true, 2}, {15, true, 1}, {35, false, 3}, {5, false, -1}, {10, false, 0}, {30, false, 2},
    };
    for (const auto& [id, between, pos] : cases) {
        const SearchResult r = Search(id);
        EXPECT_EQ(r.between, between) << id;
        EXPECT_EQ(r.pos, pos) << id;
        Long insertPos = 0;
        EXPECT_EQ(InsertPosForID(samples.Samples, id, insertPos), between) << id;
        EXPECT_EQ(insertPos, pos) << id;
    }
}

TEST_F(SampleTableTest, SearchOnEmptyAndSingleTables)
{
    for (Long id : {0, -7, 100}) {
        EXPECT_FALSE(Search(id).between);
        EXPECT_EQ(Search(id).pos, 0);
        EXPECT_EQ(FindSamplePos(samples.Samples, id), -1);
    }
    AddSamples({10});
    EXPECT_EQ(Search(10).pos, 0);
    EXPECT_FALSE(Search(10).between);
    EXPECT_EQ(Search(5).pos, -1);
    EXPECT_EQ(Search(15).pos, 1);
    EXPECT_FALSE(Search(15).between);
}

TEST_F(SampleTableTest, SearchAgreesWithALinearScanOnALargerTable)
{
    std::vector<Long> ids;
    for (Long id = -500; id < 1500; id += 3)
        ids.push_back(id);
    for (Long id : ids)
        AddSample(id);
    const auto n = static_cast<Long>(ids.size());
    for (Long id = -510; id < 1510; ++id) {
        const auto it = std::lower_bound(ids.begin(), ids.end(), id);
        const auto index = static_cast<Long>(it - ids.begin());
        const bool present = it != ids.end() && *it == id;
        const SearchResult r = Search(id);
        if (present) {
            EXPECT_EQ(r.pos, index);
            EXPECT_FALSE(r.between);
        } else if (index == 0) {
            EXPECT_EQ(r.pos, -1);
            EXPECT_FALSE(r.between);
        } else if (index == n) {
            EXPECT_EQ(r.pos, n);
            EXPECT_FALSE(r.between);
        } else {
            EXPECT_EQ(r.pos, index);
            EXPECT_TRUE(r.between);
        }
        EXPECT_EQ(FindSamplePos(samples.Samples, id), present ? index : -1);
        EXPECT_EQ(FindSampleByID(samples.Samples, id), FindSamplePos(samples.Samples, id));
    }
}

// --- append, delete ---

TEST_F(SampleTableTest, AppendPutsTheNewRecordAtItsPlace)
{
    AddSamples({10, 20, 30});
    EXPECT_EQ(AppendSampleRec(workspace, 5), 0);
    EXPECT_EQ(AppendSampleRec(workspace, 40), 4);
    EXPECT_EQ(AppendSampleRec(workspace, 25), 3);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{5, 10, 20, 25, 30, 40}));
    EXPECT_FALSE(ui_.hourglass());

    const SampleStore& table = samples.Samples;
    EXPECT_EQ(table.flags(3), 0);
    EXPECT_EQ(table.answerWords(), survey.AnoBytes / 2 + 1);
    EXPECT_TRUE(
        std::all_of(table.answers(3), table.answers(3) + table.answerWords(), [](Integer w) { return w == 0; }));
    EXPECT_TRUE(table.texts(3).isEmpty());
}

TEST_F(SampleTableTest, AppendOfAUsedIDAddsNothing)
{
    AddSamples({10, 20});
    EXPECT_EQ(AppendSampleRec(workspace, 20), -1);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 20}));
}

TEST_F(SampleTableTest, DeleteMovesTheLaterRecordsDown)
{
    AddSamples({10, 20, 30, 40});
    DeleteSampleRec(samples.Samples, 1);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 30, 40}));
    DeleteSampleRec(samples.Samples, 2);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 30}));
    EXPECT_FALSE(ui_.hourglass());
}

// --- rename and move ---

TEST_F(SampleTableTest, RenameBelowEveryIDKeepsTheFirstRecordInPlace)
{
    AddSamples({10, 20, 30});
    EXPECT_EQ(PutSampleRec(samples.Samples, 0, 1), 0);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{1, 20, 30}));
}

TEST_F(SampleTableTest, RenameToAUsedIDChangesNothing)
{
    AddSamples({10, 20, 30});
    EXPECT_EQ(PutSampleRec(samples.Samples, 1, 20), -1);  // its own ID
    EXPECT_EQ(PutSampleRec(samples.Samples, 1, 30), -1);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 20, 30}));
    EXPECT_FALSE(ui_.hourglass());
}

TEST_F(SampleTableTest, RenameMovesTheRecordWithItsAnswersBothWays)
{
    AddSamples({10, 20, 30, 40});
    samples.Samples.setFlags(0, 5);
    samples.Samples.answers(0)[0] = 123;
    samples.Samples.texts(0).setText(0, QStringLiteral("memo"));

    EXPECT_EQ(PutSampleRec(samples.Samples, 0, 35), 2);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{20, 30, 35, 40}));
    EXPECT_EQ(samples.Samples.flags(2), 5);
    EXPECT_EQ(samples.Samples.answers(2)[0], 123);
    EXPECT_EQ(samples.Samples.texts(2).text(0), QStringLiteral("memo"));

    EXPECT_EQ(PutSampleRec(samples.Samples, 2, 25), 1);
    EXPECT_EQ(PutSampleRec(samples.Samples, 1, 5), 0);
    EXPECT_EQ(PutSampleRec(samples.Samples, 0, 99), 3);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{20, 30, 40, 99}));
    EXPECT_EQ(samples.Samples.texts(3).text(0), QStringLiteral("memo"));
    EXPECT_TRUE(IsSampleOrderOK(samples.Samples));
}

TEST_F(SampleTableTest, MoveAndShiftCopyWholeRecords)
{
    AddSamples({1, 2, 3, 4, 5});
    MoveSampleRec(samples.Samples, 0, 3);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{2, 3, 4, 1, 5}));
    MoveSampleRec(samples.Samples, 4, 1);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{2, 5, 3, 4, 1}));
    MoveSampleRec(samples.Samples, 2, 2);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{2, 5, 3, 4, 1}));

    ShiftSampleRecs(samples.Samples, 3, 0);  // records 0..2 move up, record 3 stays where it was
    EXPECT_EQ(TableIDs(), (std::vector<Long>{2, 2, 5, 3, 1}));
    samples.Samples.answers(1)[0] = 7;
    EXPECT_EQ(samples.Samples.answers(0)[0], 0) << "copies own their arrays";
}

// --- order check and sort ---

TEST_F(SampleTableTest, OrderCheckLetsEqualNeighboursPass)
{
    EXPECT_TRUE(IsSampleOrderOK(samples.Samples));
    AddSamples({1, 1, 2});
    EXPECT_TRUE(IsSampleOrderOK(samples.Samples));
    samples = SampleTable{};
    AddSamples({2, 1});
    EXPECT_FALSE(IsSampleOrderOK(samples.Samples));
}

TEST_F(SampleTableTest, SortIsStableForEqualIDs)
{
    AddSamples({3, 1, 3, 2, 1, 3});
    for (Long i = 0; i < SampleCount(samples); ++i)
        samples.Samples.setFlags(i, static_cast<Integer>(i));  // the original position
    EXPECT_TRUE(SortSamplesByID(samples.Samples));
    EXPECT_EQ(TableIDs(), (std::vector<Long>{1, 1, 2, 3, 3, 3}));
    const std::span<const Integer> flags = samples.Samples.allFlags();
    const std::vector<Integer> order(flags.begin(), flags.end());
    EXPECT_EQ(order, (std::vector<Integer>{1, 4, 3, 0, 2, 5}));
}

TEST_F(SampleTableTest, SortMovesEachRecordWithItsAnswersAndTexts)
{
    AddSamples({40, 10, 30, 20});
    for (Long pos = 0; pos < SampleCount(samples); ++pos) {
        const Long id = samples.Samples.id(pos);
        samples.Samples.answers(pos)[0] = static_cast<Integer>(id);
        samples.Samples.answers(pos)[1] = static_cast<Integer>(-id);
        samples.Samples.texts(pos).setText(static_cast<int>(id % 3), QString::number(id));
    }
    EXPECT_TRUE(SortSamplesByID(samples.Samples));
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 20, 30, 40}));
    for (Long pos = 0; pos < SampleCount(samples); ++pos) {
        const Long id = samples.Samples.id(pos);
        EXPECT_EQ(samples.Samples.answers(pos)[0], id);
        EXPECT_EQ(samples.Samples.answers(pos)[1], -id);
        EXPECT_EQ(TextsOf(pos), (test::SlotTexts{{static_cast<int>(id % 3), QString::number(id)}}));
    }
}

TEST_F(SampleTableTest, SortOfALargeTableMatchesAStableReference)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<Long> ids(-3000, 3000);  // many equal IDs
    struct Entry {
        Long id;
        Integer mark;
    };
    std::vector<Entry> reference;
    for (int i = 0; i < 30000; ++i) {
        const Long id = ids(random);
        AddSample(id);
        samples.Samples.setFlags(SampleCount(samples) - 1, static_cast<Integer>(i));
        reference.push_back({id, static_cast<Integer>(i)});
    }
    std::stable_sort(reference.begin(), reference.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });

    EXPECT_TRUE(SortSamplesByID(samples.Samples));
    ASSERT_EQ(SampleCount(samples), static_cast<Long>(reference.size()));
    for (size_t i = 0; i < reference.size(); ++i) {
        ASSERT_EQ(samples.Samples.id(static_cast<qsizetype>(i)), reference[i].id) << i;
        ASSERT_EQ(samples.Samples.flags(static_cast<qsizetype>(i)), reference[i].mark) << i;
    }
}

// With a report at every step, a sort reports positions that grow to the
// table's size; a stop at the first report, one in the middle or the last
// leaves the table as it was.
TEST_F(SampleTableTest, StoppedSortLeavesTheTableAsItWas)
{
    const LongJobPacing everyStep(0);
    const Long n = 20000;  // several runs and merge passes
    const auto fill = [this, n] {
        samples.Samples.clear();
        for (Long i = 0; i < n; ++i)
            AddSample(static_cast<Long>((qint64(i) * 7919) % n));  // a permutation: 7919 is prime
    };
    fill();
    const std::vector<Long> before = TableIDs();
    ASSERT_TRUE(SortSamplesByID(samples.Samples));
    const QStringList reports = ui_.progressTexts();
    ASSERT_GT(reports.size(), 2);
    const QRegularExpression text(QStringLiteral("^ID並び替え (\\d+)/%1$").arg(n));
    Long previous = 0;
    for (const QString& report : reports) {
        const QRegularExpressionMatch match = text.match(report);
        ASSERT_TRUE(match.hasMatch()) << report.toStdString();
        EXPECT_GE(match.captured(1).toLong(), previous);
        previous = match.captured(1).toLong();
    }
    EXPECT_EQ(previous, n);

    for (const qsizetype stopAt : {qsizetype(1), reports.size() / 2, reports.size()}) {
        SCOPED_TRACE(stopAt);
        fill();
        for (qsizetype i = 1; i < stopAt; ++i)
            ui_.scriptProgress(true);
        ui_.scriptProgress(false);
        const qsizetype reportsBefore = ui_.progressTexts().size();

        EXPECT_FALSE(SortSamplesByID(samples.Samples));

        EXPECT_EQ(TableIDs(), before);
        EXPECT_EQ(ui_.progressTexts().size() - reportsBefore, stopAt);
        EXPECT_EQ(ui_.progressTexts().last(), reports[stopAt - 1]);
    }
}

// --- issuing IDs ---

class SampleIDIssueTest : public SampleTableTest {
protected:
    void SetRange(Long low, Long high)
    {
        settings.IDRangeLow = low;
        settings.IDRangeHigh = high;
    }
};

TEST_F(SampleIDIssueTest, ContinuesAboveTheLargestUsedIDUntilTheRangeEnds)
{
    SetRange(100, 102);
    AddSamples({100, 101});
    ResetIDCursor(samples, settings);
    EXPECT_EQ(samples.NextIDCursor, 101);
    EXPECT_EQ(NextFreeID(samples, settings), 102);
    EXPECT_EQ(NextFreeID(samples, settings), -1);
    EXPECT_EQ(NextFreeID(samples, settings), -1);
}

TEST_F(SampleIDIssueTest, EmptyTableStartsAtTheRangeLow)
{
    SetRange(50, 60);
    ResetIDCursor(samples, settings);
    EXPECT_EQ(samples.NextIDCursor, -1);
    EXPECT_EQ(NextFreeID(samples, settings), 50);
    EXPECT_EQ(NextFreeID(samples, settings), 51);
}

TEST_F(SampleIDIssueTest, IDsOutsideTheRangeDoNotMoveTheCursor)
{
    SetRange(100, 150);
    AddSamples({5, 200});
    ResetIDCursor(samples, settings);
    EXPECT_EQ(NextFreeID(samples, settings), 100);
}

TEST_F(SampleIDIssueTest, GapsBelowTheCursorAreFilledOnlyWhenItIsSetLower)
{
    SetRange(100, 110);
    AddSamples({100, 102, 103});
    ResetIDCursor(samples, settings);
    EXPECT_EQ(NextFreeID(samples, settings), 104);
    samples.NextIDCursor = 100;
    EXPECT_EQ(NextFreeID(samples, settings), 101);
    ASSERT_GE(AppendSampleRec(workspace, 101), 0);
    EXPECT_EQ(NextFreeID(samples, settings), 104) << "skips the run of used IDs 102, 103";
}

TEST_F(SampleIDIssueTest, EqualNeighboursOfALoadedTableAreNotIssued)
{
    SetRange(1, 10);
    AddSamples({5, 5, 6, 7});
    samples.NextIDCursor = 5;
    EXPECT_EQ(NextFreeID(samples, settings), 8);
}

TEST_F(SampleIDIssueTest, TopOfTheLongRangeDoesNotOverflow)
{
    SetRange(LongMax - 2, LongMax);
    AddSamples({LongMax - 1});
    ResetIDCursor(samples, settings);
    EXPECT_EQ(NextFreeID(samples, settings), LongMax);
    EXPECT_EQ(samples.NextIDCursor, LongMax);
    ASSERT_GE(AppendSampleRec(workspace, LongMax), 0);
    EXPECT_EQ(NextFreeID(samples, settings), -1);
    EXPECT_EQ(NextFreeID(samples, settings), -1);
    EXPECT_EQ(samples.NextIDCursor, LongMax);
}

TEST_F(SampleIDIssueTest, UnusedTopIDIsIssuedAgain)
{
    SetRange(LongMax - 1, LongMax);
    AddSamples({LongMax - 1});
    ResetIDCursor(samples, settings);
    EXPECT_EQ(NextFreeID(samples, settings), LongMax);
    EXPECT_EQ(NextFreeID(samples, settings), LongMax) << "still free: the caller never used it";
}

}  // namespace
}  // namespace kz
