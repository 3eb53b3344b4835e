#include <QCoreApplication>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#include "document/recent_files.h"
#include "main_window_fixture.h"
#include "shell/popup_placement.h"
#include "window_calls.h"

namespace kz {
namespace {

using widgets::Forms;

class MainWindowMenusTest : public test::MainWindowTest {
protected:
    // The open questionnaire locked at `level` as a load leaves it; what the
    // start asked of the other windows is forgotten.
    void LockAt(Integer level)
    {
        UnlockMenus(document);
        document.ProtectLevel = level;
        LockMenus(document);
        calls.asked.clear();
    }

    void Drop(frmMain& main, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main, &drop);
        test::FlushEvents();
    }

    test::WindowCalls calls;
};

TEST_F(MainWindowMenusTest, LevelOneLeavesTabulationAndTheQuestionListOn)
{
    frmMain& main = Start();
    LockAt(1);
    for (const char* off : {"mnuFileSave", "mnuFileSaveAs", "mnuInput", "mnuOutput", "mnuSetQuota", "mnuSetParagraph",
                            "mnuSetCollection", "mnuSetQuestion", "mnuSetLimit", "mnuMerge"})
        EXPECT_FALSE(Item(main, off)->isEnabled()) << off;
    for (const char* on : {"mnuStatis", "mnuQuestions", "mnuAbout", "mnuKey", "mnuFileOpen"})
        EXPECT_TRUE(Item(main, on)->isEnabled()) << on;

    script.onMessage(vbOK);
    main.cmdSave->click();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text,
              "保存は禁止されています。アンケートを読み込んでいないか、データが壊れています。");
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);

    main.cmdInput->click();
    main.cmdStatis->click();
    main.cmdListQues->click();
    Item(main, "mnuAbout")->trigger();
    EXPECT_EQ(calls.asked, QStringList({"showTotal(1)", "showGraph", "showQuestionList", "showAbout(false)"}));
}

TEST_F(MainWindowMenusTest, LevelTwoTurnsTabulationOffAndUnlockingTurnsEverythingOn)
{
    frmMain& main = Start();
    LockAt(2);
    for (const char* off : {"mnuStatis", "mnuQuestions", "mnuAbout"})
        EXPECT_FALSE(Item(main, off)->isEnabled()) << off;
    main.cmdStatis->click();
    main.cmdListQues->click();
    EXPECT_TRUE(calls.asked.isEmpty());

    UnlockMenus(document);
    // Unlocking lifts the lock only: the start-up questionnaire stays unsavable.
    EXPECT_FALSE(Item(main, "mnuFileSave")->isEnabled());
    EXPECT_FALSE(Item(main, "mnuFileSaveAs")->isEnabled());
    main.cmdInput->click();
    Item(main, "mnuAbout")->trigger();
    EXPECT_EQ(calls.asked, QStringList({"showEntryWindow", "showAbout(true)"}));
}

TEST_F(MainWindowMenusTest, OpenButtonRefusesWhileOpeningIsOff)
{
    frmMain& main = Start();
    Item(main, "mnuFileOpen")->setEnabled(false);
    script.onMessage(vbOK);
    main.cmdOpen->click();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text,
              "読み込みは禁止されています。アンケートを読み込んでいないか、データが壊れています。");
}

TEST_F(MainWindowMenusTest, NoCommandStartsWhileALongJobRuns)
{
    frmMain& main = Start();
    LockAt(0);
    Forms::setLongJobRunning(true);
    main.cmdListQues->click();
    main.cmdOpen->click();  // would show the file dialog
    Item(main, "mnuQuit")->trigger();
    EXPECT_TRUE(calls.asked.isEmpty());
    EXPECT_EQ(Forms::loaded<frmMain>(), &main);
    Forms::setLongJobRunning(false);
    main.cmdListQues->click();
    EXPECT_EQ(calls.asked, QStringList{"showQuestionList"});
}

TEST_F(MainWindowMenusTest, ItemsThatOpenOtherWindowsAskTheWindowServicesForThem)
{
    frmMain& main = Start();
    LockAt(0);
    struct Case {
        const char* item;
        QStringList asked;
    };
    const Case cases[] = {
        {"mnuNewfile", {"showNewQuestionnaire"}},
        {"mnuSetQuestion", {"showQuestionEditor"}},
        {"mnuQuestions", {"showQuestionList"}},
        {"mnuAbout", {"showAbout(true)"}},
        {"mnuInput", {"showEntryWindow"}},
        {"mnuSetParagraph", {"showParagraph"}},
        {"mnuSetLimit", {"editStoredLimits"}},
        {"mnuStatis", {"showTotal(1)", "showGraph"}},
        {"mnuKey", {"unloadEntryWindow", "showKeyWindow"}},
        {"mnuMergeHTML", {"startImport(WWWANS, WWWｱﾝｹｰﾄ, )"}},
        {"mnuHTMLOut", {"writeNetworkForms"}},
        {"mnuDBOut", {}},
    };
    for (const Case& c : cases) {
        calls.asked.clear();
        Item(main, c.item)->trigger();
        EXPECT_EQ(calls.asked, c.asked) << c.item;
    }
    EXPECT_TRUE(script.messages().isEmpty());
    EXPECT_EQ(Forms::openForms(), QList<widgets::KzForm*>{&main});
}

TEST_F(MainWindowMenusTest, SavingSelectedSamplesExplainsTheRoadAroundTheRequestWindowsSecondPage)
{
    frmMain& main = Start();
    LockAt(0);
    script.onMessage(vbOK).inspect([&](QWidget&) { EXPECT_TRUE(calls.asked.isEmpty()); });
    script.onMessage(vbOK).inspect([&](QWidget&) { EXPECT_EQ(calls.asked, QStringList{"showTotal(2)"}); });
    script.onMessage(vbOK);
    Item(main, "mnuSaveSelect")->trigger();
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_EQ(script.messages()[0].text,
              "特定の条件を満たしたサンプルのみのKelvorzun／区切り(CSV)形式のファイルを作ります。"
              "（もちろん条件無しでも構いません）");
    EXPECT_EQ(script.messages()[1].text,
              "まずこの「検索」ウィンドウで条件を設定して、書き出したいサンプルを検索してください");
    EXPECT_EQ(script.messages()[2].text, "条件を満たすサンプルのＩＤが「集計結果」ウィンドウに出てきます。"
                                         "メニューの「書き出し」を選べばサンプルが書き出されます。");
    EXPECT_EQ(script.messages()[2].icon, QMessageBox::NoIcon);
}

TEST_F(MainWindowMenusTest, RecentFileIsOpenedFromACopyOfItsPath)
{
    const QString a = WriteSurvey("a.kz", "A");
    const QString b = WriteSurvey("b.kz", "B");
    const QString c = WriteSurvey("c&d.kz", "C");
    const QString d = WriteSurvey("d.kz", "D");
    frmMain& main = Start();
    settings.MRUFiles = {a, b, c, d};
    RecentFilesMenu(settings, {});
    EXPECT_EQ(main.mnuFileMRU[2]->text(), "&3 " + dataPath("c&&d.kz"));

    main.mnuFileMRU[2]->trigger();
    EXPECT_EQ(survey.Title, "C");
    EXPECT_EQ(document.CurrentFilePath, c);
    EXPECT_EQ((std::vector<QString>(settings.MRUFiles.begin(), settings.MRUFiles.begin() + 4)),
              (std::vector<QString>{c, a, b, d}));
    EXPECT_EQ(main.mnuFileMRU[0]->text(), "&1 " + dataPath("c&&d.kz"));
    EXPECT_EQ(main.mnuFileMRU[1]->text(), "&2 " + a);
}

TEST_F(MainWindowMenusTest, ResettingWindowsAndFontsAlsoEmptiesTheRecentFileItems)
{
    frmMain& main = Start();
    settings.MRUFiles = {WriteSurvey("a.kz", "A"), WriteSurvey("b.kz", "B")};
    RecentFilesMenu(settings, {});
    ASSERT_TRUE(main.mnuFileMRU[0]->isVisible());

    script.onMessage(vbCancel);
    Item(main, "mnuInfoFormReset")->trigger();
    EXPECT_TRUE(main.mnuFileMRU[1]->isVisible());

    script.onMessage(vbOK);
    Item(main, "mnuInfoFormReset")->trigger();
    EXPECT_EQ(script.messages().back().text, "各ウィンドウのサイズとフォントなどを初期化します。");
    EXPECT_TRUE(settings.MRUFiles[0].isEmpty());
    for (QAction* item : main.mnuFileMRU)
        EXPECT_FALSE(item->isVisible());
    EXPECT_FALSE(main.mnuFileMRUSpace->isVisible());
}

TEST_F(MainWindowMenusTest, OnlyTheFirstDroppedLocalFileIsOpened)
{
    const QString first = WriteSurvey("first.kz", "最初");
    const QString second = WriteSurvey("second.kz", "二番目");
    frmMain& main = Start();
    Drop(main, {QUrl("https://example.com/web.kz"), QUrl::fromLocalFile(data_.path()), QUrl::fromLocalFile(first),
                QUrl::fromLocalFile(second), QUrl::fromLocalFile(dataPath("third.kz"))});
    EXPECT_EQ(survey.Title, "最初");
    EXPECT_EQ(document.CurrentFilePath, first);
}

TEST_F(MainWindowMenusTest, DropsOfNoLocalFileOrDuringALongJobAreIgnored)
{
    const QString path = WriteSurvey("dropped.kz");
    frmMain& main = Start();
    Drop(main, {QUrl("https://example.com/web.kz")});
    EXPECT_EQ(survey.Title, "新規アンケート");
    Forms::setLongJobRunning(true);
    Drop(main, {QUrl::fromLocalFile(path)});
    Forms::setLongJobRunning(false);
    EXPECT_EQ(survey.Title, "新規アンケート");
    EXPECT_TRUE(script.messages().isEmpty());
}

TEST_F(MainWindowMenusTest, LoadPageCommandOpensTheResultDialog)
{
    frmMain& main = Start();
    script.on("CMDialog").inspect([](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        EXPECT_EQ(dialog.nameFilters(), QStringList{"集計結果(*.kzp) (*.kzp)"});
        dialog.reject();
    });
    main.lblCommand->setCaption("other");
    main.lblCommand->setCaption("Load Page");
    main.lblCommand->setCaption("Load Page");  // unchanged: no second command
}

TEST_F(MainWindowMenusTest, ImportCommandsStartTheImportWindowOnTheChosenFileOnceTheNoticeIsAccepted)
{
    frmMain& main = Start();
    calls.asked.clear();
    const QString file = WriteSurvey("answers.txt");
    ChooseFile(file);
    script.onMessage(vbOK);
    Item(main, "mnuMergeTXT")->trigger();
    ChooseFile(file);
    script.onMessage(vbOK);
    Item(main, "mnuMergeCSV")->trigger();
    ChooseFile(file);
    script.onMessage(vbCancel);
    Item(main, "mnuMergeCSV")->trigger();
    EXPECT_EQ(calls.asked, QStringList({"startImport(TXT, Kelvorzun入力形式, " + file + ")",
                                        "startImport(CSV, 区切り形式, " + file + ")"}));
    ASSERT_EQ(script.messages().size(), 3);
    EXPECT_EQ(script.messages()[1].icon, QMessageBox::Information);
}

TEST(PopupMenuPointTest, MenuOpensTowardsTheMiddleOfTheScreen)
{
    const QRect button(100, 50, 40, 40);
    EXPECT_EQ(PopupMenuPoint(10, 1280, button, 200), QPoint(140, 50));
    EXPECT_EQ(PopupMenuPoint(639, 1280, button, 200), QPoint(140, 50));
    // Exactly in the middle or right of it: to the left of the button.
    EXPECT_EQ(PopupMenuPoint(640, 1280, button, 200), QPoint(-100, 50));
    EXPECT_EQ(PopupMenuPoint(900, 1281, QRect(1000, 10, 40, 40), 150), QPoint(850, 10));
}

}  // namespace
}  // namespace kz
