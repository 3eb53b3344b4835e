#include <QMessageBox>

#include "document/cmd_box.h"
#include "document/menu_state.h"
#include "model/document.h"
#include "program_fixture.h"
#include "shell/frm_processing.h"
#include "shell/shell_ui.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

TEST(ProgressDrawingTest, ColourOfAPieceGoesFromGreenToWhite)
{
    EXPECT_EQ(ProgressColour(0), QColor(0, 191, 0));
    EXPECT_EQ(ProgressColour(10), QColor(26, 197, 26));    // 25.5 -> 26, 197.4 -> 197
    EXPECT_EQ(ProgressColour(50), QColor(128, 223, 128));  // 127.5 -> 128
    EXPECT_EQ(ProgressColour(30), QColor(76, 210, 76));    // 76.5 -> 76 (even)
    EXPECT_EQ(ProgressColour(100), QColor(255, 255, 255));
}

TEST(ProgressDrawingTest, PercentRoundsHalvesToEvenAndIsCapped)
{
    EXPECT_EQ(ProgressPercent(0.125f), 12);
    EXPECT_EQ(ProgressPercent(0.375f), 38);
    EXPECT_EQ(ProgressPercent(0.5f), 50);
    EXPECT_EQ(ProgressPercent(1.7f), 100);
    EXPECT_EQ(ProgressPercent(-0.2f), 0);
}

class ProcessingTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    test::ProgramStateGuard programState;
    frmProcessing& window() { return Forms::instance<frmProcessing>(); }
    QColor barAt(Long percent)
    {
        const QImage& bar = window().pctBar->picture();
        return bar.pixelColor(std::min<int>(bar.width() - 1, bar.width() * percent / 100), bar.height() / 2);
    }

    ShellUi shellUi;
    test::WindowScript script;
};

TEST_F(ProcessingTest, BarGrowsInTheColourOfEachPieceAndShrinksToBlack)
{
    ShowProcessing("読み込み", "info", "0/10", true, true, false);
    EXPECT_EQ(window().windowTitle(), "読み込み");
    EXPECT_EQ(window().lblInfomation->text(), "info");
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(SetProcessingProgress("3/10", 0.3f));
    EXPECT_EQ(window().lblProcessing->text(), "3/10");
    EXPECT_TRUE(SetProcessingProgress("6/10", 0.6f));
    EXPECT_EQ(barAt(10), ProgressColour(0));
    EXPECT_EQ(barAt(45), ProgressColour(30));
    EXPECT_EQ(barAt(80), QColor(Qt::black));
    EXPECT_TRUE(SetProcessingProgress("4/10", 0.4f));
    EXPECT_EQ(barAt(50), QColor(Qt::black));
    EXPECT_EQ(barAt(35), ProgressColour(30));
    EXPECT_TRUE(SetProcessingProgress("all", 1.7f));
    EXPECT_EQ(barAt(99), ProgressColour(40));
    EndProcessing();
    EXPECT_FALSE(window().isVisible());
    // The next job starts from an empty bar.
    ShowProcessing("c", "i", "p", false, true, false);
    EXPECT_EQ(barAt(10), QColor(Qt::black));
    EndProcessing();
}

TEST_F(ProcessingTest, OtherWindowsAreDisabledWhileTheJobRunsAndAllEnabledAfter)
{
    class frmOtherWindow : public widgets::KzForm {
    public:
        frmOtherWindow() : KzForm(QStringLiteral("frmOtherWindow")) {}
    };
    auto& other = Forms::instance<frmOtherWindow>();
    other.show();
    ShowProcessing("c", "i", "p", false, false, false);  // not shown, still disabling
    EXPECT_FALSE(other.isEnabled());
    EXPECT_TRUE(window().isEnabled());
    EXPECT_TRUE(Forms::longJobRunning());
    other.close();  // refused while the job runs
    EXPECT_TRUE(other.isVisible());
    EndProcessing();
    EXPECT_TRUE(other.isEnabled());
    EXPECT_FALSE(Forms::longJobRunning());
}

TEST_F(ProcessingTest, StopOfAFatalJobMakesTheDocumentUnsavable)
{
    ShowProcessing("c", "i", "p", true, true, false);
    script.onMessage(vbCancel);
    window().cmdStop->click();
    EXPECT_TRUE(window().cmdStop->isEnabled());
    EXPECT_TRUE(SetProcessingProgress("p", 0.1f));
    EXPECT_EQ(document.ProtectLevel, 0);
    script.onMessage(vbOK);
    window().cmdStop->click();
    EXPECT_FALSE(window().cmdStop->isEnabled());
    EXPECT_FALSE(SetProcessingProgress("p", 0.2f));
    EXPECT_EQ(document.ProtectLevel, 2);
    EXPECT_EQ(document.CurrentFilePath, UnsavablePath);
    EXPECT_FALSE(IsModified(document));
    const auto& shown = script.messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, "中止するとKelvorzun内部のアンケートデータが壊れて保存出来なくなります。");
    EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(shown[0].defaultAnswer, vbCancel);
    EndProcessing();
}

TEST_F(ProcessingTest, StopOfASaveWarnsThenNotifies)
{
    ShowProcessing("保存", "i", "p", true, true, true);
    script.onMessage(vbCancel);
    window().cmdStop->click();
    EXPECT_TRUE(SetProcessingProgress("p", 0.1f));
    script.onMessage(vbOK);
    script.onMessage(vbOK);
    window().cmdStop->click();
    EXPECT_FALSE(SetProcessingProgress("p", 0.2f));
    EXPECT_EQ(document.ProtectLevel, 0);  // a save leaves the questionnaire usable
    const auto& shown = script.messages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1].text, "中止すると保存先のファイルが中途半端で読み込めなくなります。");
    EXPECT_EQ(shown[2].text,
              "保存先のファイルが読み込めなくなりました。Kelvorzun終了前に必ず改めて保存し直してください。");
    EXPECT_EQ(shown[2].answers, (QList<int>{vbOK}));
    EndProcessing();
}

TEST_F(ProcessingTest, StopOfAnOrdinaryJobAsksOnceAndTheNextJobCanStopAgain)
{
    ShowProcessing("c", "i", "p", false, true, false);
    script.onMessage(vbCancel);
    window().cmdStop->click();
    EXPECT_TRUE(SetProcessingProgress("p", 0.5f));
    script.onMessage(vbOK);
    window().cmdStop->click();
    EXPECT_FALSE(SetProcessingProgress("p", 0.6f));
    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[1].text, "中止しますか？");
    EndProcessing();
    ShowProcessing("c", "i", "p", false, true, false);
    EXPECT_TRUE(window().cmdStop->isEnabled());
    EXPECT_TRUE(SetProcessingProgress("p", 0.1f));
    EndProcessing();
}

TEST_F(ProcessingTest, HiddenWindowNeverReportsAStop)
{
    ShowProcessing("c", "i", "p", false, false, false);
    window().cmdStop->setEnabled(false);
    EXPECT_TRUE(SetProcessingProgress("p", 0.5f));
    EndProcessing();
}

}  // namespace
}  // namespace kz
