#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstdlib>

#include "document/cmd_box.h"
#include "program_fixture.h"
#include "shell/frm_ask.h"
#include "shell/frm_input.h"
#include "shell/frm_other.h"
#include "shell/frm_q_box.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/forms.h"
#include "widgets/help_service.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

class BoxesTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    void SetUp() override
    {
        for (int q = 0; q < 5; ++q) {
            AddQuestion(1, 3);
            survey.Questions[q].Text = QStringLiteral("質問%1\r文\r\r").arg(q + 1);
        }
    }
    test::ProgramStateGuard programState;
    ShellUi shellUi;
    test::WindowScript script;
};

// --- AskBox

TEST_F(BoxesTest, AskBoxAnswersByTheButtonPressed)
{
    script.on("frmAsk")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmAsk&>(w);
            EXPECT_EQ(box.windowTitle(), "Kelvorzun");
            EXPECT_EQ(box.lblInfo1->text(), "一行目");
            EXPECT_EQ(box.lblInfo2->text(), "二行目");
            EXPECT_EQ(box.cmdFunc1->text(), "上書き");
            EXPECT_EQ(box.cmdFunc2->text(), "追加");
            EXPECT_EQ(box.cmdCancel->text(), "キャンセル");
        })
        .click("cmdFunc1");
    script.on("frmAsk").click("cmdFunc2");
    script.on("frmAsk").click("cmdCancel");
    EXPECT_EQ(AskBox("一行目", "二行目", "上書き", "追加"), 1);
    EXPECT_EQ(AskBox("a", "b", "c", "d"), 2);
    EXPECT_EQ(AskBox("a", "b", "c", "d"), 0);
    EXPECT_EQ(Forms::loaded<frmAsk>(), nullptr);  // unloaded after each question
}

TEST_F(BoxesTest, AskBoxClosedByEscOrFrameIsCancel)
{
    script.on("frmAsk").pressEscape();
    script.on("frmAsk").closeFrame();
    EXPECT_EQ(AskBox("a", "b", "c", "d"), 0);
    EXPECT_EQ(AskBox("a", "b", "c", "d"), 0);
}

// --- InputBoxEx

TEST_F(BoxesTest, InputBoxOkGivesTheTypedText)
{
    script.on("frmInput")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmInput&>(w);
            EXPECT_EQ(box.windowTitle(), "保存の間隔");
            EXPECT_EQ(box.lblName->text(), "間隔");
            EXPECT_EQ(box.lblRange->text(), "単位：分");
            EXPECT_TRUE(box.lblCaution->isVisible());
            EXPECT_EQ(box.lblCaution->text(), "保存する時間の間隔を入力してください");
            EXPECT_EQ(box.txtInput->text(), "30");
            EXPECT_EQ(box.txtInput->selectedText(), "30");  // selected on focus
        })
        .setText("txtInput", "45")
        .click("cmdOK");
    QString text = "30";
    EXPECT_TRUE(InputBoxEx("保存の間隔", "間隔", "単位：分", "保存する時間の間隔を入力してください", text));
    EXPECT_EQ(text, "45");
}

TEST_F(BoxesTest, InputBoxOpensCentredOnTheWindowItWasAskedFromWithItsCautionOnOneLine)
{
    QWidget owner;
    owner.setGeometry(300, 200, 420, 320);
    owner.show();
    QApplication::setActiveWindow(&owner);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    script.on("frmInput")
        .inspect([&owner](QWidget& w) {
            auto& box = static_cast<frmInput&>(w);
            // Within the frame, which a window gets once it is shown.
            const QPoint offset = box.frameGeometry().center() - owner.frameGeometry().center();
            EXPECT_LE(std::abs(offset.x()), 4);
            EXPECT_LE(std::abs(offset.y()), 4);
            const QFontMetrics metrics = box.lblCaution->fontMetrics();
            EXPECT_GE(box.lblCaution->width(), metrics.horizontalAdvance(box.lblCaution->text()));
            EXPECT_LT(box.lblCaution->height(), 2 * metrics.height());
        })
        .click("cmdCancel");
    QString text = "30";
    InputBoxEx("保存の間隔", "間隔", "単位：分", "保存する時間の間隔を入力してください", text);
}

TEST_F(BoxesTest, InputBoxEnterPressesOk)
{
    script.on("frmInput").typeKeys("txtInput", "7\r");
    QString text = "3";  // selected on focus, so typing replaces it
    EXPECT_TRUE(InputBoxEx("t", "n", "r", "", text));
    EXPECT_EQ(text, "7");
}

TEST_F(BoxesTest, InputBoxCancelEmptiesTheCallersText)
{
    script.on("frmInput")
        .inspect([](QWidget& w) { EXPECT_FALSE(static_cast<frmInput&>(w).lblCaution->isVisible()); })
        .setText("txtInput", "typed")
        .click("cmdCancel");
    QString text = "kept?";
    EXPECT_FALSE(InputBoxEx("t", "n", "r", "", text));
    EXPECT_EQ(text, "");
}

TEST_F(BoxesTest, InputBoxEscAndFrameCloseAreCancel)
{
    script.on("frmInput").setText("txtInput", "x").pressEscape();
    script.on("frmInput").setText("txtInput", "y").closeFrame();
    QString text = "a";
    EXPECT_FALSE(InputBoxEx("t", "n", "r", "c", text));
    EXPECT_EQ(text, "");
    text = "b";
    EXPECT_FALSE(InputBoxEx("t", "n", "r", "c", text));
    EXPECT_EQ(text, "");
    // The next box starts afresh: its Cancel caption is back.
    script.on("frmInput").click("cmdOK");
    text = "c";
    EXPECT_TRUE(InputBoxEx("t", "n", "r", "c", text));
    EXPECT_EQ(text, "c");
}

// --- QBoxSelect / QBoxSelectMany

TEST_F(BoxesTest, QBoxSelectCountsFromFirst)
{
    script.on("frmQBox")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmQBox&>(w);
            EXPECT_EQ(box.windowTitle(), "質問");
            EXPECT_EQ(box.lblInfo->text(), "どの質問から？");
            EXPECT_TRUE(box.lstQno[0]->isVisible());
            EXPECT_FALSE(box.lstQno[1]->isVisible());
            EXPECT_EQ(box.lstQno[0]->count(), 2);  // questions 3 and 4
            EXPECT_EQ(box.lstQno[0]->currentRow(), 0);
            EXPECT_TRUE(box.lstQno[0]->item(0)->text().contains("質問4"));
            EXPECT_EQ(box.cmdCancel->text(), "ｷｬﾝｾﾙ");
        })
        .click("cmdOK");
    EXPECT_EQ(QBoxSelect(survey, "どの質問から？", 3), 3);
    script.on("frmQBox").select("lstQno(0)", 1).click("cmdOK");
    EXPECT_EQ(QBoxSelect(survey, "p", 3), 4);
    script.on("frmQBox").doubleClick("lstQno(0)", 2);
    EXPECT_EQ(QBoxSelect(survey, "p", 0), 2);
}

TEST_F(BoxesTest, QBoxSelectCancelEscFrameAndNothingSelectedGiveMinusOne)
{
    script.on("frmQBox").select("lstQno(0)", 1).click("cmdCancel");
    script.on("frmQBox").pressEscape();
    script.on("frmQBox").closeFrame();
    script.on("frmQBox")
        .inspect([](QWidget& w) { static_cast<frmQBox&>(w).lstQno[0]->clearSelection(); })
        .click("cmdOK");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(QBoxSelect(survey, "p", 0), -1) << i;
    // A start beyond the questions shows nothing and chooses nothing.
    EXPECT_EQ(QBoxSelect(survey, "p", 5), -1);
}

TEST_F(BoxesTest, QBoxSelectManyMarksEachQuestion)
{
    script.on("frmQBox")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmQBox&>(w);
            EXPECT_FALSE(box.lstQno[0]->isVisible());
            EXPECT_TRUE(box.lstQno[1]->isVisible());
            EXPECT_EQ(box.lstQno[1]->count(), 5);
        })
        .selectRows("lstQno(1)", {0, 3})
        .click("cmdOK");
    std::array<Integer, 6> selected{9, 9, 9, 9, 9, 9};
    QBoxSelectMany(survey, "書き出す質問を選んでください", selected);
    EXPECT_EQ(selected, (std::array<Integer, 6>{-1, 0, 0, -1, 0, 9}));
}

TEST_F(BoxesTest, QBoxSelectManyCancelMarksOnlyTheFirstEntry)
{
    script.on("frmQBox").selectRows("lstQno(1)", {1}).click("cmdCancel");
    script.on("frmQBox").closeFrame();
    std::array<Integer, 5> selected{0, -1, 0, -1, 0};
    QBoxSelectMany(survey, "p", selected);
    EXPECT_EQ(selected, (std::array<Integer, 5>{QBoxCancelled, -1, 0, -1, 0}));
    selected = {0, -1, 0, -1, 0};
    QBoxSelectMany(survey, "p", selected);
    EXPECT_EQ(selected[0], -32768);
}

// --- AskPassword

TEST_F(BoxesTest, PasswordTypedInCapitalsIsTakenInSmallLetters)
{
    script.on("frmOther")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmOther&>(w);
            EXPECT_EQ(box.windowTitle(), "パスワード照合");
            EXPECT_EQ(box.Label->text(), "パスワードを入力");
            EXPECT_EQ(box.OK->text(), "照合(&C)");
            EXPECT_EQ(box.Text->text(), "");
        })
        .typeKeys("Text", "SeCrx\bet\r");
    EXPECT_TRUE(AskPassword("secret"));
    EXPECT_NE(Forms::loaded<frmOther>(), nullptr);  // stays loaded
}

TEST_F(BoxesTest, WrongPasswordIsReported)
{
    script.on("frmOther").typeKeys("Text", "guess").click("OK");
    script.onMessage(vbOK);
    EXPECT_FALSE(AskPassword("secret"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, "パスワードが正しくありません");
    EXPECT_EQ(script.messages()[0].title, "Kelvorzun");
}

TEST_F(BoxesTest, OtherKeysAreDroppedWithAHint)
{
    script.on("frmOther").typeKeys("Text", "ab1c").click("OK");
    script.onMessage(vbOK);  // for "1"
    EXPECT_TRUE(AskPassword("abc"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, "助言を参照せよ");
}

TEST_F(BoxesTest, PasteAcceptsOnlyWhatTheKeysWould)
{
    script.on("frmOther")
        .paste("Text", "ab1")  // refused as a whole
        .paste("Text", "ABc")
        .inspect([](QWidget& w) { EXPECT_EQ(static_cast<frmOther&>(w).Text->text(), "abc"); })
        .click("OK");
    EXPECT_TRUE(AskPassword("abc"));
}

TEST_F(BoxesTest, PasswordPromptRefusesToCloseByItsFrame)
{
    script.on("frmOther")
        .closeFrame()
        .inspect([](QWidget& w) { EXPECT_TRUE(w.isVisible()); })
        .typeKeys("Text", "abc\r");
    EXPECT_TRUE(AskPassword("abc"));
    // The next prompt starts empty.
    script.on("frmOther").click("OK");
    script.onMessage(vbOK);
    EXPECT_FALSE(AskPassword("abc"));
}

// --- AskFolder, FileDialog, help

TEST_F(BoxesTest, AskFolderGivesTheFolderShownOrEmptyOnCancel)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    script.on("frmDirBox")
        .inspect([](QWidget& w) {
            EXPECT_EQ(w.windowTitle(), "ディレクトリの選択");
            auto* list = w.findChild<QListWidget*>("dirDir");
            ASSERT_NE(list, nullptr);
            emit list->itemDoubleClicked(list->item(list->count() - 1));  // into "sub"
        })
        .click("cmdOK");
    script.on("frmDirBox").click("cmdCancel");
    script.on("frmDirBox").closeFrame();
    EXPECT_EQ(AskFolder(), QDir(dir.filePath("sub")).canonicalPath());
    EXPECT_EQ(AskFolder(), "");
    EXPECT_EQ(AskFolder(), "");
    QDir::setCurrent(before);
}

TEST_F(BoxesTest, FileDialogLeavesTheCallersPathAndCancelIsEmpty)
{
    const QString path = QDir::tempPath() + "/kz_absent_dialog_test.kz";
    script.on("CMDialog").inspect([](QWidget& w) { static_cast<QDialog&>(w).reject(); });
    EXPECT_EQ(FileDialog(path, "Kelvorzunデータ(*.kz)|*.kz|全てのファイル(*.*)|*.*|", 0), "");
    EXPECT_EQ(path, QDir::tempPath() + "/kz_absent_dialog_test.kz");
}

TEST_F(BoxesTest, HelpWithoutItsFileTellsTheUser)
{
    widgets::SetHelpFile(QDir::tempPath() + "/kz_no_such_help/zuntab.hlp");
    widgets::ClearHelpCalls();
    script.onMessage(vbOK);
    ShowHelpContext(44);
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(script.messages()[0].text.contains("zuntab.hlp"));
    QuitHelp();  // no message: nothing to close
    EXPECT_EQ(widgets::HelpCalls(),
              (QList<widgets::HelpCall>{{widgets::HelpCommand::Context, 44}, {widgets::HelpCommand::Quit, 0}}));
    widgets::SetHelpFile({});
}

}  // namespace
}  // namespace kz
