// Answer slots and reply lines as the reply notation's reader and writer
// both count them.
#pragma once

namespace kz {

struct Survey;

constexpr int SlotsPerQuestion = 128;

// Answer slots are numbered as their position codes, q * 128 + s, but as
// plain ints: a questionnaire of 256 questions ends at slot 32768.
constexpr int SlotOf(int q, int s) { return q * SlotsPerQuestion + s; }

// The first slot of reply line k of the questionnaire. Lines past the table, and bounds past the
// last question, are the end of the questionnaire.
int ReplyLineStart(const Survey& questionnaire, int k);

}  // namespace kz
