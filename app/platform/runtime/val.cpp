#include "runtime/val.h"

#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace kz {
namespace {

// Walks a text while skipping the blanks Val ignores anywhere.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(const QString& text) : text_(text) { skipBlanks(); }

    // The current character, or U+0000 at the end.
    QChar peek() const { return index_ < text_.size() ? text_[index_] : QChar(); }

    void advance()
    {
        ++index_;
        skipBlanks();
    }

    bool take(char16_t lower)
    {
        if (peek().toLower() != QChar(lower))
            return false;
        advance();
        return true;
    }

private:
    void skipBlanks()
    {
        while (index_ < text_.size()) {
            const char16_t c = text_[index_].unicode();
            if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
                break;
            ++index_;
        }
    }

    const QString& text_;
    qsizetype index_ = 0;
};

int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads digits of the given radix after an &H or &O prefix.
double RadixLiteral(BlankSkippingCursor& cursor, int radix)
{
    double magnitude = 0;
    for (int digit = DigitValue(cursor.peek()); digit >= 0 && digit < radix; digit = DigitValue(cursor.peek())) {
        magnitude = magnitude * radix + digit;
        cursor.advance();
    }
    if (magnitude <= 0xFFFF)
        return int16_t(uint16_t(magnitude));
    if (magnitude <= 0xFFFFFFFFu)
        return int32_t(uint32_t(magnitude));
    return magnitude;
}

bool IsDecimalDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Appends the decimal digits at the cursor; returns how many there were.
int TakeDigits(BlankSkippingCursor& cursor, std::string& out)
{
    int count = 0;
    for (; IsDecimalDigit(cursor.peek()); cursor.advance(), ++count)
        out += char(cursor.peek().unicode());
    return count;
}

double ParseCLocale(const std::string& number)
{
    // strtod follows LC_NUMERIC, which Qt sets from the user's locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

double DecimalNumber(BlankSkippingCursor& cursor)
{
    std::string number;
    if (cursor.peek() == u'-')
        number += '-';
    if (cursor.peek() == u'-' || cursor.peek() == u'+')
        cursor.advance();

    int mantissaDigits = TakeDigits(cursor, number);
    if (cursor.peek() == u'.') {
        number += '.';
        cursor.advance();
        mantissaDigits += TakeDigits(cursor, number);
    }
    if (mantissaDigits == 0)
        return 0;

    const QChar marker = cursor.peek().toLower();
    if (marker == u'e' || marker == u'd') {
        cursor.advance();
        std::string exponent = "e";
        if (cursor.peek() == u'-')
            exponent += '-';
        if (cursor.peek() == u'-' || cursor.peek() == u'+')
            cursor.advance();
        // An exponent marker without digits adds nothing: Val("1E") = 1.
        if (TakeDigits(cursor, exponent) > 0)
            number += exponent;
    }
    return ParseCLocale(number);
}

}  // namespace

double Val(const QString& text)
{
    BlankSkippingCursor cursor(text);
    double value = 0;
    if (cursor.take(u'&')) {
        if (cursor.take(u'h'))
            value = RadixLiteral(cursor, 16);
        else if (cursor.take(u'o'))
            value = RadixLiteral(cursor, 8);
    } else {
        value = DecimalNumber(cursor);
    }
    return value == 0 ? 0.0 : value;  // no "-0"
}

}  // namespace kz
