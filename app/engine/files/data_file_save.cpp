#include "files/data_file_save.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

#include "document/menu_state.h"
#include "document/recent_files.h"
#include "files/data_file_read.h"
#include "files/data_file_write.h"
#include "files/day_count.h"
#include "files/file_commit.h"
#include "files/file_header.h"
#include "host/long_job.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"
#include "runtime/file_errors.h"

namespace kz {
namespace {

const QString CrLf = QStringLiteral("\r\n");

qint64 saveWriteLimit = -1;

// The file's bytes gather in memory and go to the file in chunks this large.
constexpr qsizetype ChunkBytes = qsizetype(4) << 20;

class ChunkedOutput {
public:
    explicit ChunkedOutput(QSaveFile& file) : file_(file) { bytes_.reserve(ChunkBytes + ChunkBytes / 8); }

    BinaryWriter& writer() { return writer_; }

    void flushWhenFull()
    {
        if (bytes_.size() >= ChunkBytes)
            flush();
    }

    void flush()
    {
        qint64 allowed = bytes_.size();
        if (saveWriteLimit >= 0)
            allowed = std::clamp<qint64>(saveWriteLimit - written_, 0, allowed);
        errno = 0;
        if (file_.write(bytes_.constData(), allowed) != allowed)
            throw WriteError(errno);
        if (allowed < bytes_.size())
            throw WriteError(ENOSPC);  // the test limit stands for a full disk
        written_ += allowed;
        bytes_.resize(0);  // keeps the room for the next chunk
        writer_.seek(0);
    }

private:
    static DataFileError WriteError(int osError)
    {
        return DataFileError(QStringLiteral("ファイルに書き込めませんでした。") + FileErrorText(osError));
    }

    QSaveFile& file_;
    QByteArray bytes_;
    BinaryWriter writer_{bytes_};
    qint64 written_ = 0;
};

// The questionnaire part; false when the user stopped. The bar is left to
// the samples.
bool WriteQuestions(ChunkedOutput& output, const Workspace& ws)
{
    BinaryWriter& out = output.writer();
    WriteFileHeader(out, DataFile1003);
    WriteQuestionnaireHead(out, ws);
    const Integer count = ws.survey.QuestionCount;
    LongJob job(count, QStringLiteral("質問など"), LongJob::Bar::StaysEmpty);
    for (Integer q = 0; q < count; ++q) {
        WriteQuestionBlock(out, ws.survey, q);
        output.flushWhenFull();
        if (!job.step(q))
            return false;
    }
    WriteQuestionnaireRest(out, ws.survey);
    return true;
}

// The sample count and blocks: every sample, or each sample the sheet lists
// once. The progress counts against every sample of the table; false when
// stopped.
bool WriteSamples(ChunkedOutput& output, const Workspace& ws, ListedSamples* sheet)
{
    BinaryWriter& out = output.writer();
    const Long total = SampleCount(ws.samples);
    std::vector<Long> listed;
    if (sheet)
        listed = DistinctListedPositions(*sheet);
    const Long n = sheet ? static_cast<Long>(listed.size()) : total;
    out.writeLong(n);
    LongJob job(total, QStringLiteral("回答"));
    for (Long i = 0; i < n; ++i) {
        const Long s = sheet ? listed[static_cast<size_t>(i)] : i;
        if (s >= total)
            throw DataFileError(QStringLiteral("サンプル番号が範囲外です。(") + QString::number(s)
                                + QLatin1Char(')'));
        if (!job.step(s))
            return false;
        WriteSampleBlock(out, ws.survey, ws.samples.Samples, s);
        output.flushWhenFull();
    }
    return true;
}

// Puts the written file in place, the previous one kept as the backup.
void PutInPlace(QSaveFile& file)
{
    const QString fileName = file.fileName();
    const std::optional<CommitFailure> failure = CommitFile(file, BackupFileName(fileName));
    if (!failure)
        return;
    QString what;
    switch (failure->step) {
    case CommitStep::SyncFile:
        what = QStringLiteral("ファイルをディスクに書き込めませんでした。");
        break;
    case CommitStep::Backup:
        what = BackupFileName(fileName) + QStringLiteral(" にバックアップを作れません。");
        break;
    case CommitStep::Replace:
        what = fileName + QStringLiteral(" を新しい内容に置き換えられません。");
        break;
    case CommitStep::SyncFolder:
        what = QStringLiteral("ファイルの置き換えをディスクに書き込めませんでした。");
        break;
    }
    throw DataFileError(what + FileErrorText(failure->osError));
}

enum class SaveEnd { Saved, Stopped, Failed };

// Writes `target`, the file behind the name the user gave.
SaveEnd WriteDataFile(const Workspace& ws, const QString& target, ListedSamples* sheet)
{
    try {
        QSaveFile file(target);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly))
            throw DataFileError(QStringLiteral("ファイルを作成できません。") + FileErrorText(errno));
        ChunkedOutput output(file);
        if (!WriteQuestions(output, ws) || !WriteSamples(output, ws, sheet))
            return SaveEnd::Stopped;  // the unfinished temporary file goes with `file`
        WriteTail(output.writer(), ws);
        output.flush();
        PutInPlace(file);
        return SaveEnd::Saved;
    } catch (const DataFileError& error) {
        Beep();
        MsgBox(error.text() + CrLf + QStringLiteral("正しく保存出来ませんでした。"), vbExclamation);
        return SaveEnd::Failed;
    }
}

}  // namespace

QString BackupFileName(const QString& fileName)
{
    const qsizetype nameStart =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= nameStart)
        return fileName.left(dot + 1) + QStringLiteral("kz~");
    return fileName + QStringLiteral(".kz~");
}

void SetSaveWriteLimit(qint64 bytes) { saveWriteLimit = bytes; }

bool SaveDataFile(Workspace& ws, Settings& computer, const QString& fileName, ListedSamples* sheet)
{
    HourglassScope hourglass;
    // Not fatal: the new file is written aside and the previous one stays in
    // place until it is complete, so a stop costs nothing and the window
    // asks only whether to stop.
    ui().showProcessing(QStringLiteral("保存中"), fileName, QStringLiteral("質問など"), false, true, true);

    // Through a symbolic link the file it names is saved, with its backup
    // beside it; the link stays.
    const QString target = LinkTarget(fileName);
    const auto isBackupName = [](const QString& name) {
        return name.endsWith(QStringLiteral("kz~"), Qt::CaseInsensitive);
    };
    SaveEnd end = SaveEnd::Failed;
    if (QFileInfo::exists(target) && (isBackupName(fileName) || isBackupName(target))) {
        MsgBox(QStringLiteral("ファイル名の拡張子を kz~ 以外にしてください"));
    } else {
        end = WriteDataFile(ws, target, sheet);
        if (end == SaveEnd::Stopped)
            MsgBox(QStringLiteral("保存がｷｬﾝｾﾙされました。"));
    }

    if (end == SaveEnd::Saved) {
        // An export did not write the questionnaire's own file.
        if (!sheet) {
            ws.samples.SavedSampleCount = SampleCount(ws.samples);
            ClearModified(ws.document);
        }
        RecentFilesMenu(computer, fileName);
        if (!sheet)
            ws.samples.LastSaveTime = NowAsDayCount();
    }
    ui().endProcessing();
    Beep();
    return end == SaveEnd::Saved;
}

}  // namespace kz
