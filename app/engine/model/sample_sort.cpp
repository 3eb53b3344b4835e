#include "model/sample_sort.h"

#include <algorithm>
#include <span>
#include <vector>

#include "host/long_job.h"

namespace kz {

namespace {

// A record's ID and its position before the sort.
struct SortKey {
    Long id;
    Long pos;
};

bool IdLess(const SortKey& a, const SortKey& b) { return a.id < b.id; }

// Runs this long are sorted in one go before the merge passes.
constexpr qsizetype RunLength = 4096;

// Reports the work done as the share of the positions sorted; false once the
// user has stopped the job.
class SortProgress {
public:
    SortProgress(qsizetype count, qint64 totalWork)
        : job_(count, QStringLiteral("ID並び替え")), count_(count), totalWork_(totalWork)
    {}

    bool advance(qint64 work)
    {
        done_ += work;
        return job_.step(done_ * count_ / totalWork_ - 1);
    }

private:
    LongJob job_;
    qsizetype count_;
    qint64 totalWork_;
    qint64 done_ = 0;
};

int MergePasses(qsizetype count)
{
    int passes = 0;
    for (qsizetype width = RunLength; width < count; width *= 2)
        ++passes;
    return passes;
}

// Stable merge sort of the keys by ID in steps between which the progress is
// reported; false when stopped (the keys are then of no use).
bool SortKeys(std::vector<SortKey>& keys, SortProgress& progress)
{
    const auto n = static_cast<qsizetype>(keys.size());
    for (qsizetype lo = 0; lo < n; lo += RunLength) {
        const qsizetype hi = std::min(lo + RunLength, n);
        std::stable_sort(keys.begin() + lo, keys.begin() + hi, IdLess);
        if (!progress.advance(hi - lo))
            return false;
    }
    std::vector<SortKey> merged(keys.size());
    for (qsizetype width = RunLength; width < n; width *= 2) {
        for (qsizetype lo = 0; lo < n; lo += 2 * width) {
            const qsizetype mid = std::min(lo + width, n);
            const qsizetype hi = std::min(lo + 2 * width, n);
            // std::merge takes equal IDs from the first run first: stable.
            std::merge(keys.begin() + lo, keys.begin() + mid, keys.begin() + mid, keys.begin() + hi,
                       merged.begin() + lo, IdLess);
            if (!progress.advance(hi - lo))
                return false;
        }
        keys.swap(merged);
    }
    return true;
}

}  // namespace

bool IsSampleOrderOK(const SampleStore& table)
{
    const std::span<const Long> ids = table.ids();
    return std::is_sorted(ids.begin(), ids.end());
}

bool SortSamplesByID(SampleStore& table)
{
    if (IsSampleOrderOK(table))
        return true;
    const std::span<const Long> ids = table.ids();
    const auto n = static_cast<qsizetype>(ids.size());
    std::vector<SortKey> keys(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        keys[i] = {ids[i], static_cast<Long>(i)};

    SortProgress progress(n, static_cast<qint64>(n) * (1 + MergePasses(n)));
    if (!SortKeys(keys, progress))
        return false;

    std::vector<Long> order(keys.size());
    std::transform(keys.begin(), keys.end(), order.begin(), [](const SortKey& key) { return key.pos; });
    table.permute(order);
    return true;
}

}  // namespace kz
