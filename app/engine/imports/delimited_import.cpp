#include "imports/delimited_import.h"

#include <string>

#include "model/question_codes.h"
#include "model/sample_table.h"
#include "reply/paragraph_table.h"
#include "reply/reply_text_form.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

// The reply is built as plain UTF-16: a record takes some hundred marks, and
// appending them to a QString one by one costs more than reading the fields.
using ReplyText = std::u16string;

void Append(ReplyText& reply, QStringView text) { reply.append(text.utf16(), size_t(text.size())); }

// A choice field as reply notation: one character is a choice symbol of the
// question's set, anything longer (or nothing) a number between dots.
void AppendChoiceField(ReplyText& reply, QStringView field)
{
    if (field.size() == 1) {
        reply += field.front().unicode();
        return;
    }
    reply += u'.';
    Append(reply, field);
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

// One question's part of the reply. Its answers take the first slots in the
// order they are read, whatever slots their fields stood in, so that a
// question's answers never leave a reply line empty between them; the
// question ends with a "-" right after its last answer, and the lines of
// the slots left over follow.
class QuestionReply {
public:
    QuestionReply(const Survey& survey, Integer q, int& paragraph, ReplyText& reply)
        : survey_(survey), q_(q), paragraph_(paragraph), reply_(reply)
    {}

    void answer(QStringView choice, QStringView text)
    {
        breakLinesUpTo(written_ + 1);
        ++written_;
        AppendChoiceField(reply_, choice);
        if (!text.isEmpty())
            Append(reply_, ReplyFreeTextNotation(text.toString()));
    }
    Integer written() const { return written_; }
    void close()
    {
        reply_ += u'-';
        breakLinesUpTo(survey_.Questions[q_].MaxAnswers);
    }

private:
    // The line breaks before the first `slotCount` slots, where not yet written.
    void breakLinesUpTo(Integer slotCount)
    {
        for (; broken_ < slotCount; ++broken_) {
            if (LineStartsAt(survey_, paragraph_, q_, broken_)) {
                ++paragraph_;
                reply_ += u'\r';
                reply_ += u'\n';
            }
        }
    }

    const Survey& survey_;
    Integer q_;
    int& paragraph_;
    ReplyText& reply_;
    Integer written_ = 0;
    Integer broken_ = 0;
};

}  // namespace

QString DelimitedReply(const Workspace& ws, QStringView& fields, const CsvSettings& csv,
                       const std::vector<bool>& textColumns)
{
    const Survey& survey = ws.survey;
    ReplyText reply;
    // Each field gives about itself and two marks, each question a "-".
    reply.reserve(size_t(fields.size() + 2 * survey.AnswerSlotCount + 3 * survey.QuestionCount));
    // Where quoted fields are undoubled: the choice is used after the text
    // is read, the first slot's choice after the question's last slot.
    QString unquotedFirst;
    QString unquotedChoice;
    QString unquotedText;
    int paragraph = 0;
    for (Integer q = 0; q < survey.QuestionCount; ++q) {
        const bool texts = textColumns[size_t(q)];
        QuestionReply question(survey, q, paragraph, reply);
        // The first slot's choice, kept for a question that gets no answer.
        QStringView firstChoice;
        // The last written choice of the question.
        Integer C = 0;
        bool over = false;
        bool lineEnded = false;
        for (Integer s = 0; s < survey.Questions[q].MaxAnswers && !lineEnded; ++s) {
            const QStringView F = NextCSVField(fields, csv, s == 0 ? unquotedFirst : unquotedChoice);
            // A field too long to be a choice number is written as it stands
            // and leaves the last written choice in force: 0 when it comes
            // first, which closes the question where 0 is exclusive.
            const bool number = F.size() < 4;
            const Integer choice = number ? ChoiceNumberFromCode(survey, q, F) : C;
            if (s == 0)
                firstChoice = F;
            lineEnded = fields.isEmpty();
            const QStringView T = texts && !lineEnded ? NextCSVField(fields, csv, unquotedText) : QStringView();
            // An empty or 0 slot says nothing: later answers are still read.
            const bool empty = number && choice == 0 && T.isEmpty();
            if (over || empty)
                continue;
            question.answer(F, T);
            C = choice;
            // A 0 written for its text alone closes nothing: the checks
            // repair it as they would a typed one.
            over = (C > 0 || !number) && IsExclusive(survey, q, C);
        }
        if (question.written() == 0)
            question.answer(firstChoice, {});
        question.close();
        if (lineEnded)
            break;
    }
    return QString::fromUtf16(reply.data(), qsizetype(reply.size()));
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
    } else if (FindSamplePos(ws.samples.Samples, CLng(id)) != -1) {
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
