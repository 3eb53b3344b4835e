// A count sheet's counts against VerstTotalC called sample by sample under
// each block's working condition: random questionnaires with question
// limits, overall and column conditions, ranks and rough counting.
#include <gtest/gtest.h>

#include <chrono>
#include <numeric>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "host/long_job.h"
#include "model/question_codes.h"
#include "model/zuntab_binding.h"
#include "sheet_fixture.h"
#include "tabulation/count_samples.h"
#include "tabulation/rough_random.h"

namespace kz {
namespace {

class ColumnCountTest : public test::SurveyFixture {
protected:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // Questions of one to five answers; the answers are written as the
    // store leaves them, the flags at random (the count reads them as they
    // are).
    void BuildSurvey(Long sampleCount)
    {
        const int questions = uniform(2, 8);
        for (int q = 0; q < questions; ++q)
            AddQuestion(static_cast<Integer>(uniform(1, 5)),
                        static_cast<Integer>(uniform(0, 4) == 0 ? uniform(20, 128) : uniform(2, 12)));
        BuildLayout();
        for (Long id = 1; id <= sampleCount; ++id) {
            const Long s = AddSample(id);
            samples.Samples.setFlags(s, static_cast<Integer>(uniform(0, 0xFFFF)));
            for (Integer q = 0; q < survey.QuestionCount; ++q) {
                std::vector<Integer> values(static_cast<size_t>(uniform(0, survey.Questions[q].MaxAnswers)));
                for (Integer& v : values)
                    v = static_cast<Integer>(uniform(1, survey.Questions[q].ChoiceCount - 1));
                const auto count = static_cast<Integer>(values.size());
                values.push_back(0);
                zuntab::maAno_pushC(survey.AnswerLayout.data(), q, samples.Samples.answers(s), &count, values.data());
            }
        }
        for (Integer q = 0; q < survey.QuestionCount; ++q)
            if (uniform(0, 2) == 0)
                survey.QuestionLimit[q] = RandomCondition(2);
    }

    LimitItem RandomRow()
    {
        const auto q = static_cast<Integer>(uniform(0, survey.QuestionCount - 1));
        const int rank = uniform(0, 3) == 0 ? uniform(1, 2) : 0;
        return {static_cast<Integer>(rank * 16 + uniform(3, 4)),
                MakeQC(q, static_cast<Integer>(uniform(0, survey.Questions[q].ChoiceCount - 1)))};
    }

    Condition RandomCondition(int maxRows)
    {
        Condition cond{};
        if (uniform(0, 3) == 0)
            cond[0].Code = static_cast<Integer>(1 << uniform(0, 15));
        int i = 1;
        for (int rows = uniform(0, maxRows); rows > 0; --rows) {
            cond[static_cast<size_t>(i++)] = RandomRow();
            if (uniform(0, 2) == 0)
                cond[static_cast<size_t>(i++)] = {1, RandomRow().Code};
        }
        return cond;
    }

    TotalOptionRec RandomRequest()
    {
        TotalOptionRec option;
        option.Qno = static_cast<Integer>(uniform(0, survey.QuestionCount - 1));
        option.ToQno = static_cast<Integer>(uniform(option.Qno, survey.QuestionCount - 1));
        option.Rank = static_cast<Integer>(uniform(0, 2) == 0 ? uniform(1, 3) : 0);
        option.Limits[0] = RandomCondition(3);
        option.LimitCount = static_cast<Integer>(uniform(1, 4));
        for (int L = 1; L <= option.LimitCount; ++L)
            option.Limits[static_cast<size_t>(L)] = RandomCondition(3);
        return option;
    }

    // Checks every block of the sheet against VerstTotalC over the samples
    // at `positions(q, L)`; refused blocks stay uncounted.
    template <typename Positions>
    void ExpectCountsOfEachSample(const CountSheet& sheet, Positions positions)
    {
        const TotalOptionRec& option = sheet.SheetOption;
        const ResultTable& table = sheet.result;
        for (int L = 0; L < option.LimitCount; ++L) {
            for (Integer q = option.Qno; q <= option.ToQno; ++q) {
                SCOPED_TRACE(testing::Message() << "Q" << q << " column " << L);
                const std::optional<Condition> cond = WorkingCondition(survey, option, q, L);
                ASSERT_EQ(table.counted(q, L), cond.has_value());
                if (!cond)
                    continue;
                std::array<int32_t, MaxChoices> counts{};
                Long base = 0;
                for (Long s : positions(q, L))
                    base += zuntab::VerstTotalC(cond->data(), survey.AnswerLayout.data(), samples.Samples.flags(s),
                                                samples.Samples.answers(s), q, counts.data(), option.Rank);
                const int first = table.RowStart[q] + BlockHeadRows;
                const Integer choiceCount = survey.Questions[q].ChoiceCount;
                EXPECT_EQ(table.count(L, first + choiceCount), base);
                for (int row = first; row < first + choiceCount; ++row)
                    EXPECT_EQ(table.count(L, row), counts[static_cast<size_t>(QCChoice(table.code(L, row)))]) << row;
            }
        }
    }

    CountSheet Run(const TotalOptionRec& option, int threads = 1)
    {
        CountSheet sheet;
        sheet.SheetOption = option;
        RunCountSheet(workspace, sheet, {}, view_, threads);
        return sheet;
    }

    std::mt19937 rng_{20261209};
    test::ScriptedUi ui_;
    test::RecordingView view_;
};

// Up to 40,000 samples: several stretches, shared out among threads.
TEST_F(ColumnCountTest, EveryBlockCountsWhatEachSampleAddsUnderItsWorkingConditionOnAnyNumberOfThreads)
{
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        Reset();
        BuildSurvey(round % 4 == 0 ? uniform(20000, 40000) : uniform(0, 3000));
        const TotalOptionRec option = RandomRequest();
        std::vector<Long> all(static_cast<size_t>(SampleCount(samples)));
        std::iota(all.begin(), all.end(), 0);
        for (int threads : {1, 3}) {
            SCOPED_TRACE(threads);
            ExpectCountsOfEachSample(Run(option, threads), [&](Integer, int) { return all; });
        }
    }
}

TEST_F(ColumnCountTest, AStopWhileThreadsCountLeavesTheColumnUncounted)
{
    BuildSurvey(50000);
    LongJobPacing everyStep(0);
    view_.stopAtStatus = 1;
    TotalOptionRec option = RandomRequest();
    option.Limits = {};
    option.LimitCount = 2;
    const CountSheet sheet = Run(option, 4);
    for (int L = 0; L < 2; ++L)
        for (Integer q = option.Qno; q <= option.ToQno; ++q)
            EXPECT_FALSE(sheet.result.counted(q, L)) << q << "," << L;
    EXPECT_TRUE(view_.shownColumns.empty());
    EXPECT_EQ(view_.progress.size(), 1);
}

TEST_F(ColumnCountTest, RoughCountsDrawEachBlocksSamplesInBlockOrder)
{
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        Reset();
        BuildSurvey(uniform(0, 30000));
        TotalOptionRec option = RandomRequest();
        option.Rough = true;
        const auto seed = static_cast<unsigned>(round);
        std::mt19937_64 drawn(seed);
        const auto next = [](std::mt19937_64& g) { return static_cast<double>(g() >> 11) * 0x1.0p-53; };
        CountSheet sheet;
        {
            RoughRandomForTest random([&] { return next(drawn); });
            sheet = Run(option);
        }
        // The same numbers, block by block in column order, the refused
        // blocks drawing none.
        std::mt19937_64 replayed(seed);
        const Long roughSpan = SampleCount(samples) / 100;
        ExpectCountsOfEachSample(sheet, [&](Integer, int) {
            std::vector<Long> picked;
            for (Long s = 0; s < SampleCount(samples); s += static_cast<Long>(next(replayed) * roughSpan) + 1)
                picked.push_back(s);
            return picked;
        });
        EXPECT_EQ(next(drawn), next(replayed));  // as many numbers drawn
    }
}

// Boxes are answered only on the thread of the windows.
class BoxesOnThisThread : public test::ScriptedUi {
public:
    int messageBox(const QString& prompt, int style, const QString& title) override
    {
        EXPECT_EQ(std::this_thread::get_id(), thread_) << prompt.toStdString();
        return ScriptedUi::messageBox(prompt, style, title);
    }

private:
    std::thread::id thread_ = std::this_thread::get_id();
};

// The first report takes long enough for every thread to start counting.
class SlowFirstReport : public test::RecordingView {
public:
    bool showProgress(const QString& percent) override
    {
        if (progress.isEmpty())
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return RecordingView::showProgress(percent);
    }
};

TEST_F(ColumnCountTest, WithoutTheLibraryTheThreadsCountNothingAndOneMessageSaysSo)
{
    BuildSurvey(50000);
    zuntab::BindLibraryForTest("libkz_no_such_library.so");
    {
        BoxesOnThisThread ui;
        ui.expectBox(vbOK);
        LongJobPacing everyStep(0);
        CountSheet sheet;
        sheet.SheetOption.ToQno = 0;
        SlowFirstReport view;
        RunCountSheet(workspace, sheet, {}, view, 4);
        EXPECT_EQ(sheet.result.count(0, BaseRow(survey, sheet.result, 0)), 0);
        EXPECT_EQ(ui.boxes().size(), 1u);
    }
    zuntab::BindLibraryForTest({});
}

}  // namespace
}  // namespace kz
