#include <gmock/gmock.h>

#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

#include "document/single_instance.h"
#include "files/settings_file.h"
#include "host/program_folder.h"
#include "main_window_fixture.h"
#include "shell/frm_title.h"
#include "window_calls.h"

namespace kz {
namespace {

using widgets::Forms;

class StartupTest : public test::MainWindowTest {
protected:
    test::WindowCalls calls;
};

struct ItemDesign {
    const char* name;
    QString caption;
    QString shortcut;
};

TEST_F(StartupTest, EveryMenuItemCarriesItsStringAndShortcut)
{
    const frmMain& main = Start();
    const std::vector<ItemDesign> items = {
        {"mnuFile", "ﾌｧｲﾙ&F", ""},
        {"mnuNewfile", "新規作成(&N)", ""},
        {"mnuFileOpen", "開く(&O)", "Ctrl+O"},
        {"mnuFileSave", "保存(&S)", "Ctrl+S"},
        {"mnuFileSaveAs", "名前を付けて保存(&A)...", ""},
        {"mnuLoadResult", "集計結果ﾌｧｲﾙを開く&R)", ""},
        {"mnuMerge", "ﾌｧｲﾙ入力(&I)", ""},
        {"mnuMergeKZ", "分散入力したﾌｧｲﾙ(&A)...", ""},
        {"mnuMergeTXT", "Kelvorzun入力形式(&A)...", ""},
        {"mnuMergeCSV", "区切り形式(&A)...", ""},
        {"mnuMergeHTML", "ﾈｯﾄﾜｰｸｱﾝｹｰﾄ回答(&N)", ""},
        {"mnuOutput", "ﾌｧｲﾙ出力(&U)", ""},
        {"mnuSaveSelect", "ｻﾝﾌﾟﾙﾃﾞｰﾀ", ""},
        {"mnuHTMLOut", "ﾈｯﾄﾜｰｸｱﾝｹｰﾄ用HTML", ""},
        {"mnuDBOut", "ODBC[DAO]形式", ""},
        {"mnuQuit", "終了(&X)", "Ctrl+Q"},
        {"mnuQuestion", "ｱﾝｹｰﾄ&Q", ""},
        {"mnuSetQuestion", "質問の設定(&S)", ""},
        {"mnuQuestions", "質問一覧(&T)", "Ctrl+R"},
        {"mnuAbout", "ﾀｲﾄﾙと製作者名(&T)", ""},
        {"mnuInput", "回答入力(&I)", "Ctrl+A"},
        {"mnuSetParagraph", "改行位置の設定(&P)", ""},
        {"mnuSetQuota", "IDの範囲(&R)", ""},
        {"mnuSetCollection", "回答補正の設定(&C)", ""},
        {"mnuSetSaveInterval", "保存間隔の設定(&I)", ""},
        {"mnuSetLimit", "既成限定の設定(&L)", ""},
        {"mnuStatis", "集計・検索(&A)", "Ctrl+N"},
        {"mnuOthers", "その他&O", ""},
        {"mnuInfoFormReset", "ｳｨﾝﾄﾞｳの位置とﾌｫﾝﾄを初期化(&R)", ""},
        {"mnuKey", "ﾃﾞｰﾀにﾊﾟｽﾜｰﾄﾞをつける(&P)", "Ctrl+K"},
        {"mnuHelpContent", "目次(&C)", ""},
        {"mnuHeplKeyword", "ﾄﾋﾟｯｸの検索(&S)...", ""},
        {"mnuAboutKZ", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", ""},
    };
    for (const ItemDesign& design : items) {
        QAction* item = Item(main, design.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), design.caption) << design.name;
        EXPECT_EQ(item->shortcut(), QKeySequence(design.shortcut)) << design.name;
    }
    for (const char* separator : {"mnuSpace0", "mnuFileMRUSpace", "mnuSpaceTotal", "mnuSpaceHelp", "mnuSpaceAbout"})
        EXPECT_TRUE(Item(main, separator)->isSeparator()) << separator;
    EXPECT_EQ(main.lblFile->text(), "ﾌｧｲﾙ&F");
    EXPECT_EQ(main.Label2->text(), "ｱﾝｹｰﾄ&Q");
    EXPECT_EQ(main.Label3->text(), "その他&O");
    EXPECT_EQ(main.Label1[3]->text(), "集計検索");
    EXPECT_EQ(main.windowTitle(), " Kelvorzun");
}

TEST_F(StartupTest, StartsWithTheLockedDefaultQuestionnaireAndNoQuestion)
{
    frmMain& main = Start();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(Forms::loaded<frmTitle>(), nullptr);
    EXPECT_EQ(widgets::HelpFile(), appFile("zuntab.hlp"));
    EXPECT_EQ(survey.Title, "新規アンケート");
    EXPECT_EQ(survey.QuestionCount, 1);
    EXPECT_EQ(document.CurrentFilePath, UnsavablePath);
    EXPECT_EQ(document.ProtectLevel, 2);
    EXPECT_FALSE(IsModified(document));
    for (const char* off : {"mnuFileSave", "mnuFileSaveAs", "mnuInput", "mnuOutput", "mnuSetQuestion", "mnuMerge",
                            "mnuSetLimit", "mnuStatis", "mnuQuestions", "mnuAbout"})
        EXPECT_FALSE(Item(main, off)->isEnabled()) << off;
    for (const char* on : {"mnuFileOpen", "mnuNewfile", "mnuKey", "mnuQuit", "mnuSetSaveInterval"})
        EXPECT_TRUE(Item(main, on)->isEnabled()) << on;
    // Nothing recent: no recent-file item and no separator for them.
    for (QAction* recent : main.mnuFileMRU)
        EXPECT_FALSE(recent->isVisible());
    EXPECT_FALSE(main.mnuFileMRUSpace->isVisible());
    EXPECT_TRUE(script.messages().isEmpty());
}

TEST_F(StartupTest, CommandLinePathLosesOneLeadingAndOneTrailingQuote)
{
    EXPECT_EQ(StartFilePath("\"/data/my survey.kz\""), "/data/my survey.kz");
    EXPECT_EQ(StartFilePath("\"/data/a.kz"), "/data/a.kz");
    EXPECT_EQ(StartFilePath("/data/a.kz\""), "/data/a.kz");
    EXPECT_EQ(StartFilePath("\"\"/data/a.kz\"\""), "\"/data/a.kz\"");
    EXPECT_EQ(StartFilePath("\"/a.kz\" \"/b.kz\""), "/a.kz\" \"/b.kz");
    EXPECT_EQ(StartFilePath("\""), "");
    EXPECT_EQ(StartFilePath(" /a.kz "), " /a.kz ");
}

TEST_F(StartupTest, QuotedCommandLineOpensTheFileBeforeTheWindowShows)
{
    const QString path = WriteSurvey("my survey.kz");
    settings.MRUFiles[0] = dataPath("stored.kz");
    ASSERT_TRUE(SaveSettings(settings));
    settings = Settings{};
    SetCommandLine("\"" + path + "\"");

    frmMain& main = Start();
    EXPECT_EQ(survey.Title, "通勤調査");
    EXPECT_EQ(document.CurrentFilePath, path);
    EXPECT_EQ(document.ProtectLevel, 0);
    EXPECT_EQ(main.windowTitle(), "通勤調査");
    EXPECT_TRUE(Item(main, "mnuFileSaveAs")->isEnabled());
    EXPECT_FALSE(IsModified(document));
    // The settings are read again after the start file: the recent files are
    // the stored ones, and the command line asked nothing.
    EXPECT_EQ(settings.MRUFiles[0], dataPath("stored.kz"));
    EXPECT_TRUE(script.messages().isEmpty());
}

TEST_F(StartupTest, CommandLineWithTwoPathsIsOnePathThatFailsToOpen)
{
    const QString first = WriteSurvey("a.kz");
    const QString second = WriteSurvey("b.kz");
    SetCommandLine(first + " " + second);
    script.onMessage(vbOK);

    Start();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(script.messages()[0].text.startsWith(first + " " + second));
    EXPECT_EQ(survey.Title, "新規アンケート");
    EXPECT_EQ(document.ProtectLevel, 2);
}

TEST_F(StartupTest, DirectStartQuestionYesOpensTheFirstRecentFile)
{
    const QString path = WriteSurvey("recent.kz", "前回の調査");
    settings.MRUFiles[0] = path;
    ASSERT_TRUE(SaveSettings(settings));
    settings = Settings{};
    script.onMessage(vbYes);

    frmMain& main = Start();
    ASSERT_EQ(script.messages().size(), 1);
    const test::ShownMessage& question = script.messages()[0];
    EXPECT_EQ(question.text, path + "を読み込みますか");
    EXPECT_EQ(question.title, "Kelvorzunダイレクトスタート");
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_THAT(question.answers, testing::UnorderedElementsAre(vbYes, vbNo));
    EXPECT_EQ(survey.Title, "前回の調査");
    EXPECT_EQ(document.CurrentFilePath, path);
    EXPECT_TRUE(Item(main, "mnuInput")->isEnabled());
}

TEST_F(StartupTest, DirectStartQuestionNoKeepsEveryEditingMenuOff)
{
    settings.MRUFiles[0] = WriteSurvey("recent.kz");
    ASSERT_TRUE(SaveSettings(settings));
    settings = Settings{};
    script.onMessage(vbNo);

    frmMain& main = Start();
    EXPECT_EQ(survey.Title, "新規アンケート");
    for (const char* off : {"mnuFileSave", "mnuFileSaveAs", "mnuInput", "mnuSetQuestion", "mnuStatis"})
        EXPECT_FALSE(Item(main, off)->isEnabled()) << off;
    // The recent file is offered in the File menu.
    EXPECT_TRUE(main.mnuFileMRU[0]->isVisible());
    EXPECT_TRUE(main.mnuFileMRUSpace->isVisible());
}

TEST_F(StartupTest, SecondCopyOfTheProgramIsRefused)
{
    Start();
    InstanceLock second(AppDir());
    script.onMessage(vbOK);
    EXPECT_FALSE(ClaimSingleInstance(second));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, "既に起動しているKelvorzunがあります");
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);
}

TEST_F(StartupTest, MainWindowPicturesAreOneThemeSetAtOneSize)
{
    // As a desktop without an icon theme of its own sets up the icons (the
    // offscreen platform sets up none).
    QStringList themeFolders = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        themeFolders << folder + QStringLiteral("/icons");
    QIcon::setThemeSearchPaths(themeFolders);
    QIcon::setThemeName(QStringLiteral("hicolor"));
    if (std::none_of(themeFolders.cbegin(), themeFolders.cend(), [](const QString& folder) {
            return QFileInfo::exists(folder + QStringLiteral("/Adwaita/index.theme"));
        }))
        GTEST_SKIP() << "no Adwaita icon theme installed";
    frmMain& main = Start();
    const QSize size(48, 48);
    for (QToolButton* button : {main.cmdFile, main.cmdQuestion, main.cmdOthers, main.cmdOpen, main.cmdSave,
                                main.cmdInput, main.cmdStatis, main.cmdListQues}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->icon().name().isEmpty());
        EXPECT_EQ(button->iconSize(), size);
        EXPECT_EQ(button->icon().actualSize(size), size);
    }
    EXPECT_EQ(main.Image1->pixmap().size(), size);
}

TEST_F(StartupTest, TitleWindowComesBackAsTheVersionWindow)
{
    frmMain& main = Start();
    Item(main, "mnuAboutKZ")->trigger();
    auto* title = Forms::loaded<frmTitle>();
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isVisible());
    EXPECT_TRUE(title->cmdClose->isVisible());
    EXPECT_TRUE(title->lblVersion->isVisible());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^バージョン \\d+\\.\\d+\\.\\d+$"))
                    .match(title->lblVersion->text())
                    .hasMatch())
        << title->lblVersion->text().toStdString();
    EXPECT_EQ(title->parentWidget(), &main);
    title->cmdClose->click();
    test::FlushEvents();
    EXPECT_EQ(Forms::loaded<frmTitle>(), nullptr);
}

}  // namespace
}  // namespace kz
