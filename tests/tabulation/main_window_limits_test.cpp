// The main window's stored-limit command: the limit editor on the sixteen
// stored limits, whose flags every way of closing it recomputes.
#include <QPointer>

#include <functional>
#include <utility>

#include "entry/frm_add_data.h"
#include "main_window_fixture.h"
#include "model/question_codes.h"
#include "program/program_windows.h"
#include "tabulation/frm_limit.h"

namespace kz {
namespace {

using widgets::Forms;

class MainWindowLimitsTest : public test::MainWindowTest {
protected:
    ProgramWindows programWindows;
};

TEST_F(MainWindowLimitsTest, EveryWayOfClosingTheStoredLimitEditorRecomputesTheChangedLimit)
{
    frmMain& main = Start();
    main.OpenDataFile(WriteSurvey("a.kz"), 1);
    ASSERT_EQ(SampleCount(samples), 2);  // Q1 answered 1 and 2
    // Every bit set or clear against its limit, bit 3 set as empty limit 3 is.
    constexpr Integer Flags = 0x5A5A;
    const std::pair<const char*, std::function<void(test::ScriptStep&)>> closings[] = {
        {"cmdClose", [](test::ScriptStep& step) { step.click("cmdClose"); }},
        {"Esc", [](test::ScriptStep& step) { step.pressEscape(); }},
        {"frame", [](test::ScriptStep& step) { step.closeFrame(); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        survey.LimitTable[3] = {};
        samples.Samples.setFlags(0, Flags);
        samples.Samples.setFlags(1, Flags);
        ClearModified(document);
        programWindows.showEntryWindow();
        QPointer<frmLimit> shown;
        // Stored limit 3 becomes "Q1 answered 2".
        test::ScriptStep& step = script.on("frmLimit").inspect([&shown](QWidget& w) {
            shown = static_cast<frmLimit*>(&w);
            EXPECT_EQ(w.windowTitle(), "限定条件");
            EXPECT_EQ(shown->cmdClose->text(), "閉じる(&C)");
            EXPECT_FALSE(shown->chkExData->isChecked() || shown->chkExData->isEnabled());
            EXPECT_EQ(shown->lstLimit->item(0)->text(), "限定条件その0↓");
            EXPECT_EQ(shown->lstLimit->item(1)->text(), "Q1(2)女");
            shown->lstPreEdit->setCurrentRow(3);
            EXPECT_EQ(shown->lblPreLimit->text(), "3");
            EXPECT_EQ(shown->lstLimit->count(), 2);
            shown->lstQno->setCurrentRow(0);
            shown->lstCno->setCurrentRow(2);
        });
        step.click("cmdWrite(3)").inspect([](QWidget& w) {
            EXPECT_EQ(static_cast<frmLimit&>(w).lstPreLimit->item(3)->text(), "Q1(2)女");
        });
        close(step);
        Item(main, "mnuSetLimit")->trigger();

        EXPECT_EQ(survey.LimitTable[3][1].Code, MakeQC(0, 2));
        EXPECT_EQ(samples.Samples.flags(0), Flags & ~8);
        EXPECT_EQ(samples.Samples.flags(1), Flags);
        // The close button showed the progress; the window goes once the events run.
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->cmdClose->text(), "25%");
        EXPECT_TRUE(Item(main, "mnuFileSave")->isEnabled());
        EXPECT_TRUE(Item(main, "mnuSetLimit")->isEnabled());
        // The windows showing the questionnaire close; the editor too.
        EXPECT_EQ(Forms::loaded<frmAddData>(), nullptr);
        EXPECT_EQ(Forms::loaded<frmLimit>(), nullptr);
    }
}

}  // namespace
}  // namespace kz
