#include "imports/delimited_import.h"

#include "model/question_codes.h"
#include "model/sample_table.h"
#include "reply/paragraph_table.h"
#include "reply/reply_text_form.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A choice field as reply notation: one character is a choice symbol of the
// question's set, anything longer (or nothing) a number between dots.
void AppendChoiceField(QString& reply, QStringView field)
{
    if (field.size() == 1) {
        reply += field.front();
        return;
    }
    reply += u'.';
    reply += field;
    reply += u'.';
}

bool IsExclusive(const Survey& survey, Integer q, Integer c)
{
    return c >= 0 && c < survey.Questions[q].ChoiceCount && (survey.Choices(q, c).Attr & (1 << AttrExclusive)) != 0;
}

// The number of fields left, when any of them holds something; else 0.
qsizetype FieldsLeft(QStringView fields, const CsvSettings& csv)
{
    bool any = false;
    qsizetype count = 0;
    QString unquoted;
    for (; !fields.isEmpty(); ++count)
        any = !NextCSVField(fields, csv, unquoted).isEmpty() || any;
    return any ? count : 0;
}

}  // namespace

QString DelimitedReply(const Workspace& ws, QStringView& fields, const CsvSettings& csv,
                       const std::vector<bool>& textColumns)
{
    const Survey& survey = ws.survey;
    QString reply;
    // Each field gives at most itself and two marks, each question a "-".
    reply.reserve(fields.size() + 2 * survey.AnswerSlotCount + 3 * survey.QuestionCount);
    QString unquoted;
    int paragraph = 0;
    for (Integer q = 0; q < survey.QuestionCount; ++q) {
        const bool texts = textColumns[size_t(q)];
        Integer C = 0;
        // Once the question's answers are over, its "-" is written at once:
        // the lines of its later slots are then empty, and the entry window
        // would pass over an empty line that it stands at the start of.
        bool over = false;
        for (Integer s = 0; s < survey.Questions[q].MaxAnswers; ++s) {
            if (LineStartsAt(survey, paragraph, q, s)) {
                ++paragraph;
                reply += CrLf;
            }
            const QStringView F = NextCSVField(fields, csv, unquoted);
            const Integer lastWritten = C;
            if (F.size() < 4)
                C = ChoiceNumberFromCode(q, F);
            if (!over && s > 0 && (IsExclusive(survey, q, lastWritten) || C == 0)) {
                over = true;
                reply += u'-';
            }
            if (!over)
                AppendChoiceField(reply, F);
            if (fields.isEmpty()) {
                if (!over)
                    reply += u'-';
                return reply;
            }
            if (texts) {
                const QStringView T = NextCSVField(fields, csv, unquoted);
                if (!over && !T.isEmpty())
                    reply += ReplyFreeTextNotation(T.toString());
            }
        }
        if (!over)
            reply += u'-';
    }
    return reply;
}

qsizetype DelimitedFieldCount(const Workspace& ws, const std::vector<bool>& textColumns)
{
    qsizetype count = 1;
    for (Integer q = 0; q < ws.survey.QuestionCount; ++q)
        count += qsizetype(ws.survey.Questions[q].MaxAnswers) * (textColumns[size_t(q)] ? 2 : 1);
    return count;
}

ImportRecord ReadDelimitedRecord(const Workspace& ws, ImportLines& lines, const CsvSettings& csv,
                                 const std::vector<bool>& textColumns)
{
    QByteArrayView bytes;
    const ImportLines::Read read = lines.next(bytes, char(csv.separator.unicode()), char(csv.quote.unicode()));
    switch (read) {
    case ImportLines::Read::Line:
        break;
    case ImportLines::Read::End:
        return {};
    case ImportLines::Read::Failed:
        return FailedRecord(lines.errorString(), QString());
    default:
        return RefusedLine(read, bytes);
    }
    const QString line = DecodeImportLine(bytes);
    QStringView fields = line;
    const QString idField = NextCSVField(fields, csv);
    const double id = Val(idField);
    QString reply = DelimitedReply(ws, fields, csv, textColumns);

    ImportRecord record;
    const qsizetype extra = FieldsLeft(fields, csv);
    if ((id == 0 && idField != QLatin1String("0")) || !FitsLong(id)) {
        const QString status = QStringLiteral("ID番号の指定が正しくありません");
        record = RefusedRecord(status + u':' + ShownPart(idField), status);
    } else if (extra > 0) {
        const qsizetype full = DelimitedFieldCount(ws, textColumns);
        record = RefusedRecord(QStringLiteral("項目が多すぎます(") + QString::number(full + extra)
                                   + QStringLiteral("個。このアンケートでは") + QString::number(full)
                                   + QStringLiteral("個まで)。区切りと「記述文不要」の設定を確かめてください。"),
                               QStringLiteral("項目が多すぎます"));
    } else if (FindSamplePos(CLng(id)) != -1) {
        const QString message = QStringLiteral("IDが重複しています(") + QString::number(CLng(id)) + u')';
        record = RefusedRecord(message, message, vbOKOnly);
    } else {
        record.kind = ImportRecord::Kind::Sample;
        record.ID = CLng(id);
        record.reply = std::move(reply);
    }
    record.line = line;
    return record;
}

}  // namespace kz
