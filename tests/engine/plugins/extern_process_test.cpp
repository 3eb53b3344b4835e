#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "host/program_folder.h"
#include "model/answer_store.h"
#include "plugins/extern_process.h"
#include "plugins/plugin_activation.h"
#include "plugins/plugin_host.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

const QString CallFailed = QStringLiteral("DLL呼び出しエラーが起きました。");
const QString NoObject = QStringLiteral("ActiveX コンポーネントはオブジェクトを作成できません。") + CallFailed;

// Q0 年齢 (1 answer, choice 1 with free text), Q1 職業 (2 answers, choices 1
// and 2 with free text), Q2 感想 (1 answer, choice 2 with free text): four
// answer slots. Sample 1 (ID 205) answers (1), (1, 2), (2) with the texts
// あ, い う, え.
class ExternProcessTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        survey.Title = QStringLiteral("調査");
        AddQuestion(1, 3, {1});
        AddQuestion(2, 4, {1, 2});
        AddQuestion(1, 3, {2});
        SetQuestionText(0, QStringLiteral("年齢"));
        SetQuestionText(1, QStringLiteral("職業"));
        SetQuestionText(2, QStringLiteral("感想"));
        BuildLayout();
    }
    void TearDown() override
    {
        SetProgramFolderForTest({});
        EndPluginHost();
        SetExternProcessWindowHandle(0);
        test::SurveyFixture::TearDown();
    }

    void AddAnsweredSamples()
    {
        AddSample(100);
        const Long sample = AddSample(205);
        WriteSampleAnswers(workspace, sample, {1, 2, 1}, {1, 1, 2, 2},
                           {QStringLiteral("あ"), QStringLiteral("い"), QStringLiteral("う"), QStringLiteral("え")});
    }

    ExternProcessResult Call(const QString& name, Long sample, Integer paraIndex, Integer option = 0)
    {
        survey.ExternProcessName = name;
        return CallExternProcess(workspace, sample, paraIndex, option);
    }

    test::ScriptedUi ui;  // no call shows a box unless a test expects one
};

void ExpectResult(const ExternProcessResult& result, const QString& text, bool ok)
{
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.ok, ok) << result.text.toStdString();
}

TEST_F(ExternProcessTest, QexolinGetsTheActionCodeOfEachCaller)
{
    AddAnsweredSamples();
    // Reply commit on question index 2: action 3, texts of questions 2 and 1.
    ExpectResult(Call("qexolin", 1, 2, 1), QStringLiteral("いあ"), true);
    // Execute: QuestionCount + 1 = 4, the first text of question 3.
    ExpectResult(Call("qexolin", 1, survey.QuestionCount), QStringLiteral("え"), true);
    // Reply commit on the first question: action 1, nothing to return.
    ExpectResult(Call("qexolin", 1, 0), QString(), true);
    // Test call: action 0.
    ExpectResult(Call("qexolin", 1, -1), QString(), true);
}

TEST_F(ExternProcessTest, TheTenArgumentsReachALibraryPlugin)
{
    AddAnsweredSamples();
    SetExternProcessWindowHandle(4711);
    // Labels and texts carry the spare last element of the work arrays.
    ExpectResult(Call("kz_extern_echo", 1, 1, 1),
                 QStringLiteral("4711|調査|2|3|1|年齢,職業,感想,|205|1,2,1|1,1,2,2|あ,い,う,え,"), true);
}

TEST_F(ExternProcessTest, TheTestCallPassesActionZeroAndNoAnswers)
{
    AddAnsweredSamples();
    ExpectResult(Call("kz_extern_echo", 1, -1), QStringLiteral("0|調査|0|3|0|年齢,職業,感想,|205|0,0,0||,,,,"), true);
}

TEST_F(ExternProcessTest, WithoutSamplesThePluginGetsSampleIdZeroAndTheTableStaysEmpty)
{
    ExpectResult(Call("kz_extern_echo", 0, -1), QStringLiteral("0|調査|0|3|0|年齢,職業,感想,|0|0,0,0||,,,,"), true);
    ExpectResult(Call("kz_extern_echo", 0, 2, 1), QStringLiteral("0|調査|3|3|1|年齢,職業,感想,|0|0,0,0||,,,,"), true);
    ExpectResult(Call("qexolin", 0, 2), QString(), true);
    EXPECT_EQ(SampleCount(samples), 0);
}

TEST_F(ExternProcessTest, ZuntabMessagesAndNoNameAreFailuresTold)
{
    ExpectResult(Call("kz_no_such_plugin", 0, -1),
                 QStringLiteral("外部処理「kz_no_such_plugin」が見つかりません。") + CallFailed, false);
    // zuntab itself is a library without the entry.
    ExpectResult(Call("zuntab", 0, -1),
                 QStringLiteral("外部処理「zuntab」にKZExternProcessMainがありません。") + CallFailed, false);
    ExpectResult(Call("", 0, -1), QStringLiteral("外部処理が設定されていません。") + CallFailed, false);
}

TEST_F(ExternProcessTest, NamesWithAPathSeparatorAreRefused)
{
    const QString refused = QStringLiteral("ファイル名または番号が不正です。") + CallFailed;
    for (const char* name : {"bin/qexolin", "/usr/lib/qexolin", "..\\qexolin", "sub/kz_extern_echo.Echo"})
        ExpectResult(Call(name, 0, -1), refused, false);
}

// Copies files of the program folder into `folder`, which becomes the
// program folder.
void MoveProgramFolder(const QTemporaryDir& folder, const QStringList& files)
{
    ASSERT_TRUE(folder.isValid());
    for (const QString& file : files)
        ASSERT_TRUE(QFile::copy(AppDir() + file, folder.filePath(file))) << file.toStdString();
    SetProgramFolderForTest(folder.path());
}

TEST_F(ExternProcessTest, PluginsAreLoadedFromTheProgramFolderOnly)
{
    AddAnsweredSamples();
    const QString original = ProgramFolder();
    QTemporaryDir folder;
    MoveProgramFolder(folder, {"kzpluginhost", "libzuntab.so"});
    // Beside the executable and on its run path, but not in the program folder.
    ExpectResult(Call("qexolin", 1, 2), QStringLiteral("外部処理「qexolin」が見つかりません。") + CallFailed, false);
    ExpectResult(Call("kz_extern_echo.Echo", 1, 2), NoObject, false);

    ASSERT_TRUE(QFile::copy(original + "/libqexolin.so", folder.filePath("libqexolin.so")));
    ExpectResult(Call("qexolin", 1, 2), QStringLiteral("いあ"), true);
}

TEST_F(ExternProcessTest, ProgramFolderIsTheExecutablesFolder)
{
    EXPECT_TRUE(QFileInfo(ProgramFolder()).isAbsolute());
    EXPECT_TRUE(QFileInfo::exists(ProgramFolder() + "/libqexolin.so"));
    EXPECT_EQ(PluginLibraryFile("qexolin"), ProgramFolder() + "/libqexolin.so");
    EXPECT_EQ(PluginLibraryFile("a/b"), QString());
    SetProgramFolderForTest("/opt/kz");
    EXPECT_EQ(PluginLibraryFile("x"), "/opt/kz/libx.so");
}

TEST_F(ExternProcessTest, AnIdentifierResolvesToAClassOfAPluginLibrary)
{
    AddAnsweredSamples();
    SetExternProcessWindowHandle(-2);
    ExpectResult(Call("kz_extern_echo.Echo", 1, 3, 0),
                 QStringLiteral("-2|調査|4|3|0|年齢,職業,感想,|205|1,2,1|1,1,2,2|あ,い,う,え,"), true);
}

TEST_F(ExternProcessTest, AnIdentifierThatResolvesToNothingFailsAsAMissingClass)
{
    for (const char* id : {"kz_no_such_plugin.Echo",  // no library
                           "zuntab.Echo",             // a library that provides no objects
                           "kz_extern_echo.Missing",  // no such class
                           "kz_extern_echo.Echo.2",   // the class name runs to the end
                           "qexolin.so",              // a file name with extension is an identifier too
                           ".Echo", "kz_extern_echo.", "."})
        ExpectResult(Call(id, 0, -1), NoObject, false);
    EXPECT_FALSE(CreateObject("kz_extern_echo.Missing"));
    EXPECT_TRUE(CreateObject("kz_extern_echo.Echo"));
}

TEST_F(ExternProcessTest, ZeroCharactersOfTheResultAreDropped)
{
    ExpectResult(Call("kz_extern_echo.Zeros", 0, -1), QStringLiteral("日本x"), true);
}

TEST_F(ExternProcessTest, ArgumentsOutsideTheirRangeFail)
{
    AddAnsweredSamples();
    const QString outOfRange = QStringLiteral("インデックスが有効範囲にありません。") + CallFailed;
    ExpectResult(Call("qexolin", 2, 2), outOfRange, false);
    ExpectResult(Call("qexolin", -1, -1), outOfRange, false);
    ExpectResult(Call("qexolin", 1, 32767), QStringLiteral("オーバーフローしました。") + CallFailed, false);
}

TEST_F(ExternProcessTest, WithoutZuntabOrThePluginHostInTheProgramFolderTheCallFails)
{
    struct Case {
        QStringList files;
        QString missing;
    };
    for (const Case& c : {Case{{"kzpluginhost", "libqexolin.so"}, "zuntab"},
                          Case{{"libzuntab.so", "libqexolin.so"}, "kzpluginhost"}}) {
        SCOPED_TRACE(c.missing.toStdString());
        QTemporaryDir folder;
        MoveProgramFolder(folder, c.files);
        // The failure is the result; the host has no windows to tell more.
        ExpectResult(Call("qexolin", 0, -1), QStringLiteral("ファイルが見つかりません: ") + c.missing + CallFailed,
                     false);
        SetProgramFolderForTest({});
    }
}

}  // namespace
}  // namespace kz
