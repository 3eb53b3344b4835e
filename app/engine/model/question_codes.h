// QCodes (a question and a choice or answer slot in one Integer) and the
// one-character codes by which users type choices.
#pragma once

#include <QString>
#include <QStringView>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// QuestionRec::CodeStyle: the symbols that name choices 0, 1, 2, ...
enum CodeStyle : Integer {
    CodeStyleNumbers = 0,    // "0"-"9", then ".10." and so on
    CodeStyleLowercase = 1,  // "0"-"9", then "a" for 10 ... "z" for 35
    CodeStyleKatakana = 2,   // "0", then "ｱ" for 1 ... "ﾝ" for 45
    CodeStyleCapitals = 3,   // "0", then "A" for 1 ... "Z" for 26
};

// Q * 128 + C; a sum from 32768 folds to the negative Integer of the same bits.
Integer MakeQC(Integer q, Integer c);
// The choice (or slot): the low 7 bits.
Integer QCChoice(Integer code);
// Reads the code as unsigned 16 bits: q = code \ 128 (0 to 511), c = code Mod 128.
void SplitQC(Integer code, Integer& q, Integer& c);

// The typed code of choice c under question q's code style; "" for an
// unknown style or a question outside the table.
QString ChoiceCodeText(const Survey& questionnaire, Integer q, Integer c);
// The choice number a typed code stands for under q's code style: one
// character by the style's symbol set (0 when it is none of them), a longer
// or empty text by its number, rounded and held within the Integer range.
Integer ChoiceNumberFromCode(const Survey& questionnaire, Integer q, const QString& s);
Integer ChoiceNumberFromCode(const Survey& questionnaire, Integer q, QStringView s);

}  // namespace kz
