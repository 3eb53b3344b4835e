#include "imports/answer_fields.h"

#include <optional>

#include "imports/import_encoding.h"
#include "imports/import_lines.h"
#include "imports/import_record.h"
#include "runtime/cp932.h"

namespace kz {

namespace {

const QString DistField = QStringLiteral("KZDSTNCTNNAME");
constexpr qsizetype NameLimit = 16;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The length of the character reference "&#" digits ";" at `at` of W, 0
// when none stands there. A browser writes so a character that the form's
// encoding lacks.
qsizetype ReferenceLength(QStringView W, qsizetype at)
{
    if (!W.mid(at).startsWith(u"&#"))
        return 0;
    qsizetype end = at + 2;
    while (end < W.size() && IsDigit(W[end]))
        ++end;
    return end > at + 2 && end < W.size() && W[end] == u';' ? end + 1 - at : 0;
}

// The posted field's end: the first "&" from `from` that begins no
// character reference; W's end when there is none.
qsizetype PostedFieldEnd(const QString& W, qsizetype from)
{
    for (qsizetype amp = W.indexOf(u'&', from); amp >= 0; amp = W.indexOf(u'&', amp + 1)) {
        if (ReferenceLength(W, amp) == 0)
            return amp;
    }
    return W.size();
}

// The character a reference stands for, as CP932 holds it; none for a
// number that is no character, a character CP932 lacks and a control
// character (no form's text sends one so).
std::optional<QString> ReferencedCharacter(QStringView digits)
{
    bool ok = false;
    const uint code = digits.toUInt(&ok);
    if (!ok || code < 0x20 || code == 0x7F || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return std::nullopt;
    const char32_t ucs4 = code;
    const QByteArray bytes = ToCp932(QString::fromUcs4(&ucs4, 1));
    if (bytes == "?" && code != u'?')
        return std::nullopt;
    return FromCp932(bytes);
}

// A posted value with each character reference replaced by its character
// where CP932 has one; the others stay as written, so nothing is lost.
QString WithReferencedCharacters(const QString& value)
{
    QString read;
    qsizetype copied = 0;
    for (qsizetype at = value.indexOf(u"&#"); at >= 0; at = value.indexOf(u"&#", at + 1)) {
        const qsizetype length = ReferenceLength(value, at);
        if (length == 0)
            continue;
        const std::optional<QString> character = ReferencedCharacter(QStringView(value).mid(at + 2, length - 3));
        if (character) {
            read += QStringView(value).mid(copied, at - copied);
            read += *character;
            copied = at + length;
        }
        at += length - 1;
    }
    if (copied == 0)
        return value;
    read += QStringView(value).mid(copied);
    return read;
}

QString NextPostedField(const QString& W, QString& Name, qsizetype& P)
{
    const qsizetype start = P;
    const qsizetype amp = PostedFieldEnd(W, start);
    P = std::min(amp + 1, W.size());
    // Only within the field: a search to the end of the file for every
    // field would take time in the square of the file's length.
    const qsizetype inField = QStringView(W).mid(start, amp - start).indexOf(u'=');
    if (inField < 0 || inField >= NameLimit)
        return {};
    const qsizetype eq = start + inField;
    const QString value = W.mid(eq + 1, amp - eq - 1);
    if (value.isEmpty())
        return {};
    Name = W.mid(start, eq - start);
    return WithReferencedCharacters(value);
}

QString NextMailItem(const QString& W, QString& Name, qsizetype& P)
{
    const qsizetype hash = W.indexOf(u'#', P);
    const qsizetype open = hash < 0 ? -1 : W.indexOf(u'(', hash);
    const qsizetype close = open < 0 ? -1 : W.indexOf(u')', open);
    if (close < 0) {
        P = W.size();
        return {};
    }
    const QString item = W.mid(hash + 1, open - hash - 1);
    QString mark = W.mid(open + 1, close - open - 1);
    TrimSpaces(mark);
    P = close + 1;
    if (mark.isEmpty())
        return {};
    if (item == DistField) {
        Name = DistField;
        return mark;
    }
    if (!item.startsWith(u'E')) {
        Name = QStringLiteral("KZANSQ");
        return QStringLiteral("KZCH") + item;
    }
    if (mark == QLatin1String("*")) {
        // The text follows the item, up to the next item or line break.
        qsizetype end = P;
        while (end < W.size() && W[end] != u'&' && W[end] != u'#')
            ++end;
        mark = W.mid(P, end - P);
        TrimSpaces(mark);
        if (mark.isEmpty())
            return {};
    }
    Name = QStringLiteral("KZES") + item.mid(1);
    return mark;
}

}  // namespace

std::optional<QString> ReadAnswerFile(const QString& path, QString& why, const std::function<bool(qint64 read)>& goOn)
{
    why.clear();
    ImportLines lines;
    if (!lines.open(path, 0)) {
        why = lines.errorString();
        return std::nullopt;
    }
    // The check reads as much of a large file as the reading below does, so
    // it asks `goOn` as well.
    bool stopped = false;
    why = ImportEncodingProblem(path, [&](qint64 read) {
        stopped = goOn && !goOn(read);
        return !stopped;
    });
    if (stopped || !why.isEmpty())
        return std::nullopt;
    QString W;
    for (;;) {
        if (goOn && !goOn(lines.pos()))
            return std::nullopt;
        QByteArrayView line;
        const ImportLines::Read read = lines.next(line);
        if (read == ImportLines::Read::End)
            break;
        if (read == ImportLines::Read::Failed) {
            why = lines.errorString();
            return std::nullopt;
        }
        if (read != ImportLines::Read::Line) {
            why = RefusedLine(read, line).message;
            return std::nullopt;
        }
        W += line.isEmpty() ? QStringLiteral("&") : DecodeImportLine(line);
    }
    return W + u'&';
}

bool IsMailAnswer(const QString& W) { return W.contains(QLatin1String("EMAIL")); }

void TrimSpaces(QString& S)
{
    qsizetype first = 0;
    while (first < S.size() && S[first] == u' ')
        ++first;
    qsizetype last = S.size();
    while (last > first && S[last - 1] == u' ')
        --last;
    S = S.mid(first, last - first);
}

QString NextAnswerField(const QString& W, QString& Name, qsizetype& P, bool MailMode)
{
    Name.clear();
    if (P >= W.size()) {
        P = W.size();
        return {};
    }
    return MailMode ? NextMailItem(W, Name, P) : NextPostedField(W, Name, P);
}

}  // namespace kz
