#include "tabulation/result_order.h"

#include <array>
#include <utility>

#include "model/question_codes.h"
#include "model/survey.h"
#include "tabulation/result_table.h"

namespace kz {

void SortResultRows(const Survey& questionnaire, ResultTable& table, Integer q, int L, bool byCount)
{
    const int n = questionnaire.Questions[q].ChoiceCount;
    const int first = table.RowStart[q] + BlockHeadRows;
    std::array<Long, MaxChoices> countOf{};
    for (int i = 0; i < n; ++i)
        countOf[static_cast<size_t>(QCChoice(table.code(L, first + i)))] = table.count(L, first + i);

    std::array<Integer, MaxChoices> order{};
    for (int i = 0; i + 1 < n; ++i)
        order[static_cast<size_t>(i)] = static_cast<Integer>(i + 1);
    order[static_cast<size_t>(n - 1)] = 0;
    const auto countAt = [&](int i) { return countOf[static_cast<size_t>(order[static_cast<size_t>(i)])]; };
    if (byCount) {
        for (int i = 0; i < n; ++i) {
            int m = i;
            for (int j = i; j < n; ++j)
                if (countAt(m) < countAt(j))
                    m = j;
            std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(m)]);
        }
    }

    for (int i = 0; i < n; ++i) {
        const Integer c = order[static_cast<size_t>(i)];
        table.code(L, first + i) = MakeQC(q, c);
        table.count(L, first + i) = countOf[static_cast<size_t>(c)];
    }
}

}  // namespace kz
