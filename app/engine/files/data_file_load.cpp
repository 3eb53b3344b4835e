#include "files/data_file_load.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include "document/document_routines.h"
#include "document/menu_state.h"
#include "document/recent_files.h"
#include "files/data_file_read.h"
#include "files/day_count.h"
#include "files/file_header.h"
#include "host/long_job.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/document_events.h"
#include "model/sample_sort.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "runtime/file_errors.h"
#include "texts/choice_texts.h"

namespace kz {
namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int QuestionTextLength = 128;

void ShowReadError(const QString& error, const QString& fileName)
{
    Beep();
    MsgBox(error + CrLf + fileName + CrLf
               + QStringLiteral("** "
                                "ファイル関係のエラーの場合、ディスク接続不良・破損、データ破損、またはデータがKelvor"
                                "zun用でない可能性があります。")
               + CrLf + QStringLiteral("今まで扱っていたデータも破壊されているので保存はしないで下さい。"),
           vbExclamation);
}

// Nothing of the previous questionnaire survives: every table is emptied
// before the defaults go in. The file state is reset before the document is
// made unsavable, not after: the other way round would give the half-read
// document the lock level 0 and the path "new.kz" until the load completes.
// The defaults get their answer layout, so a load refused in the question
// part leaves no question without one.
void DiscardQuestionnaire(Workspace& ws, const Settings& computer)
{
    InitNewFile(ws, computer);
    SetUnsavable(ws.document);
    ws.survey = Survey{};
    NewQuestionnaire(ws.survey);
    ComputeAnswerLayout(ws.survey);
    ClearModified(ws.document);
}

void ApplyQuestionnaire(Workspace& ws, const StoredQuestionnaire& part)
{
    Survey& questionnaire = ws.survey;
    questionnaire.Title = part.Title;
    questionnaire.Password = part.Password;
    UnlockMenus(ws.document);
    ws.document.ProtectLevel = part.ProtectLevel;
    LockMenus(ws.document);
    questionnaire.Author = part.Author;

    questionnaire.QuestionCount = static_cast<Integer>(part.Questions.size());
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        const StoredQuestion& stored = part.Questions[static_cast<size_t>(q)];
        QuestionRec& question = questionnaire.Questions[static_cast<size_t>(q)];
        question.Text = stored.Text.leftJustified(QuestionTextLength, u' ', true);
        questionnaire.QuestionLimit[static_cast<size_t>(q)] = stored.Limit;
        question.MaxAnswers = stored.MaxAnswers;
        question.CodeStyle = stored.CodeStyle;
        question.ChoiceCount = stored.ChoiceCount;
        SetChoiceText(questionnaire, q, 0, QStringLiteral("無回答"));
        questionnaire.Choices(q, 0).Attr = 1 << AttrExclusive;
        for (Integer c = 1; c < stored.ChoiceCount; ++c) {
            const StoredChoice& choice = stored.Choices[static_cast<size_t>(c - 1)];
            SetChoiceText(questionnaire, q, c, choice.TextBlock);
            questionnaire.Choices(q, c).Attr = choice.Attr;
        }
    }
    // Entry 0 of a stored limit keeps what the defaults left.
    for (size_t L = 0; L < questionnaire.LimitTable.size(); ++L)
        std::copy(part.LimitTable[L].begin() + 1, part.LimitTable[L].end(), questionnaire.LimitTable[L].begin() + 1);
    questionnaire.ParagraphStart = part.ParagraphStart;
    questionnaire.CheckOptions = part.CheckOptions;
}

// Reads n sample blocks into the table; false when the user stopped. The
// table always holds exactly the samples read completely.
bool ReadSamples(SampleTable& samples, const Settings& computer, SampleBlockReader& reader, Long n)
{
    // The table grows a block at a time within the job: the first touch of a
    // large table's memory takes about as long as the reading, and the
    // progress window goes on painting meanwhile.
    constexpr Long Block = 4096;
    SampleStore& table = samples.Samples;
    table.reserve(n);
    samples.NextIDCursor = computer.IDRangeLow;
    LongJob job(n, QStringLiteral("回答"));
    Long i = 0;
    try {
        for (; i < n; ++i) {
            if (!job.step(i)) {
                table.resize(i);
                return false;
            }
            if (i == table.size())
                table.resize(std::min(n, i + Block));
            reader.read(table, i);
        }
    } catch (...) {
        table.resize(i);
        throw;
    }
    return true;
}

// Steps from the questionnaire part to the tail; false when the user stopped.
bool ReadDataFile(Workspace& ws, const Settings& computer, BinaryReader& file, Integer version)
{
    DataFileReader in(file, version);
    ui().setProcessingProgress(QStringLiteral("ｱﾝｹｰﾄの質問・限定条件読み込み"), 0);
    ApplyQuestionnaire(ws, ReadQuestionnairePart(in));
    if (!ComputeAnswerLayout(ws.survey))
        throw DataFileError(QStringLiteral("ファイルの内容が正しくありません（回答の大きさ）"));

    // The table, emptied with the previous questionnaire, takes this one's width.
    ws.samples.Samples.reshape(AnswerWordsPerSample(ws.survey));
    SampleBlockReader reader(in, ws.survey);
    const Long n = reader.readSampleCount();
    if (n > 0) {
        if (!ReadSamples(ws.samples, computer, reader, n))
            return false;
        ui().setProcessingProgress(QStringLiteral("サンプルIDの並びをチェック"), 1);
        if (!SortSamplesByID(ws.samples.Samples))
            return false;
        ResetIDCursor(ws.samples, computer);
    }
    DocumentState& state = ws.document;
    ReadTail(in, ws.survey, state.WWWDistName, state.WWWDistQno, state.WWWEssayFull);
    return true;
}

// Reads the rest of the file into memory and the data file from there, the
// header being `headerBytes` long; false when the user stopped.
bool ReadRest(Workspace& ws, const Settings& computer, QFile& file, RemainingBytesReader& content, qint64 headerBytes,
              Integer version)
{
    errno = 0;
    if (!ReadRestOfFile(file, content, QStringLiteral("質問など")))
        return false;
    if (file.error() != QFileDevice::NoError)
        throw DataFileError(FileErrorText(errno));
    file.close();
    const LargeBytes bytes = content.take();
    BinaryReader in(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    in.seek(headerBytes);
    return ReadDataFile(ws, computer, in, version);
}

void CompleteLoad(Workspace& ws, Settings& computer, const QString& fileName)
{
    ClearModified(ws.document);
    LockMenus(ws.document);
    SetDocumentPath(ws.document, fileName);
    ws.samples.SavedSampleCount = SampleCount(ws.samples);
    ws.samples.LastSaveTime = NowAsDayCount();
    Beep();
    RecentFilesMenu(computer, fileName);
    emit documentEvents().replaced();
}

LoadDataFileResult Load(Workspace& ws, Settings& computer, QString& fileName, Integer mode)
{
    // Opened without asking first whether the file exists: the answer could
    // be out of date by the time of the open.
    QFile file(fileName);
    const int openError = OpenForReading(file);
    if (openError == ENOENT || openError == ENOTDIR || openError == EISDIR) {
        MsgBox(fileName + QStringLiteral("が見つかりません"), vbCritical);
        return NothingLoaded;
    }
    if (openError != 0) {
        ShowReadError(FileErrorText(openError), fileName);
        return NothingLoaded;
    }
    // Only the header is read before the user is asked about the file; the
    // rest follows once the previous questionnaire has given its memory back.
    // A page file's header, the longest, names its base in at most 32767 bytes.
    constexpr qint64 HeaderBytes = 64 << 10;
    RemainingBytesReader content(file);
    errno = 0;
    content.readPiece(HeaderBytes);
    if (file.error() != QFileDevice::NoError) {
        ShowReadError(FileErrorText(errno), fileName);
        return NothingLoaded;
    }
    BinaryReader header(content.bytes());
    const FileVersionCode version = FileVersion(header, ws.document, fileName, mode);
    switch (version) {
    case FileRefused:
        return NothingLoaded;
    case PageFile:
        return PageOfLoadedQuestionnaire;
    case PageFileBaseFirst:
        return PageBaseToLoadFirst;
    case DataFile1001:
    case DataFile1002:
    case DataFile1003:
        break;
    }

    HourglassScope busy;
    ui().showProcessing(QStringLiteral("読み込み中"), fileName, QStringLiteral("質問など"), true, true, false);
    DiscardQuestionnaire(ws, computer);
    bool complete = false;
    try {
        complete = ReadRest(ws, computer, file, content, header.pos(), version);
    } catch (const DataFileError& error) {
        ShowReadError(error.text(), fileName);
    }
    if (!complete) {
        SetUnsavable(ws.document);
        // The previous questionnaire is gone as after a completed load: no
        // window may go on showing it, nor the caption name it.
        emit documentEvents().replaced();
        emit documentEvents().captionReset();
        return NothingLoaded;
    }
    CompleteLoad(ws, computer, fileName);
    return DataFileLoaded;
}

}  // namespace

LoadDataFileResult LoadDataFile(Workspace& ws, Settings& computer, QString& fileName, Integer mode)
{
    const LoadDataFileResult result = Load(ws, computer, fileName, mode);
    ui().endProcessing();
    AnnounceCaption(ws.survey, ws.document);
    return result;
}

}  // namespace kz
