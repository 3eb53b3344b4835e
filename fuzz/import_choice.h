// The import target's first byte: which importer reads the rest, and the
// import window's delimited settings.
//   bit 0     0 the text input format, 1 the delimited format
//   bits 1-2  the separator: 0 ",", 1 Tab, 2 " ", 3 ","
//   bits 3-4  the quote: 0 none, 1 '"', 2 "'", 3 none
//   bit 5     "記述文不要": questions without free-text choices have no text columns
#pragma once

#include <cstdint>

#include "imports/csv_fields.h"

namespace kz::fuzz {

struct ImportChoice {
    bool delimited = false;
    CsvSettings csv;
};

ImportChoice ImportChoiceOf(uint8_t first);
uint8_t ImportChoiceByte(const ImportChoice& choice);

}  // namespace kz::fuzz
