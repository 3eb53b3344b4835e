#include "model/question_codes.h"

#include <cstdint>

#include "model/survey.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

// Single-byte codes of the Japanese ANSI code page: ASCII below 0x80 and the
// half-width katakana 0xA1 to 0xDF. Every other code is a lead byte, an
// unassigned code or no single byte at all.
constexpr int FirstKatakanaCode = 0xA1;
constexpr int LastKatakanaCode = 0xDF;
constexpr char16_t FirstKatakana = u'\uFF61';

// The character of a single-byte code; a code that is no character of its
// own gives "?" (a code style run past its symbols reaches them).
QString AnsiCharacter(int code)
{
    if (code >= 0 && code < 0x80)
        return QString(QChar(code));
    if (code >= FirstKatakanaCode && code <= LastKatakanaCode)
        return QString(QChar(FirstKatakana + (code - FirstKatakanaCode)));
    return QStringLiteral("?");
}

// The single-byte code of a character, -1 for any other character.
int AnsiCode(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80)
        return u;
    if (u >= FirstKatakana && u <= FirstKatakana + (LastKatakanaCode - FirstKatakanaCode))
        return FirstKatakanaCode + (u - FirstKatakana);
    return -1;
}

bool InRange(int a, char low, char high) { return a >= low && a <= high; }

Integer StyleOf(const Survey& questionnaire, Integer q)
{
    if (q < 0 || q >= MaxQuestions)
        return -1;
    return questionnaire.Questions[q].CodeStyle;
}

// One typed character under a style; 0 for a character outside its set.
Integer ChoiceNumberFromCharacter(Integer style, int a)
{
    if (InRange(a, '0', '9'))
        return static_cast<Integer>(style >= CodeStyleNumbers && style <= CodeStyleCapitals ? a - '0' : 0);
    switch (style) {
    case CodeStyleNumbers:
    case CodeStyleLowercase:
    case CodeStyleKatakana:
        if (InRange(a, 'A', 'Z'))
            return static_cast<Integer>(a - 55);
        if (InRange(a, 'a', 'z'))
            return static_cast<Integer>(a - 87);
        if (a >= 177 && a <= 221)
            return static_cast<Integer>(a - 176);
        return 0;
    case CodeStyleCapitals:
        if (InRange(a, 'A', 'Z'))
            return static_cast<Integer>(a - 64);
        if (InRange(a, 'a', 'z'))
            return static_cast<Integer>(a - 96);
        return 0;
    default:
        return 0;
    }
}

}  // namespace

Integer MakeQC(Integer q, Integer c) { return static_cast<Integer>(static_cast<uint16_t>(q * 128 + c)); }

Integer QCChoice(Integer code) { return static_cast<Integer>(code & 0x7F); }

void SplitQC(Integer code, Integer& q, Integer& c)
{
    const auto u = static_cast<uint16_t>(code);
    q = static_cast<Integer>(u / 128);
    c = static_cast<Integer>(u % 128);
}

QString ChoiceCodeText(const Survey& questionnaire, Integer q, Integer c)
{
    if (c < 0)
        return {};
    switch (StyleOf(questionnaire, q)) {
    case CodeStyleNumbers:
        if (c < 10)
            return QString::number(c);
        return QLatin1Char('.') + QString::number(c) + QLatin1Char('.');
    case CodeStyleLowercase:
        return c < 10 ? QString::number(c) : AnsiCharacter(c + 87);
    case CodeStyleKatakana:
        return c == 0 ? QStringLiteral("0") : AnsiCharacter(c + 176);
    case CodeStyleCapitals:
        return c == 0 ? QStringLiteral("0") : AnsiCharacter(c + 64);
    default:
        return {};
    }
}

Integer ChoiceNumberFromCode(const Survey& questionnaire, Integer q, const QString& s)
{
    return ChoiceNumberFromCode(questionnaire, q, QStringView(s));
}

Integer ChoiceNumberFromCode(const Survey& questionnaire, Integer q, QStringView s)
{
    if (s.size() == 1)
        return ChoiceNumberFromCharacter(StyleOf(questionnaire, q), AnsiCode(s.at(0)));
    const double number = Val(s.toString());
    if (FitsInteger(number))
        return CInt(number);
    // Out of the Integer range: the nearest Integer, which no question has as a choice.
    return number > 0 ? INT16_MAX : INT16_MIN;
}

}  // namespace kz
