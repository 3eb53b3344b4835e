// The data of a chart as the program hands it over: a table of variants
// whose first row names the series (from element 1), whose first column
// names the categories (from row 1) and whose other elements are the values.
// Series are drawn side by side or stacked; a stacked series starts where
// the one before it ended.
#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

namespace kz::widgets {

struct ChartTable {
    QStringList series;
    QStringList categories;
    // values[s][c]: series s, category c; a missing or non-numeric element is 0.
    QList<QList<double>> values;

    static ChartTable fromData(const QList<QVariantList>& data);

    // Where series s ends in category c: its value, or with stacking the sum
    // of the series up to it.
    double top(qsizetype s, qsizetype c, bool stacked) const;
    // The highest top of all, at least 1 so that an empty chart has a scale.
    double highest(bool stacked) const;
    // Every value is a whole number, as counts are.
    bool wholeValues() const;
};

}  // namespace kz::widgets
