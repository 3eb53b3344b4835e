#include "host/long_job.h"

#include <algorithm>
#include <utility>

#include "host/ui_seam.h"

namespace kz {
namespace {

// Reports and event-loop turns come every 50 ms: twenty bar updates a
// second look smooth and a Stop click is answered well within the tenth of a
// second a user notices, while repainting and processing events (about a
// millisecond) take only a few percent of the job.
constexpr qint64 ReportIntervalMs = 50;

// Reading the clock takes some 40 ns, a quarter of the time a sample of a
// large file may take to load, so it is read only every `stride_` steps: the
// stride doubles while reads come less than this far apart and shrinks in
// proportion when they come further apart.
constexpr qint64 ClockReadSpacingMs = 1;
// Bounds how long a sudden run of slow steps can go without a clock read.
constexpr qint64 MaxStride = 1024;

qint64 pacingIntervalMs = ReportIntervalMs;
std::function<qint64()> pacingClock;

}  // namespace

LongJob::LongJob(qint64 total, QString label, Bar bar, Report report)
    : total_(total), label_(std::move(label)), bar_(bar), report_(std::move(report))
{
    timer_.start();
    lastClockRead_ = lastReport_ = now();
}

QString LongJob::text(qint64 i) const
{
    return label_ + u' ' + QString::number(i + 1) + u'/' + QString::number(total_);
}

bool LongJob::reportDue(qint64 i)
{
    if (stepsToClock_ <= 0) {
        const qint64 clock = now();
        const qint64 sinceLastRead = clock - lastClockRead_;
        const qint64 spacing = std::min(ClockReadSpacingMs, pacingIntervalMs);
        if (sinceLastRead < spacing)
            stride_ = std::min(stride_ * 2, MaxStride);
        else if (sinceLastRead > spacing)
            stride_ = std::max<qint64>(1, stride_ * spacing / sinceLastRead);
        stepsToClock_ = stride_;
        lastClockRead_ = clock;
        if (clock - lastReport_ >= pacingIntervalMs)
            return true;
    }
    return i + 1 >= total_;
}

bool LongJob::report(qint64 i, const QString& text)
{
    // The events first, so that a Stop clicked in them is answered by this report.
    ui().yieldToEvents();
    float ratio = 0;
    if (bar_ == Bar::Fills)
        ratio = total_ > 0 ? static_cast<float>(std::min(i + 1, total_)) / static_cast<float>(total_) : 1;
    stopped_ = !(report_ ? report_(text, ratio) : ui().setProcessingProgress(text, ratio));
    // The time spent with the user (a stop's question box) counts for neither pace.
    lastClockRead_ = lastReport_ = now();
    return !stopped_;
}

qint64 LongJob::now() const { return pacingClock ? pacingClock() : timer_.elapsed(); }

LongJobPacing::LongJobPacing(qint64 intervalMs, std::function<qint64()> clock)
    : previousIntervalMs_(std::exchange(pacingIntervalMs, intervalMs)),
      previousClock_(std::exchange(pacingClock, std::move(clock)))
{}

LongJobPacing::~LongJobPacing()
{
    pacingIntervalMs = previousIntervalMs_;
    pacingClock = std::move(previousClock_);
}

}  // namespace kz
