#include "files/data_file_load.h"

#include <QFile>

#include <cerrno>

#include "document/document.h"
#include "document/document_events.h"
#include "document/document_routines.h"
#include "document/menu_state.h"
#include "document/recent_files.h"
#include "files/data_file_read.h"
#include "files/day_count.h"
#include "files/file_header.h"
#include "host/long_job.h"
#include "host/settings.h"
#include "host/ui_seam.h"
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
void DiscardQuestionnaire()
{
    InitNewFile();
    SetUnsavable();
    survey = Survey{};
    NewQuestionnaire();
    ComputeAnswerLayout();
    ClearModified();
}

void ApplyQuestionnaire(const StoredQuestionnaire& part)
{
    survey.Title = part.Title;
    survey.Password = part.Password;
    UnlockMenus();
    document.ProtectLevel = part.ProtectLevel;
    LockMenus();
    survey.Author = part.Author;

    survey.QuestionCount = static_cast<Integer>(part.Questions.size());
    for (Integer q = 0; q < survey.QuestionCount; ++q) {
        const StoredQuestion& stored = part.Questions[static_cast<size_t>(q)];
        QuestionRec& question = survey.Questions[static_cast<size_t>(q)];
        question.Text = stored.Text.leftJustified(QuestionTextLength, u' ', true);
        survey.QuestionLimit[static_cast<size_t>(q)] = stored.Limit;
        question.MaxAnswers = stored.MaxAnswers;
        question.CodeStyle = stored.CodeStyle;
        question.ChoiceCount = stored.ChoiceCount;
        SetChoiceText(q, 0, QStringLiteral("無回答"));
        survey.Choices(q, 0).Attr = 1 << AttrExclusive;
        for (Integer c = 1; c < stored.ChoiceCount; ++c) {
            const StoredChoice& choice = stored.Choices[static_cast<size_t>(c - 1)];
            SetChoiceText(q, c, choice.TextBlock);
            survey.Choices(q, c).Attr = choice.Attr;
        }
    }
    // Entry 0 of a stored limit keeps what the defaults left.
    for (size_t L = 0; L < survey.LimitTable.size(); ++L)
        std::copy(part.LimitTable[L].begin() + 1, part.LimitTable[L].end(), survey.LimitTable[L].begin() + 1);
    survey.ParagraphStart = part.ParagraphStart;
    survey.CheckOptions = part.CheckOptions;
}

// Reads n sample blocks into the table; false when the user stopped. The
// table always holds exactly the samples read completely.
bool ReadSamples(SampleBlockReader& reader, Long n)
{
    SampleStore& table = samples.Samples;
    table.resize(n);
    samples.NextIDCursor = settings.IDRangeLow;
    LongJob job(n, QStringLiteral("回答"));
    Long i = 0;
    try {
        for (; i < n; ++i) {
            if (!job.step(i)) {
                table.resize(i);
                return false;
            }
            reader.read(table, i);
        }
    } catch (...) {
        table.resize(i);
        throw;
    }
    return true;
}

// Steps from the questionnaire part to the tail; false when the user stopped.
bool ReadDataFile(BinaryReader& file, Integer version)
{
    DataFileReader in(file, version);
    ui().setProcessingProgress(QStringLiteral("ｱﾝｹｰﾄの質問・限定条件読み込み"), 0);
    ApplyQuestionnaire(ReadQuestionnairePart(in));
    if (!ComputeAnswerLayout())
        throw DataFileError(QStringLiteral("ファイルの内容が正しくありません（回答の大きさ）"));

    // The table, emptied with the previous questionnaire, takes this one's width.
    samples.Samples.reshape(AnswerWordsPerSample(survey));
    SampleBlockReader reader(in, survey);
    const Long n = reader.readSampleCount();
    if (n > 0) {
        if (!ReadSamples(reader, n))
            return false;
        ui().setProcessingProgress(QStringLiteral("サンプルIDの並びをチェック"), 1);
        if (!SortSamplesByID())
            return false;
        ResetIDCursor();
    }
    ReadTail(in, survey, document.WWWDistName, document.WWWDistQno, document.WWWEssayFull);
    return true;
}

void CompleteLoad(const QString& fileName)
{
    ClearModified();
    LockMenus();
    SetDocumentPath(document, fileName);
    samples.SavedSampleCount = SampleCount();
    samples.LastSaveTime = NowAsDayCount();
    Beep();
    RecentFilesMenu(fileName);
    emit documentEvents().replaced();
}

LoadDataFileResult Load(QString& fileName, Integer mode)
{
    // Opened without asking first whether the file exists: the answer could
    // be out of date by the time of the open.
    QFile file(fileName);
    const int openError = OpenForReading(file, FileKinds::RegularOnly);
    if (openError == ENOENT || openError == ENOTDIR || openError == EISDIR) {
        MsgBox(fileName + QStringLiteral("が見つかりません"), vbCritical);
        return NothingLoaded;
    }
    if (openError != 0) {
        ShowReadError(FileErrorText(openError), fileName);
        return NothingLoaded;
    }
    // The whole file is read at once: the fields are then taken from memory.
    errno = 0;
    const LargeVector<char> content = ReadRemainingBytes(file);
    if (file.error() != QFileDevice::NoError) {
        ShowReadError(FileErrorText(errno), fileName);
        return NothingLoaded;
    }
    file.close();
    BinaryReader in(QByteArrayView(content.data(), qsizetype(content.size())));
    const FileVersionCode version = FileVersion(in, fileName, mode);
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
    DiscardQuestionnaire();
    bool complete = false;
    try {
        complete = ReadDataFile(in, version);
    } catch (const DataFileError& error) {
        ShowReadError(error.text(), fileName);
    }
    if (!complete) {
        SetUnsavable();
        // The previous questionnaire is gone as after a completed load: no
        // window may go on showing it.
        emit documentEvents().replaced();
        return NothingLoaded;
    }
    CompleteLoad(fileName);
    return DataFileLoaded;
}

}  // namespace

LoadDataFileResult LoadDataFile(QString& fileName, Integer mode)
{
    const LoadDataFileResult result = Load(fileName, mode);
    ui().endProcessing();
    AnnounceCaption(survey, document);
    return result;
}

}  // namespace kz
