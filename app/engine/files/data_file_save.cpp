#include "files/data_file_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

#include "document/menu_state.h"
#include "document/recent_files.h"
#include "files/data_file_read.h"
#include "files/data_file_write.h"
#include "files/day_count.h"
#include "files/file_header.h"
#include "host/long_job.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"

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
        if (allowed < bytes_.size() || file_.write(bytes_.constData(), allowed) != allowed)
            throw DataFileError(QStringLiteral("ファイルに書き込めませんでした。") + file_.errorString());
        written_ += allowed;
        bytes_.resize(0);  // keeps the room for the next chunk
        writer_.seek(0);
    }

private:
    QSaveFile& file_;
    QByteArray bytes_;
    BinaryWriter writer_{bytes_};
    qint64 written_ = 0;
};

// The questionnaire part; false when the user stopped. The bar is left to
// the samples.
bool WriteQuestions(ChunkedOutput& output)
{
    BinaryWriter& out = output.writer();
    WriteFileHeader(out, DataFile1003);
    WriteQuestionnaireHead(out);
    const Integer count = survey.QuestionCount;
    LongJob job(count, QStringLiteral("質問など"), LongJob::Bar::StaysEmpty);
    for (Integer q = 0; q < count; ++q) {
        WriteQuestionBlock(out, q);
        output.flushWhenFull();
        if (!job.step(q))
            return false;
    }
    WriteQuestionnaireRest(out);
    return true;
}

// The sample count and blocks: every sample, or those the sheet lists. The
// progress counts against every sample of the table; false when stopped.
bool WriteSamples(ChunkedOutput& output, ListedSamples* sheet)
{
    BinaryWriter& out = output.writer();
    const Long total = SampleCount();
    const Long n = sheet ? sheet->EssayDnoCount() : total;
    if (n < 0)
        throw DataFileError(QStringLiteral("サンプル数が正しくありません。"));
    out.writeLong(n);
    if (sheet)
        sheet->EssayDnoReset();
    LongJob job(total, QStringLiteral("回答"));
    for (Long i = 0; i < n; ++i) {
        const Long s = sheet ? sheet->EssayDno() : i;
        if (s < 0 || s >= total)
            throw DataFileError(QStringLiteral("サンプル番号が範囲外です。(") + QString::number(s)
                                + QLatin1Char(')'));
        if (!job.step(s))
            return false;
        WriteSampleBlock(out, samples.Samples, s);
        output.flushWhenFull();
    }
    return true;
}

// Moves an existing file of the name to its backup and renames the written
// temporary file into place; on failure the previous file is put back.
void PutInPlace(QSaveFile& file, const QString& fileName)
{
    const bool hadPrevious = QFileInfo::exists(fileName);
    const QString backup = BackupFileName(fileName);
    if (hadPrevious) {
        if (QFileInfo::exists(backup) && !QFile::remove(backup))
            throw DataFileError(backup + QStringLiteral(" を削除できません。"));
        if (!QFile::rename(fileName, backup))
            throw DataFileError(fileName + QStringLiteral(" をバックアップに移せません。"));
    }
    if (!file.commit()) {
        const QString why = file.errorString();
        if (hadPrevious && !QFileInfo::exists(fileName))
            QFile::rename(backup, fileName);
        throw DataFileError(QStringLiteral("ファイルを閉じられませんでした。") + why);
    }
}

enum class SaveEnd { Saved, Stopped, Failed };

SaveEnd WriteDataFile(const QString& fileName, ListedSamples* sheet)
{
    try {
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            throw DataFileError(QStringLiteral("ファイルを作成できません。") + file.errorString());
        ChunkedOutput output(file);
        if (!WriteQuestions(output) || !WriteSamples(output, sheet))
            return SaveEnd::Stopped;  // the unfinished temporary file goes with `file`
        WriteTail(output.writer());
        output.flush();
        PutInPlace(file, fileName);
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

bool SaveDataFile(const QString& fileName, ListedSamples* sheet)
{
    HourglassScope hourglass;
    // Not fatal: the new file is written aside and the previous one stays in
    // place until it is complete, so a stop costs nothing and the window
    // asks only whether to stop.
    ui().showProcessing(QStringLiteral("保存中"), fileName, QStringLiteral("質問など"), false, true, true);

    SaveEnd end = SaveEnd::Failed;
    if (QFileInfo::exists(fileName) && fileName.endsWith(QStringLiteral("kz~"), Qt::CaseInsensitive)) {
        MsgBox(QStringLiteral("ファイル名の拡張子を kz~ 以外にしてください"));
    } else {
        end = WriteDataFile(fileName, sheet);
        if (end == SaveEnd::Stopped)
            MsgBox(QStringLiteral("保存がｷｬﾝｾﾙされました。"));
    }

    if (end == SaveEnd::Saved) {
        // An export did not write the questionnaire's own file.
        if (!sheet) {
            samples.SavedSampleCount = SampleCount();
            ClearModified();
        }
        RecentFilesMenu(fileName);
        if (!sheet)
            samples.LastSaveTime = NowAsDayCount();
    }
    ui().endProcessing();
    Beep();
    return end == SaveEnd::Saved;
}

}  // namespace kz
