#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "host/long_job.h"
#include "imports/answer_fields.h"
#include "imports/network_answer_import.h"
#include "imports/network_answers.h"
#include "model/answer_store.h"
#include "runtime/cp932.h"
#include "support/huge_file.h"
#include "support/network_survey.h"
#include "support/scripted_ui.h"

namespace kz::test {
namespace {

struct FieldCase {
    const char* W;
    bool mail;
    QStringList fields;  // "name=value" of each field read, "" for one that carries nothing
};

TEST(AnswerFields, NextAnswerFieldReadsBothFormats)
{
    const FieldCase cases[] = {
        {"KZANSQ0=KZCHQ0C2&KZESQ0C3=&nofield&ABCDEFGHIJKLMNOP=x&KZESQ0C3=a=b&",
         false,
         {"KZANSQ0=KZCHQ0C2", "", "", "", "KZESQ0C3=a=b"}},
        // An "&" in a posted text ends the field: what follows it is no field.
        {"KZESQ0C3=tea & cake&KZANSQ1=KZCHQ1C1&", false, {"KZESQ0C3=tea ", "", "KZANSQ1=KZCHQ1C1"}},
        // A browser's character reference is part of the text: its character where CP932 has one.
        {"KZESQ0C3=ｱ&#8214;い&#128512;&#38;&#0;&#99999999999;&#12&KZESQ1C1=a&#;b&",
         false,
         {"KZESQ0C3=ｱ∥い&#128512;&&#0;&#99999999999;", "", "KZESQ1C1=a", ""}},
        {"KZEMAIL#KZDSTNCTNNAME(cafe1)#Q0C1( )#Q0C2( x )#EQ0C3(  )#EQ0C3(*) tea #Q1C1(*)",
         true,
         {"KZDSTNCTNNAME=cafe1", "", "KZANSQ=KZCHQ0C2", "", "KZESQ0C3=tea", "KZANSQ=KZCHQ1C1"}},
        // The text behind "*" ends at a line break ("&") as well; an item left open ends the reading.
        {"#EQ2C1(*)jiro&more#Q0C1(*", true, {"KZESQ2C1=jiro", ""}},
        {"#KZDSTNCTNNAME( )#EQ2C1(*)&", true, {"", "", ""}},
    };
    for (const FieldCase& c : cases) {
        const QString W = QString::fromUtf8(c.W);
        QStringList fields;
        for (qsizetype P = 0; P < W.size();) {
            QString Name;
            const QString Value = NextAnswerField(W, Name, P, c.mail);
            fields << (Name.isEmpty() ? QString() : Name + u'=' + Value);
        }
        EXPECT_EQ(fields, c.fields) << c.W;
    }
}

// Each field is searched only up to its own "&": a name followed by a
// million empty fields is read in moments, not in time growing with the
// square of its length.
TEST(AnswerFields, EmptyFieldsAreReadInTimeInStepWithTheirLength)
{
    const QString W = QStringLiteral("KZDSTNCTNNAME=x") + QString(1'000'000, u'&') + QStringLiteral("KZANSQ0=KZCHQ0C1");
    QElapsedTimer clock;
    clock.start();
    int named = 0;
    for (qsizetype P = 0; P < W.size();) {
        QString Name;
        NextAnswerField(W, Name, P, false);
        named += Name.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(named, 2);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(AnswerFields, ReadAnswerFileJoinsLinesAndMarksEmptyOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ToCp932(QStringLiteral("#Q0C1(*) 男\r\n\r\n#EQ2C1(*)太\nろう")));
    file.close();
    QString why;
    EXPECT_EQ(ReadAnswerFile(path, why).value_or(QString()), QStringLiteral("#Q0C1(*) 男&#EQ2C1(*)太ろう&"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("KZDSTNCTNNAME=x\0&", 17));
    file.close();
    EXPECT_FALSE(ReadAnswerFile(path, why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(ReadAnswerFile(dir.filePath(QStringLiteral("none.txt")), why));
}

TEST(AnswerFields, AnAnswerFileInAnotherEncodingIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("KZEMAIL#KZDSTNCTNNAME(cafe1)#EQ2C1(太郎)").toUtf8());
    file.close();
    QString why;
    EXPECT_FALSE(ReadAnswerFile(path, why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("このファイルはUTF-8で"))) << why.toStdString();
}

// Each answer handed over, in reply notation.
class NetworkAnswers : public SurveyFixture {
protected:
    void SetUp() override { BuildNetworkSurvey(*this); }

    QStringList read(const char* W)
    {
        replies.clear();
        lastRead = ReadWWWAnswers(workspace, QString::fromUtf8(W), distinction, [this](const WWWAnswer& answer) {
            replies << WWWReplyText(survey, answer);
            return answerFate;
        });
        return replies;
    }

    QStringList messages() const
    {
        QStringList prompts;
        for (const RecordedBox& box : ui.boxes())
            prompts << box.prompt;
        return prompts;
    }

    ScriptedUi ui;
    WWWDistinction distinction{QStringLiteral("cafe1"), -1};
    HandOver answerFate = HandOver::Stored;
    QStringList replies;
    WWWFileRead lastRead;
};

struct ReaderCase {
    const char* name;
    const char* W;
    QStringList replies;
    QStringList messages;
};

TEST_F(NetworkAnswers, PostedAndMailFilesBecomeAnswers)
{
    const ReaderCase cases[] = {
        {"two posted answers",
         "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C2&KZANSQ1=KZCHQ1C1&KZANSQ1=KZCHQ1C2&"
         "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&KZESQ2C1=taro&",
         {"2-12-0-", "1-0-1/taro/-"},
         {}},
        {"a chosen choice comes back with its text",
         "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C3&KZESQ0C3=abc&",
         {"3/abc/-0-0-"},
         {}},
        {"two choices of a one-answer question",
         "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&KZANSQ0=KZCHQ0C2&",
         {"0-0-0-"},
         {"回答可能数オーバーがありました"}},
        {"the same choice twice is held once",
         "KZDSTNCTNNAME=cafe1&KZANSQ1=KZCHQ1C2&KZANSQ1=KZCHQ1C2&KZANSQ1=KZCHQ1C1&",
         {"0-21-0-"},
         {}},
        {"texts of one choice's fields are joined",
         "KZDSTNCTNNAME=cafe1&KZESQ2C1=a/b&KZESQ2C1=&KZESQ2C1=c&",
         {"0-0-1/*a/b c*/-"},
         {}},
        {"numbers outside the questionnaire",
         "KZDSTNCTNNAME=cafe1&KZANSQ300=KZCHQ300C1&KZANSQ0=KZCHQ-1C1&KZANSQ0=KZCHQ0C-2&KZESQ0C4=x&"
         "KZANSQ0=KZCHQ99999999999C1&KZANSQ0=KZCHQ0C2&",
         {"2-0-0-"},
         {"回答データの中に存在しない質問番号があります:KZCHQ300C1",
          "回答データの中に存在しない質問番号があります:KZCHQ-1C1",
          "回答データの中に存在しない選択肢番号があります:KZCHQ0C-2",
          "回答データの中に存在しない選択肢番号があります:x",
          "回答データの中に存在しない質問番号があります:KZCHQ99999999999C1"}},
        {"another questionnaire's answer is passed over without mixing",
         "KZDSTNCTNNAME=other&KZANSQ0=KZCHQ0C1&KZDSTNCTNNAME=cafe1&KZANSQ1=KZCHQ1C1&",
         {"0-1-0-"},
         {}},
        {"only another questionnaire's answer", "KZDSTNCTNNAME=other&KZANSQ0=KZCHQ0C1&", {}, {}},
        {"nothing before the first distinction name", "KZANSQ0=KZCHQ0C1&KZDSTNCTNNAME=cafe1&", {}, {}},
        {"a posted text holding EMAIL is read as mail", "KZDSTNCTNNAME=cafe1&KZESQ2C1=EMAIL&", {}, {}},
        {"a mail answer",
         "KZEMAIL#KZDSTNCTNNAME(cafe1)&#Q0C1( x ) 男&#Q0C2(  ) 女&#Q0C3( ) その他 #EQ0C3( )&",
         {"1-0-0-"},
         {}},
        {"a mail text behind its star",
         "KZEMAIL#KZDSTNCTNNAME(cafe1)#Q0C3(*)#EQ0C3(*) ミルク多め &",
         {"3/ミルク多め/-0-0-"},
         {}},
        {"the first mail answer is compared too, and never mixed with the next",
         "KZEMAIL#KZDSTNCTNNAME(other)#Q0C1(*)#Q1C1(*)KZEMAIL#KZDSTNCTNNAME(cafe1)#Q0C2(*)#EQ2C1(hana)&",
         {"2-0-1/hana/-"},
         {}},
    };
    for (const ReaderCase& c : cases) {
        const qsizetype before = messages().size();
        for (qsizetype i = 0; i < c.messages.size(); ++i)
            ui.expectBox(vbOK);
        EXPECT_EQ(read(c.W), c.replies) << c.name;
        EXPECT_EQ(messages().mid(before), c.messages) << c.name;
    }
}

TEST_F(NetworkAnswers, ARepeatedRespondentIsPassedOver)
{
    const Long sample = AddSample(1);
    WriteQuestionAnswers(workspace, sample, 2, 1, {1}, {QStringLiteral("taro")});
    const char* W = "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C2&KZESQ2C1=taro&KZANSQ1=KZCHQ1C1&"
                    "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&KZESQ2C1=jiro&";
    EXPECT_EQ(read(W), (QStringList{"2-1-1/taro/-", "1-0-1/jiro/-"}));
    EXPECT_EQ(messages(), QStringList{});

    distinction.question = 2;
    ui.expectBox(vbOK);
    EXPECT_EQ(read(W), QStringList{QStringLiteral("1-0-1/jiro/-")});
    EXPECT_EQ(messages(), QStringList{QStringLiteral("重複サンプルがありました:taro")});
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(NetworkAnswers, RefusedAnswersAreCountedAndRunningOutOfIDsStops)
{
    answerFate = HandOver::Refused;
    read("KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C2&");
    EXPECT_EQ(lastRead.Taken, 2);
    EXPECT_EQ(lastRead.refused, 2);
    answerFate = HandOver::NoIDLeft;
    EXPECT_EQ(read("KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C2&").size(), 1);
    EXPECT_TRUE(lastRead.stopped);
    EXPECT_EQ(lastRead.Taken, 0);
}

TEST_F(NetworkAnswers, RepliesFollowTheReplySheetLines)
{
    survey.ParagraphStart[1] = MakeQC(1, 1);
    survey.ParagraphStart[2] = MakeQC(2, 0);
    const WWWAnswer answer{{1, 1, 0}, {3, 2}, {QString(), QString()}};
    EXPECT_EQ(WWWReplyText(survey, answer), QStringLiteral("3-2\r\n-\r\n0-"));
}

class NetworkAnswerFolder : public NetworkAnswers {
protected:
    void SetUp() override
    {
        NetworkAnswers::SetUp();
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("in")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("out")));
        folders = {root.filePath(QStringLiteral("in")), root.filePath(QStringLiteral("out"))};
        SetBackupStampForTest([] { return QStringLiteral("261209101112"); });
    }
    void TearDown() override { SetBackupStampForTest({}); }

    void put(const QString& dir, const char* name, const QByteArray& bytes)
    {
        QFile file(QDir(dir).filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    WWWImportEnd run(LongJob::Report report = {})
    {
        WWWImportView view;
        view.showFile = [this](const QString& path, qint64) { shown << QFileInfo(path).fileName(); };
        view.report = std::move(report);
        return ImportWWWAnswers(
            workspace, folders, distinction,
            [this](const WWWAnswer& answer) {
                replies << WWWReplyText(survey, answer);
                return answer.Counts.value(0) > 0 && answer.Codes.value(0) == 3 ? HandOver::Refused
                                                                                : HandOver::Stored;
            },
            view);
    }

    QStringList files(const QString& dir) const { return QDir(dir).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir root;
    WWWFolders folders;
    QStringList shown;
};

TEST_F(NetworkAnswerFolder, AFolderOfGoodAndBadFiles)
{
    put(folders.answerDir, "a.txt",
        "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&\r\nKZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C2&\r\n");
    put(folders.answerDir, "b.txt", "KZDSTNCTNNAME=other&KZANSQ0=KZCHQ0C1&");
    put(folders.answerDir, "c.txt", QByteArray("KZDSTNCTNNAME=cafe1\0&", 21));
    put(folders.answerDir, "d.txt",
        ToCp932(QStringLiteral("KZEMAIL#KZDSTNCTNNAME(cafe1)\r\n#Q0C3(*) その他 #EQ0C3(紅茶)\r\n")));
    put(folders.answerDir, "e.txt", "");
    // A backup of the same name and second is kept as it is.
    put(folders.backupDir, "261209101112a.txt", "earlier");
    ui.expectBox(vbOK);  // c.txt holds a NUL
    const WWWImportEnd end = run();
    EXPECT_FALSE(end.stopped);
    EXPECT_EQ(shown, (QStringList{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}));
    EXPECT_EQ(replies, (QStringList{"1-0-0-", "2-0-0-", "3/紅茶/-0-0-"}));
    EXPECT_EQ(files(folders.answerDir), (QStringList{"b.txt", "c.txt", "e.txt"}));
    EXPECT_EQ(files(folders.backupDir),
              (QStringList{"261209101112_2a.txt", "261209101112a.txt", "261209101112d.txt"}));
    EXPECT_EQ(end.refusedFiles, QStringList{QDir(folders.backupDir).filePath(QStringLiteral("261209101112d.txt"))});
    QFile moved(QDir(folders.backupDir).filePath(QStringLiteral("261209101112_2a.txt")));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(moved.readAll().startsWith("KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&\r\n"));
}

TEST_F(NetworkAnswerFolder, OnlyRegularFilesAreRead)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QDir(folders.answerDir).filePath(QStringLiteral("a.txt"))));
    ASSERT_EQ(mkfifo(QFile::encodeName(QDir(folders.answerDir).filePath(QStringLiteral("b.txt"))).constData(), 0644),
              0);
    put(folders.answerDir, "c.txt", "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&");
    const WWWImportEnd end = run();
    EXPECT_FALSE(end.stopped);
    EXPECT_EQ(shown, QStringList{"c.txt"});
    EXPECT_EQ(replies, QStringList{"1-0-0-"});
    EXPECT_EQ(QDir(folders.answerDir).entryList(QDir::Files | QDir::System, QDir::Name),
              (QStringList{"a.txt", "b.txt"}));
}

TEST_F(NetworkAnswerFolder, TheStopIsSeenBetweenTheLinesOfAFile)
{
    QByteArray answers;
    for (int i = 0; i < 1000; ++i)
        answers += "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&\r\n";
    put(folders.answerDir, "a.txt", answers);
    LongJobPacing everyStep(0);
    int reports = 0;
    const WWWImportEnd end = run([&reports](const QString&, float) { return ++reports < 10; });
    EXPECT_TRUE(end.stopped);
    EXPECT_EQ(reports, 10);
    // Stopped while it was read, the file gave nothing and stays.
    EXPECT_EQ(replies, QStringList{});
    EXPECT_EQ(files(folders.answerDir), QStringList{"a.txt"});
}

TEST_F(NetworkAnswerFolder, TheStopIsSeenWhileALargeFileIsChecked)
{
    MakeHugeFile(QDir(folders.answerDir).filePath(QStringLiteral("a.txt")));
    LongJobPacing everyStep(0);
    const qint64 before = BytesReadByThisProcess();
    EXPECT_TRUE(run([](const QString&, float) { return false; }).stopped);
    EXPECT_LT(BytesReadByThisProcess() - before, 64 << 20);
    EXPECT_EQ(files(folders.answerDir), QStringList{"a.txt"});
}

TEST_F(NetworkAnswerFolder, ANameTooLongForTheStampIsCutForTheBackup)
{
    const struct {
        QString name;
        QString backup;  // after the stamp
    } cases[] = {
        {QString(240, u'a') + QStringLiteral(".txt"), QString(232, u'a') + QStringLiteral(".txt")},
        // Three bytes a character: whole characters are cut.
        {QString(80, u'回') + QStringLiteral(".txt"), QString(77, u'回') + QStringLiteral(".txt")},
        {QStringLiteral("a.") + QString(245, u'x'), QStringLiteral("a.") + QString(234, u'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        put(folders.answerDir, c.name.toUtf8().constData(), "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&");
        replies.clear();
        run();
        EXPECT_EQ(replies, QStringList{"1-0-0-"});
        EXPECT_EQ(files(folders.answerDir), QStringList{});
        EXPECT_EQ(files(folders.backupDir), QStringList{QStringLiteral("261209101112") + c.backup});
        // The next run finds nothing to hand over again.
        replies.clear();
        run();
        EXPECT_EQ(replies, QStringList{});
        for (const QString& name : files(folders.backupDir))
            ASSERT_TRUE(QFile::remove(QDir(folders.backupDir).filePath(name)));
    }
}

TEST_F(NetworkAnswerFolder, NothingIsHandedOverFromAFileThatCannotBeMoved)
{
    put(folders.answerDir, "a.txt", "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C2&");
    put(folders.answerDir, "b.txt", "KZDSTNCTNNAME=other&KZANSQ0=KZCHQ0C1&");
    ASSERT_TRUE(QDir(folders.backupDir).removeRecursively());
    ui.expectBox(vbOK);
    EXPECT_FALSE(run().stopped);
    EXPECT_EQ(replies, QStringList{});
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("このファイルをOUTﾌｫﾙﾀﾞへ移せませんでした。")));
    EXPECT_EQ(files(folders.answerDir), (QStringList{"a.txt", "b.txt"}));
}

TEST_F(NetworkAnswerFolder, NothingIsHandedOverFromAFileThatCannotBeDeleted)
{
    put(folders.answerDir, "a.txt", "KZDSTNCTNNAME=cafe1&KZANSQ0=KZCHQ0C1&");
    // Run by a user who may read the answer folder and write the backup
    // folder, but not delete in the answer folder.
    ASSERT_EQ(chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folders.answerDir).constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folders.backupDir).constData(), 0777), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(2);
        ui.expectBox(vbOK);
        run();
        const bool kept =
            replies.isEmpty() && files(folders.answerDir) == QStringList{"a.txt"}
            && files(folders.backupDir).isEmpty()
            && messages().value(0).contains(QStringLiteral("このファイルをOUTﾌｫﾙﾀﾞへ移せませんでした。"));
        _exit(kept ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folders.answerDir).constData(), 0755), 0);
}

TEST_F(NetworkAnswerFolder, FoldersMustExistAndDiffer)
{
    EXPECT_EQ(WWWFolderProblem(folders), QString());
    const WWWFolders bad[] = {
        {root.filePath(QStringLiteral("none")), folders.backupDir},
        {folders.answerDir, QString()},
        {folders.answerDir, folders.answerDir + QStringLiteral("/.")},
    };
    for (const WWWFolders& f : bad)
        EXPECT_FALSE(WWWFolderProblem(f).isEmpty()) << f.answerDir.toStdString() << " " << f.backupDir.toStdString();
}

}  // namespace
}  // namespace kz::test
