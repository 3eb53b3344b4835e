// The sample view, as the entry window and the result sheets drive it.
#include "entry/frm_answer.h"
#include "entry_window_fixture.h"
#include "model/sample_table.h"
#include "model/workspace.h"
#include "texts/sample_text.h"

namespace kz::test {
namespace {

using widgets::Forms;

class SampleViewTest : public EntryWindowTest {
protected:
    void SetUp() override
    {
        EntryWindowTest::SetUp();
        StoredSample(1, 1);
        StoredSample(2, 3);
        StoredSample(3, 4);
    }
    static frmAnswer& View() { return *Forms::loaded<frmAnswer>(); }
    // What the view shows for the sample at `dno`.
    static QString Shown(Long dno, Integer fromQ, bool withQuestions)
    {
        return SampleViewText(ProgramWorkspace(), dno, fromQ, 3, withQuestions)
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
};

TEST_F(SampleViewTest, ShowsTheEntryWindowsSampleAndFollowsIt)
{
    frmAddData& entry = Open();
    entry.mnuAnswer->trigger();
    ASSERT_TRUE(View().isVisible());
    EXPECT_EQ(View().lblIDno->text(), "3");
    EXPECT_EQ(View().txtAnswer->toPlainText(), "1質問 : (4)\n2質問 : (0)無回答\n3質問 : (0)無回答\n");

    entry.lblDno->setCaption(QStringLiteral("0"));
    EXPECT_EQ(View().lblIDno->text(), "1");
    EXPECT_EQ(View().txtAnswer->toPlainText(), Shown(0, 0, false));
}

TEST_F(SampleViewTest, QuestionsShownFromAChosenOneAndWithTheirTexts)
{
    windows.showSampleView("3", "1", "2");
    script.on("frmQBox").select("lstQno(0)", 1).click("cmdOK");
    View().cmdChangeFromQ->click();
    EXPECT_EQ(View().lblFromQ->text(), "Q2 2質問から");
    EXPECT_EQ(View().txtAnswer->toPlainText(), Shown(1, 1, false));
    View().chkQ->click();
    EXPECT_EQ(View().txtAnswer->toPlainText(), Shown(1, 1, true));
}

TEST_F(SampleViewTest, FindsItsSampleAgainByIDWhenThePositionsMove)
{
    windows.showSampleView("3", "2", "3");
    DeleteSampleRec(samples.Samples, 0);  // sample 3 moves to position 1
    View().chkQ->click();
    EXPECT_EQ(View().lblDno->text(), "1");
    EXPECT_EQ(View().txtAnswer->toPlainText(), Shown(1, 0, true));

    // A position past the end names no sample; the ID finds it.
    windows.showSampleView("3", "9", "2");
    EXPECT_EQ(View().lblDno->text(), "0");
    EXPECT_EQ(View().txtAnswer->toPlainText(), Shown(0, 0, true));

    // Its sample gone, the view keeps what it showed.
    samples.Samples.clear();
    View().chkQ->click();
    EXPECT_EQ(View().lblIDno->text(), "2");
    EXPECT_FALSE(View().txtAnswer->toPlainText().isEmpty());
}

}  // namespace
}  // namespace kz::test
