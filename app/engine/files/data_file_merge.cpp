#include "files/data_file_merge.h"

#include <QFile>

#include <algorithm>
#include <numeric>
#include <span>
#include <utility>
#include <vector>

#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "files/data_file_read.h"
#include "files/file_header.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/document_events.h"
#include "model/limit_eval.h"
#include "model/survey.h"
#include "runtime/file_errors.h"

namespace kz {
namespace {

const QString CrLf = QStringLiteral("\r\n");
// The merge builds the new table aside, so a failure leaves the
// questionnaire as it was, and it may be saved.
const QString RefusedMergeNote = QStringLiteral("取り込みを中止しました。今まで扱っていたデータは変わっていません。");

bool GoOn(const QString& prompt) { return MsgBox(prompt, vbOKCancel) == vbOK; }

QString Qno(int q) { return QStringLiteral("Q") + QString::number(q + 1); }

// Whether the other file holds this questionnaire, asking where the user
// decides; every refusal has told the user why.
bool SameQuestionnaire(const Survey& questionnaire, const StoredQuestionnaire& other)
{
    if (other.Title != questionnaire.Title
        && !GoOn(QStringLiteral("タイトルが一致しません(") + other.Title + QStringLiteral(") 続行しますか")))
        return false;
    if (other.ProtectLevel > 0 && !AskPassword(other.Password))
        return false;
    if (other.Author != questionnaire.Author
        && !GoOn(QStringLiteral("制作者名が一致しません(") + other.Author + QStringLiteral(") 続行しますか")))
        return false;
    const auto count = static_cast<int>(other.Questions.size());
    if (count != questionnaire.QuestionCount) {
        MsgBox(QStringLiteral("質問数が違う(") + QString::number(count) + QStringLiteral("個)ため、取り込めません"));
        return false;
    }
    for (int q = 0; q < count; ++q) {
        const StoredQuestion& theirs = other.Questions[static_cast<size_t>(q)];
        const QuestionRec& ours = questionnaire.Questions[static_cast<size_t>(q)];
        if (theirs.MaxAnswers != ours.MaxAnswers) {
            MsgBox(Qno(q) + QStringLiteral("の[複数]回答数が違う(") + QString::number(theirs.MaxAnswers)
                       + QStringLiteral("個)ため、取り込めません"),
                   vbExclamation);
            return false;
        }
        if (theirs.ChoiceCount != ours.ChoiceCount) {
            MsgBox(Qno(q) + QStringLiteral("の選択肢数が違う(") + QString::number(theirs.ChoiceCount)
                       + QStringLiteral("個)ため、取り込めません"),
                   vbExclamation);
            return false;
        }
        for (int c = 1; c < theirs.ChoiceCount; ++c) {
            if (theirs.Choices[static_cast<size_t>(c - 1)].Attr != questionnaire.Choices(q, c).Attr) {
                MsgBox(Qno(q) + QStringLiteral(" (") + QString::number(c)
                           + QStringLiteral(")の選択肢の種類が違うので、取り込めません"),
                       vbExclamation);
                return false;
            }
        }
    }
    return true;
}

// The samples of the other file that are taken, and for each the position
// in the current table before which it belongs.
struct TakenSamples {
    SampleStore samples;
    std::vector<Long> positions;
};

// Reads the other file's n samples and keeps those whose ID is not present
// yet; false when the user stopped.
bool TakeSamples(const Workspace& ws, SampleBlockReader& reader, Long n, TakenSamples& taken)
{
    const Survey& questionnaire = ws.survey;
    const std::span<const Long> current = ws.samples.Samples.ids();
    const auto tests = StoredLimitTests(questionnaire);
    SampleStore& table = taken.samples;
    table.reshape(AnswerWordsPerSample(questionnaire));
    // Counts the other file's samples, which this loop walks.
    LongJob job(n, QStringLiteral("回答"));
    for (Long i = 0; i < n; ++i) {
        if (!job.step(i,
                      [&] { return job.text(i) + QStringLiteral(" 取り込み数:") + QString::number(table.size()); }))
            return false;
        const Long k = table.size();
        table.resize(k + 1);  // a fresh sample, from empty answers and texts
        reader.read(table, k);
        const auto at = std::lower_bound(current.begin(), current.end(), table.id(k));
        if (at != current.end() && *at == table.id(k)) {
            table.resize(k);
            continue;
        }
        table.setFlags(k, StoredLimitFlags(questionnaire, table.answers(k), tests));
        taken.positions.push_back(static_cast<Long>(at - current.begin()));
    }
    return true;
}

// The current samples with the taken ones slotted in before their positions
// (in file order within one position), then put in SampleID order; false
// when the user stopped.
bool Arrange(const SampleStore& current, const TakenSamples& taken, SampleStore& merged)
{
    // Taken samples in the order of their positions, file order within one.
    std::vector<Long> byPosition(taken.positions.size());
    std::iota(byPosition.begin(), byPosition.end(), 0);
    std::stable_sort(byPosition.begin(), byPosition.end(),
                     [&](Long a, Long b) { return taken.positions[size_t(a)] < taken.positions[size_t(b)]; });

    const Long old = current.size();
    merged.reshape(taken.samples.answerWords());
    // Counts the current samples; the last position, after all of them, is a
    // step past the job's end and reported like its last item.
    LongJob job(old, QStringLiteral("整理"));
    size_t k = 0;
    for (Long i = 0; i <= old; ++i) {
        if (!job.step(i))
            return false;
        for (; k < byPosition.size() && taken.positions[size_t(byPosition[k])] <= i; ++k)
            merged.append(taken.samples, byPosition[k]);
        if (i < old)
            merged.append(current, i);
    }

    // Taken samples between the same two current ones may have come out of order.
    ui().setProcessingProgress(QStringLiteral("サンプルIDの並びをチェック"), 1);
    const std::span<const Long> ids = merged.ids();
    if (!std::is_sorted(ids.begin(), ids.end())) {
        std::vector<Long> order(ids.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](Long a, Long b) { return ids[size_t(a)] < ids[size_t(b)]; });
        merged.permute(order);
    }
    return true;
}

// The merge after the file is read; 1 when it ran to its end.
Integer Merge(Workspace& ws, const LargeBytes& content)
{
    BinaryReader file(QByteArrayView(content.data(), qsizetype(content.size())));
    if (ClassifyFile(file).version != DataFile1003) {
        MsgBox(QStringLiteral("ファイル形式がKelvorzun95年9月版以降の形式ではありません。一度個別に読み込んで、保存し"
                              "てから取り込んでください。"),
               vbExclamation);
        return 0;
    }
    DataFileReader in(file, DataFile1003);
    // The whole questionnaire part is read and checked for damage before the
    // user is asked anything about it; the checks then go in file order.
    if (!SameQuestionnaire(ws.survey, ReadQuestionnairePart(in)))
        return 0;

    SampleBlockReader reader(in, ws.survey);
    const Long n = reader.readSampleCount();
    TakenSamples taken;
    if (n > 0) {
        SampleStore merged;
        if (!TakeSamples(ws, reader, n, taken) || !Arrange(ws.samples.Samples, taken, merged))
            return 0;
        ws.samples.Samples = std::move(merged);
        ++ws.samples.generation;
    }
    SetModified(ws.document);
    MsgBox(QString::number(taken.samples.size()) + QStringLiteral("サンプル、取り込みました"));
    return 1;
}

Integer MergeFile(Workspace& ws, const QString& fileName)
{
    try {
        const QString unreadable = fileName + QStringLiteral(" を読み込めません。");
        QFile file(fileName);
        if (const int error = OpenForReading(file))
            throw DataFileError(unreadable + FileErrorText(error));
        RemainingBytesReader reader(file);
        if (!ReadRestOfFile(file, reader, QString()))
            return 0;
        if (file.error() != QFileDevice::NoError)
            throw DataFileError(unreadable + file.errorString());
        return Merge(ws, reader.take());
    } catch (const DataFileError& error) {
        Beep();
        MsgBox(error.text() + CrLf
                   + QStringLiteral("** "
                                    "ファイル関係のエラーの場合、ディスク接続不良・破損、データ破損、またはデータがKe"
                                    "lvorzun用でない可能性があります。")
                   + CrLf + RefusedMergeNote,
               vbExclamation);
        return 0;
    }
}

}  // namespace

Integer MergeDataFile(Workspace& ws, const QString& fileName)
{
    HourglassScope hourglass;
    // Not fatal: the current samples stay untouched until the merge is complete.
    ui().showProcessing(QStringLiteral("取り込み中"), fileName, QString(), false, true, false);
    const Integer result = MergeFile(ws, fileName);
    ui().endProcessing();
    emit documentEvents().replaced();
    Beep();
    return result;
}

}  // namespace kz
