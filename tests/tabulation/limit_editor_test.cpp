// The limit editor on a given condition, as the tabulation request and the
// question editor open it.
#include <QMessageBox>

#include "limit_editor_fixture.h"

namespace kz {
namespace {

using test::MakeCondition;
using test::Row;

class GivenConditionTest : public test::LimitEditorTest {};

TEST_F(GivenConditionTest, ShowsTheConditionAndHandsBackWhatTheUserWrote)
{
    Condition cond = MakeCondition(1, {Row(3, 0, 1)});
    script.on("frmLimit")
        .inspect([](QWidget& w) {
            frmLimit& editor = Editor(w);
            EXPECT_EQ(editor.windowTitle(), "限定条件選択");
            EXPECT_EQ(editor.cmdClose->text(), "ＯＫ");
            EXPECT_TRUE(editor.chkExData->isChecked());
            EXPECT_FALSE(editor.chkExData->isEnabled());
            EXPECT_TRUE(editor.lstPreLimit->isVisible());
            EXPECT_FALSE(editor.lstPreEdit->isVisible() || editor.lblCrossInfo->isVisible());
            EXPECT_EQ(Lines(editor.lstLimit), (QStringList{"さらに加える条件↓", "性別(1)男性", "↑以上"}));
            EXPECT_EQ(editor.lstPreLimit->item(2)->text(), "性別(2)女性");
            EXPECT_EQ(editor.lstPreLimit->selectedItems(), QList<QListWidgetItem*>{editor.lstPreLimit->item(0)});
            EXPECT_EQ(Lines(editor.lstCno), (QStringList{"(0)無回答［排他］", "(1)男性", "(2)女性"}));
            EXPECT_EQ(editor.cmbRank->itemText(1), "1位で回答");
        })
        .inspect(Choose(1, 3, 2))
        .click("cmdWrite(4)")
        .selectRows("lstPreLimit", {1, 2})
        .inspect([](QWidget& w) { EXPECT_EQ(Lines(Editor(w).lstLimit)[2], "除く2位に飲み物(3)緑茶"); })
        .click("cmdClose");
    windows().editLimit(cond, LimitEditMode::WithStoredLimits);
    EXPECT_EQ(cond[0].Code, 6);
    ASSERT_EQ(ConditionRowCount(cond), 2);
    EXPECT_EQ(cond[2].KindRank, 2 * 16 + 4);
    EXPECT_EQ(cond[2].Code, MakeQC(1, 3));
    EXPECT_EQ(widgets::Forms::loaded<frmLimit>(), nullptr);
    EXPECT_FALSE(document.modified);
}

// One message box a session: the harness takes an editor seen waiting on two
// of its checks, half a second apart, for one nobody answers.
TEST_F(GivenConditionTest, RangesRunUpwardsAndStayWhole)
{
    Condition cond = MakeCondition(4, {});
    script.on("frmLimit")
        .inspect([](QWidget& w) {
            EXPECT_TRUE(Editor(w).lblCrossInfo->text().startsWith("クロス集計の場合、"));
            EXPECT_TRUE(Editor(w).lblCrossInfo->isVisible());
            EXPECT_FALSE(Editor(w).lstPreLimit->isVisible());
        })
        .inspect(Choose(1, 4))
        .click("cmdWrite(3)")
        .inspect(Choose(1, 2))
        .click("cmdWrite(2)")  // below its start: the choices change places
        .select("lstLimit", 2)
        .inspect([](QWidget& w) {
            EXPECT_EQ(Editor(w).lstCno->currentRow(), 4);
            EXPECT_EQ(Lines(Editor(w).lstLimit),
                      (QStringList{"さらに加える条件↓", "飲み物(2)紅茶", "　から飲み物(4)水", "↑以上"}));
        })
        .click("cmdWrite(3)")  // between the range's start and end
        .click("cmdClose");
    script.onMessage(vbOK);
    EditLimit(cond, LimitEditMode::CrossNote);
    ASSERT_EQ(ConditionRowCount(cond), 2);

    script.on("frmLimit")
        .select("lstLimit", 3)
        .inspect(Choose(1, 1, 1))
        .click("cmdWrite(2)")  // with a rank: refused, the rank reset
        .inspect([](QWidget& w) { EXPECT_EQ(Editor(w).cmbRank->currentIndex(), 0); })
        .select("lstLimit", 1)
        .click("cmdDelete")  // the range's start takes its end along
        .doubleClick("lstCno", 3)
        .pressEscape();
    script.onMessage(vbOK);
    EditLimit(cond, LimitEditMode::WithoutStoredLimits);

    ASSERT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages()[0].text, "「から」の直前には条件を入れられません。");
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script.messages()[1].text, "『から』では順位は指定できません");
    EXPECT_EQ(cond[0].Code, 4);  // kept while the stored limits are hidden
    ASSERT_EQ(ConditionRowCount(cond), 1);
    EXPECT_EQ(cond[1].KindRank, 3);
    EXPECT_EQ(cond[1].Code, MakeQC(1, 3));
}

}  // namespace
}  // namespace kz
