#include "imports/text_input_import.h"

#include "host/settings.h"
#include "model/sample_table.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The lines of one record. A line that is no text counts as a line that is
// not empty, so the record still ends where it should, but it spoils the
// record: nothing of it is entered.
class RecordLines {
public:
    enum class Kind { Text, Empty, End };

    explicit RecordLines(ImportLines& lines) : lines_(lines) {}

    Kind next(QString& text)
    {
        QByteArrayView bytes;
        const ImportLines::Read read = lines_.next(bytes);
        text.clear();
        switch (read) {
        case ImportLines::Read::Line:
            text = DecodeImportLine(bytes);
            return text.isEmpty() ? Kind::Empty : Kind::Text;
        case ImportLines::Read::End:
            return Kind::End;
        case ImportLines::Read::Failed:
            failed_ = true;
            return Kind::End;
        default:
            if (!spoiled())
                spoiler_ = RefusedLine(read, bytes);
            return Kind::Text;
        }
    }
    // Skips empty lines; the first other line, or End.
    Kind nextNonEmpty(QString& text)
    {
        Kind kind = Kind::Empty;
        while (kind == Kind::Empty)
            kind = next(text);
        return kind;
    }

    bool failed() const { return failed_; }
    bool spoiled() const { return spoiler_.kind == ImportRecord::Kind::Refused; }
    // The refusal of the first line that spoiled the record.
    const ImportRecord& spoiler() const { return spoiler_; }

private:
    ImportLines& lines_;
    bool failed_ = false;
    ImportRecord spoiler_;
};

QString IDInUse(Long ID)
{
    return QStringLiteral("IDが重複しています(") + QString::number(ID) + QStringLiteral(")。");
}

}  // namespace

std::optional<Long> IDLineValue(const QString& line, bool& outOfRange)
{
    outOfRange = false;
    if (line.contains(u'/'))
        return std::nullopt;
    qsizetype marker = line.indexOf(u'=');
    if (marker < 0)
        marker = line.indexOf(u'*');
    if (marker < 0)
        return std::nullopt;
    const double value = Val(line.mid(marker + 1));
    if (!FitsLong(value)) {
        outOfRange = true;
        return std::nullopt;
    }
    return CLng(value);
}

ImportRecord ReadTextInputRecord(SampleTable& table, const Settings& computer, ImportLines& lines)
{
    RecordLines record(lines);
    QString first;
    if (record.nextNonEmpty(first) == RecordLines::Kind::End)
        return record.failed() ? FailedRecord(lines.errorString(), QString()) : ImportRecord{};

    bool outOfRange = false;
    const std::optional<Long> lineID = IDLineValue(first, outOfRange);
    const bool headed = lineID || outOfRange;
    QString reply = headed ? QString() : first + CrLf;
    QString text;
    RecordLines::Kind kind = RecordLines::Kind::Text;
    if (headed) {
        kind = record.nextNonEmpty(text);
        if (kind == RecordLines::Kind::Text)
            reply += text + CrLf;
    }
    while (kind == RecordLines::Kind::Text) {
        kind = record.next(text);
        if (kind != RecordLines::Kind::End)
            reply += text + CrLf;
    }

    if (record.failed())
        return FailedRecord(lines.errorString(), reply);
    if (record.spoiled())
        return record.spoiler();
    if (outOfRange) {
        const QString status = QStringLiteral("ID番号の指定が正しくありません");
        return RefusedRecord(status + u':' + first, status);
    }
    const Long ID = lineID ? *lineID : NextFreeID(table, computer);
    if (!lineID && ID == -1) {
        const QString message = QStringLiteral("割り当て番号がいっぱいになりました。");
        return RefusedRecord(message, message);
    }
    if (FindSampleByID(table.Samples, ID) != -1)
        return RefusedRecord(IDInUse(ID), IDInUse(ID));
    ImportRecord result;
    result.kind = ImportRecord::Kind::Sample;
    result.ID = ID;
    result.reply = reply;
    return result;
}

}  // namespace kz
