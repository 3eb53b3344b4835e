#include "import_choice.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace kz::fuzz {

namespace {

constexpr std::array<char16_t, 4> Separators = {u',', u'\t', u' ', u','};
constexpr std::array<char16_t, 4> Quotes = {0, u'"', u'\'', 0};

uint8_t IndexOf(const std::array<char16_t, 4>& table, QChar c)
{
    return static_cast<uint8_t>(std::find(table.begin(), table.end(), c.unicode()) - table.begin());
}

}  // namespace

ImportChoice ImportChoiceOf(uint8_t first)
{
    ImportChoice choice;
    choice.delimited = (first & 1) != 0;
    choice.csv.separator = QChar(Separators[(first >> 1) & 3]);
    choice.csv.quote = QChar(Quotes[(first >> 3) & 3]);
    choice.csv.noEssay = (first & 0x20) != 0;
    return choice;
}

uint8_t ImportChoiceByte(const ImportChoice& choice)
{
    return static_cast<uint8_t>((choice.delimited ? 1 : 0) | IndexOf(Separators, choice.csv.separator) << 1
                                | IndexOf(Quotes, choice.csv.quote) << 3 | (choice.csv.noEssay ? 0x20 : 0));
}

}  // namespace kz::fuzz
