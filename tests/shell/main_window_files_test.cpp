#include <gmock/gmock.h>

#include <QLineEdit>
#include <QMessageBox>

#include "document/document_routines.h"
#include "files/data_file_format.h"
#include "files/file_header.h"
#include "host/settings.h"
#include "main_window_fixture.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "shell/frm_input.h"
#include "shell/frm_title.h"
#include "shell/save_interval.h"
#include "support/data_file_builder.h"
#include "window_calls.h"

namespace kz {
namespace {

using widgets::Forms;

class MainWindowFilesTest : public test::MainWindowTest {
protected:
    test::WindowCalls calls;

    // Starts with `name` open and changed.
    frmMain& StartChanged(const QString& name)
    {
        frmMain& main = StartWith(name);
        SetModified(document);
        return main;
    }

    void ExpectSaveQuestion(int index)
    {
        ASSERT_GT(script.messages().size(), index);
        const test::ShownMessage& question = script.messages()[index];
        EXPECT_EQ(question.text, "アンケート「通勤調査」は変更されています。保存しますか？");
        EXPECT_EQ(question.icon, QMessageBox::Question);
        EXPECT_THAT(question.answers, testing::UnorderedElementsAre(vbYes, vbNo, vbCancel));
    }
};

TEST_F(MainWindowFilesTest, CancelToTheSaveQuestionOpensNothing)
{
    frmMain& main = StartChanged("old.kz");
    const QString other = WriteSurvey("other.kz", "別の調査");
    script.onMessage(vbCancel);
    main.OpenDataFile(other, 1);
    ExpectSaveQuestion(0);
    EXPECT_EQ(survey.Title, "通勤調査");
    EXPECT_TRUE(IsModified(document));
}

TEST_F(MainWindowFilesTest, NoToTheSaveQuestionDropsTheChanges)
{
    frmMain& main = StartChanged("old.kz");
    const QByteArray before = Bytes(dataPath("old.kz"));
    const QString other = WriteSurvey("other.kz", "別の調査");
    script.onMessage(vbNo);
    main.OpenDataFile(other, 1);
    EXPECT_EQ(survey.Title, "別の調査");
    EXPECT_FALSE(IsModified(document));
    EXPECT_EQ(Bytes(dataPath("old.kz")), before);
    EXPECT_FALSE(QFile::exists(dataPath("old.kz~")));
}

TEST_F(MainWindowFilesTest, YesToTheSaveQuestionSavesThenOpens)
{
    frmMain& main = StartChanged("old.kz");
    const QString other = WriteSurvey("other.kz", "別の調査");
    script.onMessage(vbYes);
    main.OpenDataFile(other, 1);
    EXPECT_TRUE(QFile::exists(dataPath("old.kz~")));  // the previous file became the backup
    EXPECT_EQ(survey.Title, "別の調査");
    EXPECT_EQ(settings.MRUFiles[0], other);
    EXPECT_EQ(settings.MRUFiles[1], dataPath("old.kz"));
}

TEST_F(MainWindowFilesTest, FailedSaveAfterYesKeepsTheChangedQuestionnaire)
{
    frmMain& main = StartChanged("old.kz");
    const QByteArray before = Bytes(dataPath("old.kz"));
    const QString other = WriteSurvey("other.kz", "別の調査");
    SetSaveWriteLimit(0);
    script.onMessage(vbYes);
    script.onMessage(vbOK);  // the saver's report
    main.OpenDataFile(other, 1);
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_TRUE(script.messages()[1].text.contains("正しく保存出来ませんでした。"));
    EXPECT_EQ(survey.Title, "通勤調査");
    EXPECT_EQ(document.CurrentFilePath, dataPath("old.kz"));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(Bytes(dataPath("old.kz")), before);
}

TEST_F(MainWindowFilesTest, AFailedLoadClosesTheWindowsOfTheQuestionnaireItDiscarded)
{
    frmMain& main = StartChanged("old.kz");
    Item(main, "mnuAboutKZ")->trigger();
    ASSERT_NE(Forms::loaded<frmTitle>(), nullptr);
    const QByteArray whole = Bytes(WriteSurvey("cut.kz"));
    QFile cut(dataPath("cut.kz"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.left(whole.size() / 2));
    cut.close();
    script.onMessage(vbNo);  // the save question
    script.onMessage(vbOK);  // the read error
    main.OpenDataFile(dataPath("cut.kz"), 1);
    test::FlushEvents();
    EXPECT_EQ(Forms::loaded<frmTitle>(), nullptr);
    // Nothing is entered into what is left until a file is opened, nor named.
    EXPECT_FALSE(Item(main, "mnuInput")->isEnabled());
    EXPECT_EQ(main.windowTitle(), " Kelvorzun");
}

TEST_F(MainWindowFilesTest, SaveWithoutAPathAsksForOne)
{
    frmMain& main = StartChanged("old.kz");
    document.CurrentFilePath.clear();
    ChooseFile({});
    EXPECT_FALSE(main.SaveFile());
    EXPECT_TRUE(document.CurrentFilePath.isEmpty());
    EXPECT_TRUE(IsModified(document));

    // A Yes to the save question that ends in a cancelled dialog is a Cancel.
    script.onMessage(vbYes);
    ChooseFile({});
    main.OpenDataFile(WriteSurvey("other.kz", "別の調査"), 1);
    EXPECT_EQ(survey.Title, "通勤調査");

    const QString chosen = dataPath("named.kz");
    ChooseFile(chosen);
    EXPECT_TRUE(main.SaveFile());
    EXPECT_EQ(document.CurrentFilePath, chosen);
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_FALSE(IsModified(document));
}

TEST_F(MainWindowFilesTest, AnUnsavableQuestionnaireIsNeitherSavedNorOfferedForSaving)
{
    frmMain& main = StartChanged("old.kz");
    SetUnsavable(document);
    UnlockMenus(document);  // lifts the lock only
    script.onMessage(vbOK);
    EXPECT_FALSE(main.SaveFile());
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text,
              "保存は禁止されています。アンケートを読み込んでいないか、データが壊れています。");
    EXPECT_FALSE(QFile::exists(UnsavablePath));

    // No save question before another file replaces it.
    main.OpenDataFile(WriteSurvey("other.kz", "別の調査"), 1);
    EXPECT_EQ(script.messages().size(), 1);
    EXPECT_EQ(survey.Title, "別の調査");
}

// --- result pages

class ResultPageTest : public MainWindowFilesTest {
protected:
    // A page file whose questionnaire is `base`.
    QString WritePage(const QString& name, const QString& base)
    {
        test::FieldWriter out;
        out.integer(0);
        out.reversed(PageFileMagic);
        out.plain(base);
        QFile file(dataPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(out.bytes());
        return file.fileName();
    }
    // The pages opened in result sheets.
    QStringList sheets() const
    {
        QStringList pages;
        for (const QString& call : calls.asked)
            if (call.startsWith(u"openResultPage("))
                pages << call.mid(15).chopped(1);
        return pages;
    }
    qsizetype totalsUnloaded() const { return calls.asked.count(QStringLiteral("unloadTotal")); }
};

TEST_F(ResultPageTest, QuestionnaireIsLoadedFirstThenThePageNamedOpensInASheet)
{
    frmMain& main = Start();
    const QString base = WriteSurvey("base.kz");
    const QString page = WritePage("result.kzp", base);
    script.onMessage(vbOK);  // the questionnaire comes first
    main.OpenDataFile(page, OpenTabulationResult);
    EXPECT_EQ(document.CurrentFilePath, base);
    EXPECT_EQ(sheets(), QStringList{page});  // the page the user named, not its base

    // A page of the loaded questionnaire opens at once.
    main.OpenDataFile(page, OpenTabulationResult);
    EXPECT_EQ(sheets(), QStringList({page, page}));
    EXPECT_EQ(script.messages().size(), 1);

    // A questionnaire that fails to load opens no sheet.
    const QString lost = WritePage("lost.kzp", dataPath("gone.kz"));
    script.onMessage(vbYes);  // load gone.kz first
    script.onMessage(vbOK);   // it is not found
    main.OpenDataFile(lost, OpenTabulationResult);
    EXPECT_EQ(sheets().size(), 2);
    EXPECT_TRUE(script.messages().back().text.endsWith("が見つかりません"));
}

TEST_F(ResultPageTest, QuestionnaireLockedAtLevelTwoShowsItsPageOnlyWithThePassword)
{
    test::DataFileFixture locked = test::SurveyFile({{101, {{1}, {1, 2}}, {}}});
    locked.ProtectLevel = 2;
    locked.Password = QStringLiteral("secret");
    const QString base = dataPath("locked.kz");
    ASSERT_TRUE(test::WriteDataFile(base, locked));
    SetCommandLine(base);
    frmMain& main = Start();
    const QString page = WritePage("result.kzp", base);

    script.on("frmOther").typeKeys("Text", "guess").click("OK");
    script.onMessage(vbOK);  // the wrong password is reported
    main.OpenDataFile(page, OpenTabulationResult);
    EXPECT_TRUE(sheets().isEmpty());
    EXPECT_EQ(totalsUnloaded(), 1);
    EXPECT_EQ(document.CurrentFilePath, base);  // the questionnaire stays

    script.on("frmOther").typeKeys("Text", "secret").click("OK");
    main.OpenDataFile(page, OpenTabulationResult);
    EXPECT_EQ(sheets(), QStringList{page});
}

// --- the save interval

class SaveIntervalTest : public MainWindowFilesTest {
protected:
    static constexpr double Minute = 1.0 / 1440;

    // The next interval box: expects `shown`, types `typed`, presses OK.
    void Type(const QString& shown, const QString& typed)
    {
        script.on("frmInput")
            .inspect([shown](QWidget& w) {
                auto& box = static_cast<frmInput&>(w);
                EXPECT_EQ(box.windowTitle(), "保存の間隔");
                EXPECT_EQ(box.txtInput->text(), shown);
            })
            .setText("txtInput", typed)
            .click("cmdOK");
    }
    void CancelAt(const QString& shown)
    {
        script.on("frmInput")
            .inspect([shown](QWidget& w) { EXPECT_EQ(static_cast<frmInput&>(w).txtInput->text(), shown); })
            .click("cmdCancel");
    }
};

TEST_F(SaveIntervalTest, BelowOneMinuteOffersThirtyNext)
{
    for (const QString typed : {"0", "abc", "-5", "12abc", "", "0.4"}) {
        settings.SaveInterval = 45 * Minute;
        Type("45", typed);
        script.onMessage(vbOK);
        CancelAt("30");
        AskSaveInterval();
        EXPECT_EQ(script.messages().back().text, "1分以上の時間を指定してください") << typed.toStdString();
        EXPECT_EQ(script.messages().back().icon, QMessageBox::Critical);
        EXPECT_DOUBLE_EQ(settings.SaveInterval, 30 * Minute);
    }
}

TEST_F(SaveIntervalTest, ADayOrMoreIsRefusedAndLeavesTheInterval)
{
    settings.SaveInterval = 45 * Minute;
    Type("45", "1440");
    script.onMessage(vbOK);
    Type("45", "1439.6");  // a day once rounded
    script.onMessage(vbOK);
    CancelAt("45");
    AskSaveInterval();
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[0].text, "24時間(1440分)以上は設定できません");
    EXPECT_EQ(script.messages()[1].text, "24時間(1440分)以上は設定できません");
    EXPECT_DOUBLE_EQ(settings.SaveInterval, 45 * Minute);
}

TEST_F(SaveIntervalTest, AcceptedMinutesAreRoundedHalfToEven)
{
    frmMain& main = Start();
    settings.SaveInterval = 30 * Minute;
    const std::vector<std::pair<QString, double>> cases = {
        {"1439", 1439}, {"2.5", 2}, {"3.5", 4}, {" 0.6 ", 1}, {"1", 1}};
    QString shown = "30";
    for (const auto& [typed, minutes] : cases) {
        Type(shown, typed);
        Item(main, "mnuSetSaveInterval")->trigger();
        EXPECT_DOUBLE_EQ(settings.SaveInterval, minutes * Minute) << typed.toStdString();
        shown = QString::number(minutes);
    }
    EXPECT_TRUE(script.messages().isEmpty());
    EXPECT_FALSE(IsModified(document));  // a setting of this computer, not of the questionnaire
}

TEST_F(SaveIntervalTest, CancelLeavesTheInterval)
{
    settings.SaveInterval = 10 * Minute;
    CancelAt("10");
    AskSaveInterval();
    EXPECT_DOUBLE_EQ(settings.SaveInterval, 10 * Minute);
}

// --- shut-down

class ShutDownTest : public MainWindowFilesTest {
protected:
    void PlaceTemporaryFiles()
    {
        for (const char* name : {"_convert.tmp", "_result.tmp"}) {
            QFile file(appFile(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    bool HelpWasQuit() const
    {
        return widgets::HelpCalls().contains(widgets::HelpCall{widgets::HelpCommand::Quit, 0});
    }
};

TEST_F(ShutDownTest, CancelKeepsTheProgramRunningWithItsPlacementStored)
{
    frmMain& main = StartChanged("old.kz");
    PlaceTemporaryFiles();
    main.setGeometry(120, 80, 600, 140);
    script.onMessage(vbCancel);
    EXPECT_FALSE(Forms::unload(main));
    ExpectSaveQuestion(0);
    EXPECT_EQ(Forms::loaded<frmMain>(), &main);
    EXPECT_GT(settings.WindowRecs[WindowSlot::frmMain].Width, 0);
    EXPECT_TRUE(QFile::exists(appFile("_convert.tmp")));
    EXPECT_TRUE(QFile::exists(appFile("_result.tmp")));
    EXPECT_FALSE(QFile::exists(appFile("zuntab.ini")));
    EXPECT_TRUE(HelpWasQuit());
    EXPECT_TRUE(IsModified(document));
}

TEST_F(ShutDownTest, NoEndsTheProgramSavingOnlyTheSettings)
{
    frmMain& main = StartChanged("old.kz");
    const QByteArray before = Bytes(dataPath("old.kz"));
    PlaceTemporaryFiles();
    script.onMessage(vbNo);
    EXPECT_TRUE(Forms::unload(main));
    test::FlushEvents();
    EXPECT_TRUE(Forms::openForms().isEmpty());
    EXPECT_FALSE(QFile::exists(appFile("_convert.tmp")));
    EXPECT_FALSE(QFile::exists(appFile("_result.tmp")));
    EXPECT_TRUE(QFile::exists(appFile("zuntab.ini")));
    EXPECT_EQ(Bytes(dataPath("old.kz")), before);
    EXPECT_TRUE(HelpWasQuit());
}

TEST_F(ShutDownTest, FailedSaveAfterYesKeepsTheProgramRunning)
{
    frmMain& main = StartChanged("old.kz");
    PlaceTemporaryFiles();
    SetSaveWriteLimit(0);
    script.onMessage(vbYes);
    script.onMessage(vbOK);
    EXPECT_FALSE(Forms::unload(main));
    EXPECT_EQ(Forms::loaded<frmMain>(), &main);
    EXPECT_TRUE(IsModified(document));
    EXPECT_TRUE(QFile::exists(appFile("_convert.tmp")));
}

TEST_F(ShutDownTest, UnchangedQuestionnaireEndsWithoutAQuestionAndClosesEveryWindow)
{
    frmMain& main = Start();
    Item(main, "mnuAboutKZ")->trigger();  // another window stays open until the end
    Item(main, "mnuQuit")->trigger();
    test::FlushEvents();
    EXPECT_TRUE(Forms::openForms().isEmpty());
    EXPECT_TRUE(script.messages().isEmpty());
    EXPECT_TRUE(QFile::exists(appFile("zuntab.ini")));
}

TEST_F(ShutDownTest, ClosingIsRefusedWhileALongJobRuns)
{
    frmMain& main = StartChanged("old.kz");
    Forms::setLongJobRunning(true);
    main.close();
    EXPECT_FALSE(Forms::unload(main));
    EXPECT_EQ(Forms::loaded<frmMain>(), &main);
    EXPECT_TRUE(script.messages().isEmpty());
}

}  // namespace
}  // namespace kz
