// Dates and times as the tables keep them: days since 1899-12-30 in local
// time, the time of day as the fraction.
#pragma once

#include <QDateTime>

namespace kz {

inline double DayCount(const QDateTime& when)
{
    const QDateTime local = when.toLocalTime();
    return static_cast<double>(QDate(1899, 12, 30).daysTo(local.date()))
           + local.time().msecsSinceStartOfDay() / 86'400'000.0;
}

inline double NowAsDayCount() { return DayCount(QDateTime::currentDateTime()); }

}  // namespace kz
