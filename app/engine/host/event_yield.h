// Long loops let the event loop run every few tens of milliseconds, not per
// item, so that the progress window's Stop is seen without slowing the loop.
#pragma once

#include <QElapsedTimer>

#include "host/ui_seam.h"

namespace kz {

class EventYield {
public:
    EventYield() { timer_.start(); }

    void operator()()
    {
        if (timer_.elapsed() < IntervalMs)
            return;
        ui().yieldToEvents();
        timer_.restart();
    }

private:
    static constexpr qint64 IntervalMs = 30;
    QElapsedTimer timer_;
};

}  // namespace kz
