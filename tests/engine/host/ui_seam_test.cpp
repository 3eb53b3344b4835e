#include <gtest/gtest.h>

#include "host/ui_seam.h"
#include "support/scripted_ui.h"

namespace kz {
namespace {

TEST(UiSeamTest, DefaultSeamAnswersEveryBoxWithItsFirstButton)
{
    EXPECT_EQ(MsgBox("a"), vbOK);
    EXPECT_EQ(MsgBox("a", vbOKCancel | vbQuestion | vbDefaultButton2), vbOK);
    EXPECT_EQ(MsgBox("a", vbAbortRetryIgnore), vbAbort);
    EXPECT_EQ(MsgBox("a", vbYesNoCancel | vbExclamation), vbYes);
    EXPECT_EQ(MsgBox("a", vbYesNo), vbYes);
    EXPECT_EQ(MsgBox("a", vbRetryCancel | vbCritical), vbRetry);
    EXPECT_TRUE(ui().setProcessingProgress("x", 0.5f));
}

TEST(UiSeamTest, ScriptedSeamIsInstalledForItsLifetime)
{
    {
        test::ScriptedUi scripted;
        scripted.expectBox(vbNo);
        EXPECT_EQ(MsgBox("問い", vbYesNo, "題"), vbNo);
        ASSERT_EQ(scripted.boxes().size(), 1u);
        EXPECT_EQ(scripted.boxes()[0].prompt, "問い");
        EXPECT_EQ(scripted.boxes()[0].style, vbYesNo);
        EXPECT_EQ(scripted.boxes()[0].title, "題");
        Beep();
        EXPECT_EQ(scripted.beeps(), 1);
    }
    EXPECT_EQ(MsgBox("a", vbYesNo), vbYes);  // the silent seam again
}

}  // namespace
}  // namespace kz
