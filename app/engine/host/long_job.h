// A long loop steps through a LongJob: it reports progress to the progress
// window, lets the event loop run and passes on the user's stop, paced by
// time rather than by item count, the same for every job.
//
//     LongJob job(n, QStringLiteral("回答"));
//     for (Long i = 0; i < n; ++i) {
//         if (!job.step(i))
//             return false;  // stopped
//         ...
//     }
#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>

namespace kz {

class LongJob {
public:
    // Whether the progress bar follows the items; a first phase whose bar
    // belongs to the phase after it leaves the bar empty.
    enum class Bar { Fills, StaysEmpty };

    // Where reports go: the text, the share done (0 to 1); false stops the
    // job. A job without one reports to the progress window.
    using Report = std::function<bool(const QString& text, float ratio)>;

    LongJob(qint64 total, QString label, Bar bar = Bar::Fills, Report report = {});

    // Called for item i (0-based) of `total`; false once the user has
    // stopped, and for every step after that. A report, "label i+1/total",
    // goes out when the interval has passed since the last one, and always
    // for the last item (or any past it), so that the bar reaches its end.
    bool step(qint64 i)
    {
        return step(i, [this, i] { return text(i); });
    }
    // As above with the caller's text, made only when a report goes out.
    template <typename MakeText>
    bool step(qint64 i, MakeText&& makeText)
    {
        if (stopped_)
            return false;
        if (--stepsToClock_ > 0 && i + 1 < total_)
            return true;
        return !reportDue(i) || report(i, makeText());
    }

    // The default text for item i: "回答 3/10".
    QString text(qint64 i) const;

private:
    bool reportDue(qint64 i);
    bool report(qint64 i, const QString& text);
    qint64 now() const;

    qint64 total_;
    QString label_;
    Bar bar_;
    Report report_;
    QElapsedTimer timer_;
    qint64 stride_ = 1;
    qint64 stepsToClock_ = 1;
    qint64 lastClockRead_ = 0;
    qint64 lastReport_ = 0;
    bool stopped_ = false;
};

// For tests: while this lives, jobs report once `intervalMs` have passed
// (0: at every step), timed by `clock` in milliseconds when one is given.
class LongJobPacing {
public:
    explicit LongJobPacing(qint64 intervalMs, std::function<qint64()> clock = {});
    ~LongJobPacing();
    LongJobPacing(const LongJobPacing&) = delete;
    LongJobPacing& operator=(const LongJobPacing&) = delete;

private:
    qint64 previousIntervalMs_;
    std::function<qint64()> previousClock_;
};

}  // namespace kz
