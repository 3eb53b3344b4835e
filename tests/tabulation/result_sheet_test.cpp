// The result sheet over the café questionnaire, opened from code as the
// tabulation window will open it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cmath>

#include "host/long_job.h"
#include "result_sheet_fixture.h"
#include "widgets/beep.h"
#include "window_calls.h"

namespace kz {
namespace {

using test::Gender;
using test::Orders;
using test::Request;
using test::Satisfaction;
using widgets::Forms;

// Any other open window, to see the sheet lock and unlock it.
class OtherWindow : public widgets::KzForm {
public:
    OtherWindow() : KzForm(QStringLiteral("frmOther")) {}
};

class ResultSheetTest : public test::ResultSheetWindowTest {};

TEST_F(ResultSheetTest, DoTotalCountsTheRequestAndShowsIt)
{
    TotalOptionRec request = Request(Gender, Satisfaction);
    request.Limits[0][1] = test::Row(4, Orders, 0);  // those who answered 注文
    frmGridBase& sheet = DoTotal(request);

    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.windowTitle(), "集計結果");
    EXPECT_EQ(sheet.Grid->rows(), 28);
    EXPECT_EQ(sheet.Grid->cols(), 4);
    EXPECT_EQ(sheet.Grid->fixedRows(), 1);
    EXPECT_EQ(Row(sheet, 2), QStringList({"[全体の限定]", "除く無回答", "", ""}));
    EXPECT_EQ(Row(sheet, 4), QStringList({"男性", "2", "50.0%", ""}));
    EXPECT_EQ(Row(sheet, 7), QStringList({"[人数]", "4", "100.0%", ""}));
    EXPECT_TRUE(sheet.chkTotaled->isChecked());
    EXPECT_FALSE(sheet.chkSorted->isChecked());
    // The sheet's own copy, with the overall condition beside it.
    EXPECT_EQ(sheet.result().SheetOption.ExLimit[1].Code, request.Limits[0][1].Code);
    EXPECT_EQ(sheet.lblInfo2->text(), "質問:Q3/Q3まで  限定条件:1/1");
    EXPECT_EQ(sheet.lblInfo->text(), "100%");
    // Done: the stop button gone, the menus back, the first row current.
    EXPECT_TRUE(sheet.cmdCancel->isHidden());
    EXPECT_TRUE(sheet.mnuFile->isEnabled());
    EXPECT_FALSE(Forms::longJobRunning());
    EXPECT_EQ(sheet.Grid->row(), 1);
    EXPECT_EQ(sheet.txtGrid->text(), "男女のどちらですか。");
    // The count-sheet menus, not the listing ones.
    EXPECT_TRUE(sheet.mnuPercent[0]->isVisible());
    EXPECT_FALSE(sheet.mnuEssayTotal->isVisible());
    EXPECT_TRUE(sheet.cmdNext->isHidden());
}

TEST_F(ResultSheetTest, DisplayMenusRedrawFromTheStoredCountsWithoutCounting)
{
    frmGridBase& sheet = DoTotal(Request(Orders, Orders));
    samples.Samples.clear();  // a recount would find nothing

    sheet.mnuPercent[2]->trigger();
    EXPECT_TRUE(sheet.mnuPercent[2]->isChecked());
    EXPECT_FALSE(sheet.mnuPercent[1]->isChecked());
    EXPECT_EQ(sheet.Grid->cols(), 3);
    EXPECT_EQ(Row(sheet, 5), QStringList({"紅茶", "50.0%", ""}));
    EXPECT_TRUE(sheet.chkTotaled->isChecked());

    sheet.mnuSort->trigger();
    EXPECT_TRUE(sheet.chkSorted->isChecked());
    EXPECT_EQ(Row(sheet, 4), QStringList({"紅茶", "50.0%", ""}));

    sheet.mnuSpace->trigger();
    EXPECT_EQ(sheet.result().columns.DisplayOptions, ShowPercents | OrderByCount | SpacerColumns);
    EXPECT_EQ(Row(sheet, 4), QStringList({"紅茶", "50.0%", ""}));
    // A narrow spacer: 50 twips at the design's font size.
    EXPECT_EQ(sheet.Grid->colWidth(2), std::lround(50 * sheet.Grid->font().pointSizeF() / 9.75));
}

TEST_F(ResultSheetTest, AnUnknownCommandIsNamedAndChangesNothing)
{
    frmGridBase& sheet = DoTotal(Request(Gender, Gender));
    script.onMessage(vbOK);
    sheet.SheetCommand(QStringLiteral("Print"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, "命令ミス : Print");
    EXPECT_EQ(Row(sheet, 4), QStringList({"男性", "3", "50.0%", ""}));
    EXPECT_TRUE(sheet.chkTotaled->isChecked());
}

TEST_F(ResultSheetTest, ARequestThatDoesNotFitTheQuestionnaireIsRefused)
{
    script.onMessage(vbOK);
    frmGridBase& sheet = DoTotal(Request(Gender, 5));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text,
              "集計の指定に誤りがあるため、集計できません。\r\n集計する質問の範囲(Q1からQ6まで)が正しくありません。");
    EXPECT_FALSE(sheet.chkTotaled->isChecked());
    sheet.mnuSort->trigger();  // no request: nothing to redraw
    EXPECT_EQ(sheet.Grid->rows(), 2);
}

TEST_F(ResultSheetTest, WhileItRunsTheSheetLocksTheOtherWindowsAndRefusesToClose)
{
    LongJobPacing everyStep(0);
    OtherWindow& other = Forms::instance<OtherWindow>();
    const int beeps = widgets::BeepCount();
    bool otherEnabled = true;
    bool menusEnabled = true;
    bool unloaded = true;
    frmGridBase* running = nullptr;
    QTimer::singleShot(0, [&] {
        otherEnabled = other.isEnabled();
        menusEnabled = running->mnuEdit->isEnabled();
        running->close();
        unloaded = Forms::unload(*running);
    });
    running = &Forms::createNew<frmGridBase>();
    running->DoTotal(Request(Gender, Satisfaction));

    EXPECT_FALSE(otherEnabled);
    EXPECT_FALSE(menusEnabled);
    EXPECT_FALSE(unloaded);
    EXPECT_EQ(widgets::BeepCount(), beeps + 2);  // the frame and the unload
    EXPECT_TRUE(Forms::isLoaded(*running));
    EXPECT_TRUE(running->chkTotaled->isChecked());
    EXPECT_TRUE(other.isEnabled());
    EXPECT_TRUE(Forms::unload(*running));
}

TEST_F(ResultSheetTest, StopAsksFirstAndLeavesTheRestUncounted)
{
    struct Case {
        int answer;
        bool counted;
    };
    for (const Case c : {Case{vbCancel, true}, Case{vbOK, false}}) {
        LongJobPacing everyStep(0);
        frmGridBase* running = nullptr;
        QTimer::singleShot(0, [&] { running->cmdCancel->click(); });
        script.onMessage(c.answer);
        running = &Forms::createNew<frmGridBase>();
        running->DoTotal(Request(Gender, Satisfaction));

        const test::ShownMessage& asked = script.messages().back();
        EXPECT_EQ(asked.text, "中止しますか？");
        EXPECT_EQ(asked.defaultAnswer, vbCancel);
        EXPECT_TRUE(running->chkTotaled->isChecked());
        EXPECT_EQ(running->result().result.counted(Satisfaction, 0), c.counted) << c.answer;
        EXPECT_EQ(running->Grid->textMatrix(22, 1), c.counted ? "1" : "") << c.answer;
        EXPECT_TRUE(running->mnuFile->isEnabled());
    }
}

TEST_F(ResultSheetTest, ARedrawAfterAStopShowsWhatTheStopLeftAndWhereItStopped)
{
    LongJobPacing everyStep(0);
    const QString secondColumn = QStringLiteral("質問:Q1/Q3まで  限定条件:2/2");
    frmGridBase* running = nullptr;
    QTimer stopInSecondColumn;
    QObject::connect(&stopInSecondColumn, &QTimer::timeout, [&] {
        if (running && running->lblInfo2->text() == secondColumn) {
            stopInSecondColumn.stop();
            running->cmdCancel->click();
        }
    });
    stopInSecondColumn.start(0);
    script.onMessage(vbOK);
    running = &Forms::createNew<frmGridBase>();
    const auto gender = [](Integer c) { return test::MakeCondition(0, {test::Row(test::Required, Gender, c)}); };
    running->DoTotal(Request(Gender, Satisfaction, {gender(1), gender(2)}));
    EXPECT_EQ(running->lblInfo->text(), "57%") << "the share of both columns' count";

    running->mnuSort->trigger();
    EXPECT_EQ(running->lblInfo2->text(), secondColumn);
    EXPECT_EQ(running->Grid->textMatrix(4, 1), "3");  // 男性 in the first column
    for (int row = 1; row < running->Grid->rows(); ++row)
        for (int col = running->result().columns.ColStart[1]; col < running->Grid->cols(); ++col)
            EXPECT_EQ(running->Grid->textMatrix(row, col), "") << row << "," << col;
}

TEST_F(ResultSheetTest, PlacementFontAndColumnWidthsComeFromAndGoToTheSettings)
{
    settings.WindowRecs[WindowSlot::frmGridBase] = {1500, 1200, 9000, 6000};
    settings.FontRecs[FontSlot::ResultGrid].Name = QApplication::font().family();
    settings.FontRecs[FontSlot::ResultGrid].Size = 19.5f;
    settings.ColumnWidths[ColumnSlot::CountLabel] = 1400;
    settings.ColumnWidths[ColumnSlot::CountValue] = 600;
    settings.ColumnWidths[ColumnSlot::CountPercent] = 800;
    frmGridBase& sheet = DoTotal(Request(Gender, Gender));

    EXPECT_EQ(sheet.Grid->font().pointSizeF(), 19.5);
    // Sizes grow with the font: twice the design's 9.75 points.
    EXPECT_EQ(sheet.Grid->colWidth(0), 2800);
    EXPECT_EQ(sheet.Grid->colWidth(1), 1200);
    EXPECT_EQ(sheet.Grid->colWidth(2), 1600);
    EXPECT_EQ(sheet.Grid->rowHeight(1), 800);
    // The placeholder widths of a new sheet never replace the stored ones.
    EXPECT_EQ(settings.ColumnWidths[ColumnSlot::CountLabel], 1400);

    sheet.Grid->setColWidth(0, 4000);
    ASSERT_TRUE(Forms::unload(sheet));
    EXPECT_EQ(settings.ColumnWidths[ColumnSlot::CountLabel], 2000);
    EXPECT_EQ(settings.ColumnWidths[ColumnSlot::CountValue], 600);
    EXPECT_GT(settings.WindowRecs[WindowSlot::frmGridBase].Width, 0);
}

TEST_F(ResultSheetTest, AnActivatedSheetIsHandedToTheOtherWindowsUnlessItIsBeingHandedARequest)
{
    frmGridBase& first = DoTotal(Request(Gender, Gender));
    frmGridBase& second = DoTotal(Request(Orders, Satisfaction));
    frmGridBase& unused = Forms::createNew<frmGridBase>();
    test::FlushEvents();
    calls.asked.clear();

    QApplication::setActiveWindow(&first);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));
    EXPECT_EQ(calls.asked, QStringList{"resultSheetActivated(frmGridBase)"});

    // Not while the tabulation window hands a sheet its request, nor before
    // a sheet has one.
    second.txtGrid->setEnabled(false);
    for (frmGridBase* sheet : {&second, &unused}) {
        sheet->show();
        QApplication::setActiveWindow(sheet);
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
    }
    EXPECT_EQ(calls.asked, QStringList{"resultSheetActivated(frmGridBase)"});
}

}  // namespace
}  // namespace kz
