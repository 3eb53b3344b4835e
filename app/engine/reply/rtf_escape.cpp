#include "reply/rtf_escape.h"

#include "runtime/cp932.h"

namespace kz {

namespace {

bool NeedsEscape(QChar ch)
{
    // Braces too: unescaped they would open and close groups and swallow the text.
    return ch.unicode() < 32 || ch.unicode() >= 128 || ch == u'\\' || ch == u'{' || ch == u'}';
}

}  // namespace

QString RtfEscape(const QString& s)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (!NeedsEscape(s[i])) {
            out += s[i];
            continue;
        }
        // A surrogate pair is one character.
        const qsizetype length = s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
        for (const char byte : ToCp932(s.mid(i, length))) {
            const auto b = static_cast<unsigned char>(byte);
            out += QStringLiteral("\\'") + QLatin1Char(Hex[b >> 4]) + QLatin1Char(Hex[b & 0x0F]);
        }
        i += length - 1;
    }
    return out;
}

}  // namespace kz
