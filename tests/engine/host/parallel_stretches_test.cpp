// Work shared out in stretches among threads: every position once, each
// thread with its own worker number, and a stop that ends every thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "host/parallel_stretches.h"

namespace kz {
namespace {

TEST(ParallelStretches, EveryPositionIsDoneOnceByAWorkerBelowTheThreadCount)
{
    struct Case {
        qint64 n;
        qint64 stretch;
        int threads;
        int workersAtMost;  // never more threads than stretches
    };
    const Case cases[] = {
        {0, 10, 4, 1}, {1, 10, 4, 1}, {10, 10, 4, 1}, {11, 10, 4, 2}, {1000, 7, 4, 4}, {1000, 1, 1, 1}, {5, 0, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " by " << c.stretch << " on " << c.threads);
        std::vector<std::atomic<int>> times(static_cast<size_t>(c.n));
        std::mutex seen;
        std::set<int> workers;
        std::vector<qint64> polled;
        const bool whole = RunInStretches(
            c.n, c.stretch, c.threads,
            [&](int worker, qint64 first, qint64 last) {
                for (qint64 i = first; i < last; ++i)
                    ++times[static_cast<size_t>(i)];
                const std::lock_guard lock(seen);
                workers.insert(worker);
            },
            [&](qint64 done) {
                polled.push_back(done);
                return true;
            });
        EXPECT_TRUE(whole);
        for (const auto& t : times)
            EXPECT_EQ(t, 1);
        EXPECT_LE(workers.size(), static_cast<size_t>(c.workersAtMost));
        for (int worker : workers)
            EXPECT_TRUE(worker >= 0 && worker < c.workersAtMost) << worker;
        ASSERT_FALSE(polled.empty());
        EXPECT_TRUE(std::is_sorted(polled.begin(), polled.end()));
        EXPECT_LE(polled.back(), c.n);
    }
}

TEST(ParallelStretches, AStopEndsEveryThreadAfterTheStretchItIsOn)
{
    for (int threads : {1, 4}) {
        SCOPED_TRACE(threads);
        // The other threads hold on to their first stretch until the stop.
        std::atomic<bool> stopAsked{false};
        std::vector<std::atomic<int>> stretchesOf(static_cast<size_t>(threads));
        int polls = 0;
        const bool whole = RunInStretches(
            1'000'000, 10, threads,
            [&](int worker, qint64, qint64) {
                ++stretchesOf[static_cast<size_t>(worker)];
                while (worker > 0 && !stopAsked)
                    std::this_thread::yield();
            },
            [&](qint64) {
                stopAsked = ++polls == 3;
                return !stopAsked;
            });
        EXPECT_FALSE(whole);
        EXPECT_EQ(polls, 3);
        EXPECT_EQ(stretchesOf[0], 2);  // one after each poll that went on
        for (int worker = 1; worker < threads; ++worker)
            EXPECT_LE(stretchesOf[static_cast<size_t>(worker)], 1) << worker;
    }
}

}  // namespace
}  // namespace kz
