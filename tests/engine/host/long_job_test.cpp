#include <gtest/gtest.h>

#include "host/long_job.h"
#include "support/scripted_ui.h"

namespace kz {
namespace {

// The jobs' clock, moved by the test, and how often it was read.
struct TestClock {
    qint64 now = 0;
    qint64 reads = 0;
};

class LongJobTest : public ::testing::Test {
protected:
    LongJobPacing pacing(qint64 intervalMs)
    {
        return LongJobPacing(intervalMs, [this] {
            ++clock_.reads;
            return clock_.now;
        });
    }

    // Steps through every item, each costing `stepMs`, with a text that
    // counts how often it is made; whether every step went on.
    bool run(LongJob& job, qint64 total, qint64 stepMs)
    {
        bool goOn = true;
        for (qint64 i = 0; i < total; ++i) {
            clock_.now += stepMs;
            goOn = job.step(i, [&] { return job.text(i) + QStringLiteral(" #") + QString::number(++textsMade_); })
                   && goOn;
        }
        return goOn;
    }

    TestClock clock_;
    int textsMade_ = 0;
};

TEST_F(LongJobTest, ReportsOnceTheIntervalHasPassedAndAlwaysTheLastItem)
{
    struct Case {
        qint64 intervalMs;
        qint64 stepMs;
        qint64 total;
        QStringList reports;
    };
    // Each report names the item and how many texts were made by then.
    const Case cases[] = {
        {10, 0, 1000, {"x 1000/1000 #1"}},
        {10, 1, 30, {"x 10/30 #1", "x 20/30 #2", "x 30/30 #3"}},
        {10, 1, 25, {"x 10/25 #1", "x 20/25 #2", "x 25/25 #3"}},
        {10, 4, 10, {"x 3/10 #1", "x 6/10 #2", "x 9/10 #3", "x 10/10 #4"}},
        {10, 25, 3, {"x 1/3 #1", "x 2/3 #2", "x 3/3 #3"}},
        {0, 0, 3, {"x 1/3 #1", "x 2/3 #2", "x 3/3 #3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reports.join(u' ').toStdString());
        test::ScriptedUi ui;
        const LongJobPacing paced = pacing(c.intervalMs);
        textsMade_ = 0;
        LongJob job(c.total, QStringLiteral("x"));

        EXPECT_TRUE(run(job, c.total, c.stepMs));

        EXPECT_EQ(ui.progressTexts(), c.reports);
        EXPECT_EQ(ui.eventTurns(), c.reports.size());
    }
}

TEST_F(LongJobTest, ClockIsReadRarelyWhileStepsAreCheapAndAtEveryStepWhenSlow)
{
    test::ScriptedUi ui;
    const LongJobPacing fiftyMs = pacing(50);
    LongJob cheap(1'000'000, QStringLiteral("x"));
    run(cheap, 1'000'000, 0);
    EXPECT_LE(clock_.reads, 1'000'000 / 500);

    clock_.reads = 0;
    LongJob slow(100, QStringLiteral("x"));
    run(slow, 100, 2);
    EXPECT_GE(clock_.reads, 100);
    EXPECT_EQ(ui.progressTexts().size(), 1 + 4);  // 200 ms of steps, a report each 50 ms
}

TEST_F(LongJobTest, RatioFollowsTheItemsUpToTheEnd)
{
    test::ScriptedUi ui;
    const LongJobPacing everyStep = pacing(0);
    LongJob fills(4, QStringLiteral("x"));
    run(fills, 4, 0);
    LongJob pastTheEnd(2, QStringLiteral("x"));
    pastTheEnd.step(1);
    pastTheEnd.step(2);
    LongJob none(0, QStringLiteral("整理"));
    none.step(0);
    LongJob empty(2, QStringLiteral("x"), LongJob::Bar::StaysEmpty);
    run(empty, 2, 0);

    EXPECT_EQ(ui.progressRatios(), (std::vector<float>{0.25f, 0.5f, 0.75f, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(ui.progressTexts()[5], QStringLiteral("x 3/2"));
    EXPECT_EQ(ui.progressTexts()[6], QStringLiteral("整理 1/0"));
}

// A stop answers the report it came with, the last item's too; the job then
// stays stopped without asking again.
TEST_F(LongJobTest, StopAnswersThatStepAndEveryLaterOne)
{
    struct Case {
        qint64 intervalMs;
        int reportsBeforeStop;
        std::vector<bool> steps;
    };
    const Case cases[] = {
        {0, 0, {false, false, false, false}},
        {0, 2, {true, true, false, false}},
        {50, 0, {true, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reportsBeforeStop);
        test::ScriptedUi ui;
        const LongJobPacing paced = pacing(c.intervalMs);
        for (int i = 0; i < c.reportsBeforeStop; ++i)
            ui.scriptProgress(true);
        ui.scriptProgress(false);
        LongJob job(4, QStringLiteral("x"));

        std::vector<bool> steps;
        for (qint64 i = 0; i < 4; ++i)
            steps.push_back(job.step(i));

        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(ui.progressTexts().size(), c.reportsBeforeStop + 1);
        EXPECT_FALSE(job.step(3));
        EXPECT_EQ(ui.progressTexts().size(), c.reportsBeforeStop + 1);
    }
}

// A job with a place of its own reports there, with the same pacing, and
// stops when it answers false; the progress window hears nothing.
TEST_F(LongJobTest, AJobWithItsOwnReportLeavesTheProgressWindowAlone)
{
    test::ScriptedUi ui;
    const LongJobPacing everyStep = pacing(0);
    QStringList reports;
    LongJob job(3, QStringLiteral("x"), LongJob::Bar::Fills, [&](const QString& text, float ratio) {
        reports.push_back(text + u' ' + QString::number(ratio));
        return reports.size() < 2;
    });
    EXPECT_TRUE(job.step(0));
    EXPECT_FALSE(job.step(1));
    EXPECT_FALSE(job.step(2));
    EXPECT_EQ(reports, (QStringList{"x 1/3 0.333333", "x 2/3 0.666667"}));
    EXPECT_TRUE(ui.progressTexts().isEmpty());
    EXPECT_EQ(ui.eventTurns(), 2);
}

}  // namespace
}  // namespace kz
