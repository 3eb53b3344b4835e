#include "imports/samples_csv.h"

#include <QSaveFile>

#include <array>
#include <charconv>
#include <iterator>
#include <vector>

#include "document/cmd_box.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/answer_store.h"
#include "model/sample_table.h"
#include "runtime/cp932.h"
#include "texts/choice_texts.h"

namespace kz {

namespace {

constexpr qsizetype FlushSize = 1 << 20;

QByteArray Encoded(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return ToCp932(text);
    }
    return text.toLatin1();
}

// A choice number in decimal, made once for every choice a question can have.
QByteArrayView ChoiceNumberText(Integer c)
{
    static const std::array<QByteArray, MaxChoices> texts = [] {
        std::array<QByteArray, MaxChoices> made;
        for (int n = 0; n < MaxChoices; ++n)
            made[size_t(n)] = QByteArray::number(n);
        return made;
    }();
    return texts[size_t(c)];
}

// One sample's line.
class LineWriter {
public:
    LineWriter(const Workspace& ws, std::span<const Integer> selected, const CsvSettings& csv)
        : ws_(ws), selected_(selected), csv_(csv), separator_(char(csv.separator.unicode())),
          textColumns_(MarkEssayQuestions(ws.survey, csv.noEssay)),
          emptyText_(Encoded(CsvTextField(QString(), csv).field))
    {}

    // Appends the line of sample ID, at position Dno, to `out`.
    void write(Long ID, Long Dno, QByteArray& out)
    {
        ReadSampleAnswers(ws_, Dno, counts_, codes_, texts_);
        char digits[16];
        const auto written = std::to_chars(std::begin(digits), std::end(digits), ID);
        out.append(digits, written.ptr - digits);
        int A = 0;
        for (Integer q = 0; q < ws_.survey.QuestionCount; ++q) {
            if (selected_[size_t(q)] == -1)
                writeQuestion(q, A, out);
            A += counts_[q];
        }
        out.append("\r\n", 2);
    }

    Long changedTexts() const { return changedTexts_; }

private:
    void writeQuestion(Integer q, int A, QByteArray& out)
    {
        const bool texts = textColumns_[size_t(q)];
        for (Integer s = 0; s < ws_.survey.Questions[q].MaxAnswers; ++s) {
            const bool answered = s < counts_[q];
            out.append(separator_);
            out.append(ChoiceNumberText(answered ? codes_[A + s] : 0));
            if (!texts)
                continue;
            out.append(separator_);
            if (answered && !texts_[A + s].isEmpty()) {
                const CsvText text = CsvTextField(texts_[A + s], csv_);
                // The import reads a text into reply notation, which keeps
                // no "*/" in it (reply_text_form.h): such a text comes back
                // changed too.
                const bool changed = text.changed || texts_[A + s].contains(QLatin1String("*/"));
                changedTexts_ += changed ? 1 : 0;
                out.append(Encoded(text.field));
            } else {
                out.append(emptyText_);
            }
        }
    }

    const Workspace& ws_;
    std::span<const Integer> selected_;
    const CsvSettings& csv_;
    const char separator_;
    const std::vector<bool> textColumns_;
    const QByteArray emptyText_;
    QVector<Integer> counts_;
    QVector<Integer> codes_;
    QVector<QString> texts_;
    Long changedTexts_ = 0;
};

bool Flush(QSaveFile& file, QByteArray& buffer)
{
    const bool written = file.write(buffer) == buffer.size();
    buffer.clear();
    return written;
}

CsvExport Failure(const QString& failure)
{
    CsvExport result;
    result.failure = failure;
    return result;
}

}  // namespace

QVector<Long> ListedSampleIDs(const Workspace& ws, ListedSamples& sheet, QString& failure)
{
    QVector<Long> ids;
    const Long count = SampleCount(ws.samples);
    for (const Long Dno : DistinctListedPositions(sheet)) {
        if (Dno >= count) {
            failure = QStringLiteral("サンプル番号が範囲外です。(") + QString::number(Dno) + u')';
            return {};
        }
        ids.push_back(ws.samples.Samples.id(Dno));
    }
    return ids;
}

CsvExport WriteSamplesCSV(const Workspace& ws, const QString& FileName, const QVector<Long>& ids,
                          std::span<const Integer> Selected, const CsvSettings& csv)
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(QStringLiteral("ファイルを作成できません。") + file.errorString());
    LineWriter writer(ws, Selected, csv);
    QByteArray buffer;
    buffer.reserve(FlushSize + FlushSize / 4);
    LongJob job(ids.size(), QStringLiteral("サンプル"));
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (!job.step(i))
            return {CsvExport::End::Stopped, {}, writer.changedTexts()};
        const Long Dno = FindSamplePos(ws.samples.Samples, ids[i]);
        if (Dno < 0)
            continue;
        writer.write(ids[i], Dno, buffer);
        if (buffer.size() >= FlushSize && !Flush(file, buffer))
            return Failure(QStringLiteral("ファイルに書き込めません。") + file.errorString());
    }
    if (!Flush(file, buffer))
        return Failure(QStringLiteral("ファイルに書き込めません。") + file.errorString());
    if (!file.commit())
        return Failure(QStringLiteral("ファイルを閉じられませんでした。") + file.errorString());
    return {CsvExport::End::Written, {}, writer.changedTexts()};
}

void ExportSamplesCSV(const Workspace& ws, ListedSamples& sheet, const CsvSettings& csv)
{
    const Integer part =
        AskBox(QStringLiteral("アンケートのどの部分を書き出しますか"),
               QStringLiteral("全て・・・Kelvorzunで直接扱えます\r\n一部・・・書き出す質問を選べます"),
               QStringLiteral("全て"), QStringLiteral("一部"));
    if (part == 0)
        return;
    std::vector<Integer> Selected(size_t(ws.survey.QuestionCount) + 1, -1);
    if (part == 2) {
        QBoxSelectMany(ws.survey, QStringLiteral("書き出す質問を選んでください"), Selected);
        if (Selected[0] == QBoxCancelled)
            return;
    }
    const QString FileName =
        FileDialog(QString(), QStringLiteral("CSVﾌｧｲﾙ(*.csv)|*.csv|全てのﾌｧｲﾙ(*.*)|*.*|"), SaveDialog);
    if (FileName.isEmpty())
        return;

    QString failure;
    const QVector<Long> ids = ListedSampleIDs(ws, sheet, failure);
    CsvExport result;
    if (failure.isEmpty()) {
        HourglassScope hourglass;
        ShowProcessing(QStringLiteral("書き出し中"), FileName, QStringLiteral("サンプル"), false, true, true);
        result = WriteSamplesCSV(ws, FileName, ids, Selected, csv);
        EndProcessing();
    } else {
        result = Failure(failure);
    }
    switch (result.end) {
    case CsvExport::End::Failed:
        MsgBox(result.failure);
        return;
    case CsvExport::End::Stopped:
        MsgBox(QStringLiteral("書き出しを中止しました。"));
        return;
    case CsvExport::End::Written:
        break;
    }
    if (result.changedTexts > 0)
        MsgBox(QStringLiteral("区切り文字か改行を含む記述が") + QString::number(result.changedTexts)
                   + QStringLiteral("件あったので、それらを空白にして書き出しました。"),
               vbExclamation);
    Beep();
    MsgBox(QStringLiteral("書き出しが終わりました"));
}

}  // namespace kz
