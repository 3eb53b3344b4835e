// The records of one questionnaire.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "runtime/vbtypes.h"
#include "zuntab.h"  // AnswerLayoutRec and LimitItem: the library reads them by position

namespace kz {

// One question. Text holds at most 128 characters: label, sentence and the
// description of its limit, each ended by CR.
struct QuestionRec {
    QString Text;
    Integer MaxAnswers = 0;
    Integer ChoiceCount = 0;
    Integer CodeStyle = 0;
};

// Bits of ChoiceRec::Attr.
enum ChoiceAttr : Integer {
    AttrEssay = 0,      // free text goes with the choice
    AttrQuantity = 1,   // with AttrEssay: the text is a quantity between Low and High
    AttrExclusive = 2,  // may not stand beside other answers
    AttrOther = 3,      // the question's "other" choice
    AttrCoded = 4,      // with AttrEssay: the text is a code of CodeFile
    AttrMultiple = 5,   // multiple selection
};

struct ChoiceRec {
    QString Text;
    double Low = 0;
    double High = 0;
    QString CodeFile;
    Integer Attr = 0;
};

// A condition: entry 0 is the head, rows follow until a KindRank of 0.
using Condition = std::array<LimitItem, ZUNTAB_CONDITION_ENTRIES>;

inline constexpr int MaxQuestions = 256;
inline constexpr int MaxChoices = 128;
inline constexpr int StoredLimitCount = 16;

}  // namespace kz
