#include "chart_table.h"

#include <algorithm>
#include <cmath>

namespace kz::widgets {

ChartTable ChartTable::fromData(const QList<QVariantList>& data)
{
    ChartTable table;
    if (data.isEmpty())
        return table;
    for (qsizetype s = 1; s < data.front().size(); ++s)
        table.series << data.front().at(s).toString();
    table.values.resize(table.series.size());
    for (qsizetype c = 1; c < data.size(); ++c) {
        const QVariantList& row = data.at(c);
        table.categories << row.value(0).toString();
        for (qsizetype s = 0; s < table.series.size(); ++s)
            table.values[s] << row.value(s + 1).toDouble();
    }
    return table;
}

double ChartTable::top(qsizetype s, qsizetype c, bool stacked) const
{
    double sum = 0;
    for (qsizetype below = stacked ? 0 : s; below <= s; ++below)
        sum += values.at(below).value(c);
    return sum;
}

double ChartTable::highest(bool stacked) const
{
    double highest = 0;
    for (qsizetype s = 0; s < series.size(); ++s)
        for (qsizetype c = 0; c < categories.size(); ++c)
            highest = std::max(highest, top(s, c, stacked));
    return highest > 0 ? highest : 1;
}

bool ChartTable::wholeValues() const
{
    return std::ranges::all_of(values, [](const QList<double>& series) {
        return std::ranges::all_of(series, [](double value) { return value == std::floor(value); });
    });
}

}  // namespace kz::widgets
