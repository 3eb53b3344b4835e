#include "imports/import_record.h"

#include <algorithm>

#include "runtime/cp932.h"

namespace kz {

QString DecodeImportLine(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    return ascii ? QString::fromLatin1(bytes) : FromCp932(bytes.toByteArray());
}

QString ShownPart(QStringView text)
{
    constexpr qsizetype Longest = 40;
    return text.size() <= Longest ? text.toString() : text.left(Longest).toString() + u'…';
}

ImportRecord RefusedLine(ImportLines::Read read, QByteArrayView line)
{
    switch (read) {
    case ImportLines::Read::Binary:
        return RefusedRecord(QStringLiteral("文字でないデータ(NUL)を含む行です。テキストファイルではないようです。"
                                            "この行は取り込みません。"),
                             QStringLiteral("文字でないデータを含む行です"));
    default:
        return RefusedRecord(
            QStringLiteral("記述のくくり文字が閉じないまま行が終わっています。この行は取り込みません:")
                + ShownPart(DecodeImportLine(line)),
            QStringLiteral("くくり文字が閉じていません"));
    }
}

ImportRecord RefusedRecord(const QString& message, const QString& status, int icon)
{
    ImportRecord record;
    record.kind = ImportRecord::Kind::Refused;
    record.message = message;
    record.status = status;
    record.icon = icon;
    return record;
}

ImportRecord FailedRecord(const QString& why, const QString& builtSoFar)
{
    ImportRecord record;
    record.kind = ImportRecord::Kind::Failed;
    record.reply = builtSoFar;
    record.message = why + QStringLiteral("\r\n") + builtSoFar + QStringLiteral("\r\nまで読み込んでいました。");
    return record;
}

}  // namespace kz
