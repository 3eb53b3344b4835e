#include "host/parallel_stretches.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace kz {

int AllCores() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

bool RunInStretches(qint64 n, qint64 stretch, int threads,
                    const std::function<void(int worker, qint64 first, qint64 last)>& work,
                    const std::function<bool(qint64 done)>& poll)
{
    stretch = std::max<qint64>(stretch, 1);
    const qint64 stretches = n > 0 ? (n + stretch - 1) / stretch : 0;
    std::atomic<qint64> next{0};
    std::atomic<qint64> done{0};
    std::atomic<bool> stopped{false};
    // Takes the next stretch and does it; false when none is left.
    const auto doNext = [&](int worker) {
        const qint64 index = next.fetch_add(1, std::memory_order_relaxed);
        if (index >= stretches)
            return false;
        const qint64 first = index * stretch;
        const qint64 last = std::min(n, first + stretch);
        work(worker, first, last);
        done.fetch_add(last - first, std::memory_order_relaxed);
        return true;
    };
    const int workers = static_cast<int>(std::clamp<qint64>(stretches, 1, std::max(threads, 1)));
    {
        // Joined at the end of the block, after the calling thread's last stretch.
        std::vector<std::jthread> others;
        for (int worker = 1; worker < workers; ++worker)
            others.emplace_back([&, worker] {
                while (!stopped.load(std::memory_order_relaxed) && doNext(worker)) {
                }
            });
        while (true) {
            if (!poll(done.load(std::memory_order_relaxed))) {
                stopped.store(true, std::memory_order_relaxed);
                break;
            }
            if (!doNext(0))
                break;
        }
    }
    return !stopped.load(std::memory_order_relaxed);
}

}  // namespace kz
