#include "tabulation/listing_search.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <utility>

#include "runtime/val.h"
#include "tabulation/free_text_listing.h"

namespace kz {

namespace {

// Distinct texts are collected while they take fewer bytes than this.
constexpr qsizetype TallyBytes = 65000;
constexpr int TitleRow = 1;
constexpr int ColumnTitleRow = 2;
constexpr int FirstResultRow = 3;

// The search result columns: the marks beside the matching rows and their
// texts listed one under the other.
std::vector<SheetCell> SearchCells(const QStringList& texts, const QString& title, const QString& listTitle, int col,
                                   const std::function<bool(const QString&)>& matches)
{
    std::vector<SheetCell> cells{{TitleRow, col, title},
                                 {ColumnTitleRow, col, QStringLiteral("該当者")},
                                 {ColumnTitleRow, col + 1, listTitle}};
    int found = 0;
    for (int i = 0; i < texts.size(); ++i) {
        if (!matches(texts[i]))
            continue;
        cells.push_back({ListingFirstRow + i, col, QStringLiteral("■■")});
        cells.push_back({FirstResultRow + found, col + 1, texts[i]});
        ++found;
    }
    cells.push_back({FirstResultRow + found, col + 1, QStringLiteral("--- 計%1人 ---").arg(found)});
    return cells;
}

}  // namespace

std::vector<TextTally> TallyTexts(const QStringList& texts)
{
    std::vector<TextTally> tally;
    QHash<QString, size_t> index;
    qsizetype bytes = 0;
    for (const QString& text : texts) {
        const auto found = index.constFind(text);
        if (found != index.cend()) {
            ++tally[found.value()].count;
        } else if (bytes < TallyBytes) {
            index.insert(text, tally.size());
            tally.push_back({text, 1});
            bytes += text.size() * qsizetype{sizeof(char16_t)};
        }
    }
    for (size_t i = 0; i < tally.size(); ++i) {
        size_t largest = i;
        for (size_t j = i + 1; j < tally.size(); ++j)
            if (tally[j].count > tally[largest].count)
                largest = j;
        std::swap(tally[i], tally[largest]);
    }
    return tally;
}

std::vector<SheetCell> TallyCells(const QStringList& texts, int col)
{
    const std::vector<TextTally> tally = TallyTexts(texts);
    std::vector<SheetCell> cells{{ColumnTitleRow, col, QStringLiteral("順位")},
                                 {ColumnTitleRow, col + 1, QStringLiteral("数")},
                                 {ColumnTitleRow, col + 2, QStringLiteral("記述文")}};
    for (size_t i = 0; i < tally.size(); ++i) {
        const int row = FirstResultRow + static_cast<int>(i);
        // Equal counts share the rank of the first of them.
        const bool sharesRank = i > 0 && tally[i].count == tally[i - 1].count;
        cells.push_back({row, col, sharesRank ? QString() : QString::number(i + 1) + QStringLiteral("位")});
        cells.push_back({row, col + 1, QString::number(tally[i].count)});
        cells.push_back({row, col + 2, tally[i].text.isEmpty() ? QStringLiteral("/記述なし/") : tally[i].text});
    }
    cells.push_back({FirstResultRow + static_cast<int>(tally.size()), col + 2,
                     QStringLiteral("--- 以上%1種類 ---").arg(tally.size())});
    return cells;
}

std::vector<SheetCell> WordSearchCells(const QStringList& texts, const QStringList& words, int col)
{
    return SearchCells(texts, QStringLiteral("文字の検索"), QStringLiteral("該当の記述文一覧"), col,
                       [&words](const QString& text) {
                           return std::any_of(words.begin(), words.end(),
                                              [&text](const QString& word) { return text.contains(word); });
                       });
}

std::vector<SheetCell> RangeSearchCells(const QStringList& texts, double a, double b, int col)
{
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    return SearchCells(texts, QStringLiteral("数値の検索"), QStringLiteral("該当の数値一覧"), col,
                       [lo, hi](const QString& text) {
                           const double v = Val(text);
                           return lo <= v && v <= hi;
                       });
}

}  // namespace kz
