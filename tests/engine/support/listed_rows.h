// A listing sheet for tests: it lists the samples at the given positions,
// in that order.
#pragma once

#include <QVector>

#include "document/listed_samples.h"

namespace kz::test {

class ListedRows : public ListedSamples {
public:
    explicit ListedRows(QVector<Long> rows) : rows_(std::move(rows)) {}
    Long EssayDnoCount() override { return Long(rows_.size()); }
    void EssayDnoReset() override { next_ = 0; }
    Long EssayDno() override { return next_ < rows_.size() ? rows_[next_++] : -1; }

private:
    QVector<Long> rows_;
    qsizetype next_ = 0;
};

}  // namespace kz::test
