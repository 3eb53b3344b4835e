#include <QMessageBox>

#include "host/ui_seam.h"
#include "shell/shell_ui.h"
#include "widgets/beep.h"
#include "window_script.h"

namespace kz {
namespace {

class MessageBoxTest : public test::WindowTest {
protected:
    ShellUi shellUi;
    test::WindowScript script;
};

TEST_F(MessageBoxTest, ButtonSetsAnswerWithTheOldValues)
{
    script.onMessage(vbOK);
    script.onMessage(vbCancel);
    script.onMessage(vbNo);
    script.onMessage(vbIgnore);
    script.onMessage(vbRetry);
    EXPECT_EQ(MsgBox("a"), vbOK);
    EXPECT_EQ(MsgBox("b", vbOKCancel), vbCancel);
    EXPECT_EQ(MsgBox("c", vbYesNoCancel), vbNo);
    EXPECT_EQ(MsgBox("d", vbAbortRetryIgnore), vbIgnore);
    EXPECT_EQ(MsgBox("e", vbRetryCancel), vbRetry);
    const auto& shown = script.messages();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0].answers, (QList<int>{vbOK}));
    EXPECT_EQ(shown[1].answers, (QList<int>{vbOK, vbCancel}));
    EXPECT_EQ(shown[2].answers, (QList<int>{vbCancel, vbYes, vbNo}));
    EXPECT_EQ(shown[3].answers, (QList<int>{vbAbort, vbRetry, vbIgnore}));
    EXPECT_EQ(shown[4].answers, (QList<int>{vbCancel, vbRetry}));
}

TEST_F(MessageBoxTest, TitleIconAndDefaultButton)
{
    script.onMessage(vbYes);
    script.onMessage(vbOK);
    script.onMessage(vbCancel);
    MsgBox("保存しますか？", vbYesNoCancel | vbQuestion, "題");
    MsgBox("注意", vbExclamation);
    MsgBox("中止しますか？", vbOKCancel | vbExclamation | vbDefaultButton2);
    const auto& shown = script.messages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].title, "題");
    EXPECT_EQ(shown[0].icon, QMessageBox::Question);
    EXPECT_EQ(shown[0].defaultAnswer, vbYes);
    EXPECT_EQ(shown[1].title, "Kelvorzun");
    EXPECT_EQ(shown[1].icon, QMessageBox::Warning);
    EXPECT_EQ(shown[2].text, "中止しますか？");
    EXPECT_EQ(shown[2].defaultAnswer, vbCancel);
}

TEST_F(MessageBoxTest, EscIsCancelWhereTheSetHasIt)
{
    script.onMessage(0).pressEscape();
    script.onMessage(0).pressEscape();
    EXPECT_EQ(MsgBox("a", vbYesNoCancel), vbCancel);
    EXPECT_EQ(MsgBox("b", vbOKOnly | vbCritical), vbOK);
}

TEST_F(MessageBoxTest, BeepGoesThroughTheSeam)
{
    const int before = widgets::BeepCount();
    Beep();
    EXPECT_EQ(widgets::BeepCount(), before + 1);
}

}  // namespace
}  // namespace kz
