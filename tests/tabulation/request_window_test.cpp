// The tabulation request window over the café questionnaire
// (tabulation/sheet_fixture.h), driven as a user drives it, with the result
// sheets it sends its requests to.
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "model/question_codes.h"
#include "program/program_windows.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/frm_limit.h"
#include "tabulation/frm_total.h"
#include "tabulation/sheet_fixture.h"
#include "texts/condition_texts.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using test::Gender;
using test::Orders;
using test::Required;
using test::Satisfaction;
using widgets::Forms;

class RequestWindowTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    void SetUp() override
    {
        test::BuildCafeSurvey(*this);
        windows().showTotal(1);
    }

    frmTotal& total() { return *Forms::loaded<frmTotal>(); }
    // The result sheet the window drives.
    frmGridBase* driven() { return qobject_cast<frmGridBase*>(total().ParentGrid()); }

    static void Choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < Forms::loaded<frmTotal>()->lstLimit->count(); ++i)
            lines << Forms::loaded<frmTotal>()->lstLimit->item(i)->text();
        return lines;
    }

    static QList<frmGridBase*> Sheets()
    {
        QList<frmGridBase*> sheets;
        for (widgets::KzForm* form : Forms::openForms())
            if (auto* sheet = qobject_cast<frmGridBase*>(form))
                sheets << sheet;
        return sheets;
    }

    // The request of the sheet the window drives.
    const TotalOptionRec& Sent() { return driven()->result().SheetOption; }

    // The limit editor writes "choice c of question q, required" and closes.
    void ExpectLimitEditorWriting(int q, int c)
    {
        script.on("frmLimit")
            .inspect([q, c](QWidget& w) {
                static_cast<frmLimit&>(w).lstQno->setCurrentRow(q);
                static_cast<frmLimit&>(w).lstCno->setCurrentRow(c);
            })
            .click("cmdWrite(3)")
            .click("cmdClose");
    }

    QString Requires(Integer q, Integer c)
    {
        return ConditionText(survey, test::MakeCondition(0, {test::Row(test::Required, q, c)}), false);
    }

    test::ProgramStateGuard state;
    ShellUi shellUi;
    ProgramWindows programWindows;
    test::WindowScript script;
};

TEST_F(RequestWindowTest, OpensWithTheDefaultRequest)
{
    frmTotal& w = total();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "集計");
    EXPECT_EQ(w.tabTotal->tabText(0), "記号集計");
    EXPECT_EQ(w.pages->currentWidget(), w.frameTotal[0]);
    EXPECT_EQ(w.txtNname->text(), "(題名)");
    EXPECT_EQ(Lines(), (QStringList{"条件なし", "以上↑"}));
    EXPECT_EQ(w.lstLimit->currentRow(), 0);
    EXPECT_TRUE(w.optCross[2]->isChecked());
    EXPECT_EQ(w.lblExLimit[0]->text(), "条件なし");
    EXPECT_EQ(w.lblExLimit[1]->text(), "条件なし");
    EXPECT_FALSE(w.chkRough->isEnabled()) << "fewer than 200 samples";
    Choose(w.cmbQno, Orders);
    EXPECT_EQ(w.cmbToQno->currentIndex(), Orders);
    EXPECT_EQ(w.cmbRank->count(), 4);
    EXPECT_EQ(w.cmbRank->itemText(3), "3位");

    windows().showTotal(2);
    EXPECT_EQ(w.pages->currentWidget(), w.frameTotal[1]);
    w.cmbEQno->setCurrentIndex(Orders);
    EXPECT_EQ(w.cmbECno->count(), 6);
    EXPECT_EQ(w.cmbECno->currentText(), "全選択肢(無回答除く)");
    EXPECT_EQ(w.cmbERank->count(), 4);
}

TEST_F(RequestWindowTest, NewSheetsAndUpdatesAndAClosedSheetIsNeverDriven)
{
    frmTotal& w = total();
    Choose(w.cmbQno, Satisfaction);
    w.cmbToQno->setCurrentIndex(Gender);
    w.cmdTotal[1]->click();
    ASSERT_EQ(Sheets().size(), 1);
    frmGridBase* first = Sheets()[0];
    EXPECT_EQ(driven(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->result().SheetOption.Qno, Gender) << "counted from the earlier question";
    EXPECT_EQ(first->result().SheetOption.ToQno, Satisfaction);

    // "更新" re-runs in the same sheet.
    Choose(w.cmbQno, Orders);
    w.txtNname->setText("注文だけ");
    w.cmdTotal[0]->click();
    ASSERT_EQ(Sheets().size(), 1);
    EXPECT_EQ(first->result().SheetOption.Title, "注文だけ");
    EXPECT_EQ(first->result().SheetOption.Qno, Orders);
    EXPECT_EQ(first->result().SheetOption.ToQno, Orders);

    // Once its sheet is closed, "更新" starts a new one.
    Forms::unload(*first);
    test::FlushEvents();
    EXPECT_EQ(driven(), nullptr);
    w.cmdTotal[0]->click();
    ASSERT_EQ(Sheets().size(), 1);
    EXPECT_EQ(driven(), Sheets()[0]);
    EXPECT_TRUE(Sheets()[0]->isVisible());

    w.DoTotal(1);
    EXPECT_EQ(Sheets().size(), 2);
    EXPECT_EQ(driven(), Sheets()[1]);
}

TEST_F(RequestWindowTest, CrossesByAQuestionAndByTheStoredLimits)
{
    frmTotal& w = total();
    Choose(w.cmbXQno, Orders);
    EXPECT_TRUE(w.optCross[0]->isChecked());
    EXPECT_EQ(Lines(), (QStringList{Requires(Orders, 1), Requires(Orders, 2), Requires(Orders, 3),
                                    Requires(Orders, 4), Requires(Orders, 0), "以上↑"}));
    w.cmdTotal[1]->click();
    EXPECT_EQ(Sent().CrossMode, 0);
    EXPECT_EQ(Sent().XQno, Orders);
    EXPECT_EQ(Sent().LimitCount, 5);
    EXPECT_EQ(Sent().Limits[5][1].Code, MakeQC(Orders, 0));
    // The cross already chosen keeps its columns.
    w.optCross[0]->click();
    EXPECT_EQ(Lines().size(), 6);

    w.optCross[1]->click();
    EXPECT_EQ(Lines(), (QStringList{"条件なし", "以上↑"})) << "no stored limit defined";
    survey.LimitTable[5] = test::MakeCondition(0, {test::Row(Required, Gender, 2)});
    survey.LimitTable[2] = test::MakeCondition(0, {test::Row(Required, Gender, 1)});
    w.optCross[2]->click();
    w.optCross[1]->click();
    EXPECT_EQ(Lines(), (QStringList{Requires(Gender, 1), Requires(Gender, 2), "以上↑"}));
    w.cmdTotal[0]->click();
    EXPECT_EQ(Sent().CrossMode, 1);
    EXPECT_EQ(Sent().LimitCount, 2);

    // Choosing the free conditions starts them anew.
    w.optCross[2]->click();
    EXPECT_EQ(Lines(), (QStringList{"条件なし", "以上↑"}));
}

TEST_F(RequestWindowTest, AddChangeAndDeleteIndividualConditions)
{
    frmTotal& w = total();
    w.cmdDelLimit->click();
    EXPECT_EQ(Lines(), (QStringList{"条件なし", "以上↑"})) << "the last condition stays";

    w.lstLimit->setCurrentRow(1);
    ExpectLimitEditorWriting(Gender, 1);
    w.cmdAddLimit->click();
    EXPECT_EQ(Lines(), (QStringList{"条件なし", Requires(Gender, 1), "以上↑"})) << "appended";
    EXPECT_EQ(w.lstLimit->currentRow(), 2);
    w.cmdDelLimit->click();
    EXPECT_EQ(Lines().size(), 3) << "the end line is not deleted";

    w.lstLimit->setCurrentRow(0);
    ExpectLimitEditorWriting(Orders, 2);
    w.cmdChangeLimit->click();
    EXPECT_EQ(Lines(), (QStringList{Requires(Orders, 2), Requires(Gender, 1), "以上↑"}));
    w.cmdDelLimit->click();
    EXPECT_EQ(Lines(), (QStringList{Requires(Gender, 1), "以上↑"}));
    EXPECT_EQ(w.lstLimit->currentRow(), 0);

    // Adding to a cross keeps its columns and makes them free ones; a
    // condition left empty is a column too.
    Choose(w.cmbXQno, Gender);
    w.lstLimit->setCurrentRow(3);
    script.on("frmLimit").click("cmdClose");
    w.cmdAddLimit->click();
    EXPECT_TRUE(w.optCross[2]->isChecked());
    EXPECT_EQ(Lines(),
              (QStringList{Requires(Gender, 1), Requires(Gender, 2), Requires(Gender, 0), "条件なし", "以上↑"}));
    w.cmdTotal[1]->click();
    EXPECT_EQ(Sent().CrossMode, 2);
    EXPECT_EQ(Sent().LimitCount, 4);

    // Double-clicking the end line edits nothing (no editor is expected).
    w.lstLimit->setCurrentRow(4);
    emit w.lstLimit->itemDoubleClicked(w.lstLimit->item(4));
}

TEST_F(RequestWindowTest, The129thConditionIsRefused)
{
    TotalOptionRec request = test::Request(Gender, Gender);
    request.CrossMode = 2;
    request.LimitCount = MaxLimitCount;
    frmTotal& w = total();
    w.SetTotalOption(request);
    ASSERT_EQ(Lines().size(), MaxLimitCount + 1);
    w.lstLimit->setCurrentRow(MaxLimitCount);
    script.onMessage(vbOK);
    w.cmdAddLimit->click();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0].text, "個別の限定は128個までです。");
    EXPECT_EQ(script.messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(Lines().size(), MaxLimitCount + 1);
}

TEST_F(RequestWindowTest, OverallConditionAndFreeTextCriteria)
{
    frmTotal& w = total();
    windows().showTotal(2);
    ExpectLimitEditorWriting(Gender, 2);
    QTest::mouseClick(w.lblExLimit[1], Qt::LeftButton);
    EXPECT_EQ(w.lblExLimit[0]->text(), Requires(Gender, 2));
    EXPECT_EQ(w.lblExLimit[1]->toolTip(), Requires(Gender, 2));

    w.optCon[WithText]->click();
    EXPECT_TRUE(w.Frame1->isEnabled());
    // Quantities entered upper first are swapped; cancelled boxes keep them.
    script.on("frmInput").setText("txtInput", "9").click("cmdOK");
    script.on("frmInput").setText("txtInput", "2.5").click("cmdOK");
    w.optCon[QuantityBetween]->click();
    EXPECT_EQ(w.lblCon->text(), "2.5 ～ 9");
    script.on("frmInput").click("cmdCancel");
    script.on("frmInput").click("cmdCancel");
    QTest::mouseClick(w.lblCon, Qt::LeftButton);
    EXPECT_EQ(w.lblCon->text(), "2.5 ～ 9");
    script.on("frmInput").setText("txtInput", "C").click("cmdOK");
    script.on("frmInput").setText("txtInput", "A").click("cmdOK");
    w.optCon[CodeBetween]->click();
    EXPECT_EQ(w.lblCon->text(), "A ～ C");
    script.on("frmInput").setText("txtInput", "苦い").click("cmdOK");
    w.optCon[TextContains]->click();
    script.on("frmInput").click("cmdCancel");
    QTest::mouseClick(w.lblCon, Qt::LeftButton);
    EXPECT_EQ(w.lblCon->text(), "苦い");

    w.cmbEQno->setCurrentIndex(Orders);
    w.cmbECno->setCurrentIndex(2);
    w.cmbERank->setCurrentIndex(1);
    w.cmdTotal[3]->click();
    EXPECT_EQ(Sent().Kind, TotalFreeTexts);
    EXPECT_EQ(Sent().Qno, Orders);
    EXPECT_EQ(Sent().XQno, 2);
    EXPECT_EQ(Sent().Rank, 1);
    EXPECT_EQ(Sent().CrossMode, TextContains);
    EXPECT_EQ(Sent().EssayText, "苦い");
    EXPECT_EQ(Sent().QtyMax, 0) << "only the chosen criterion's values are sent";
    EXPECT_EQ(Sent().Limits[0][1].Code, MakeQC(Gender, 2));

    w.chkRequire->setChecked(true);
    EXPECT_FALSE(w.frameELimit->isEnabled());
    w.cmdTotal[2]->click();
    EXPECT_EQ(Sent().CrossMode, AnyAnswer);
    EXPECT_EQ(Sheets().size(), 1);
}

TEST_F(RequestWindowTest, ActivatingAnOlderSheetLoadsItsRequestBack)
{
    frmTotal& w = total();
    Choose(w.cmbXQno, Orders);
    w.cmbToQno->setCurrentIndex(Satisfaction);
    w.cmdTotal[1]->click();
    frmGridBase* crossSheet = driven();

    windows().showTotal(2);
    w.optCon[WithText]->click();
    script.on("frmInput").setText("txtInput", "5").click("cmdOK");
    script.on("frmInput").setText("txtInput", "1").click("cmdOK");
    w.optCon[QuantityBetween]->click();
    w.cmdTotal[3]->click();
    frmGridBase* listing = driven();
    ASSERT_NE(listing, crossSheet);

    // A request stated freely, with a rough count that this window could not
    // offer with so few samples, loaded and run as a sheet's listing does.
    TotalOptionRec free = test::Request(Gender, Orders, {test::MakeCondition(0, {test::Row(Required, Orders, 3)})});
    free.CrossMode = 2;
    free.Rough = true;
    free.Title = "自由";
    w.SetTotalOption(free);
    w.DoTotal(1);
    frmGridBase* freeSheet = driven();

    QApplication::setActiveWindow(crossSheet);
    test::FlushEvents();
    EXPECT_EQ(driven(), crossSheet);
    EXPECT_EQ(w.pages->currentWidget(), w.frameTotal[0]);
    EXPECT_TRUE(w.optCross[0]->isChecked());
    EXPECT_EQ(w.cmbXQno->currentIndex(), Orders);
    EXPECT_EQ(Lines().size(), 6);
    EXPECT_EQ(w.cmbToQno->currentIndex(), Satisfaction);

    QApplication::setActiveWindow(listing);
    test::FlushEvents();
    EXPECT_EQ(w.pages->currentWidget(), w.frameTotal[1]);
    EXPECT_TRUE(w.optCon[WithText]->isChecked());
    EXPECT_TRUE(w.optCon[QuantityBetween]->isChecked());
    EXPECT_EQ(w.lblCon->text(), "1 ～ 5");

    QApplication::setActiveWindow(freeSheet);
    test::FlushEvents();
    EXPECT_EQ(w.txtNname->text(), "自由");
    EXPECT_TRUE(w.optCross[2]->isChecked());
    EXPECT_EQ(Lines(), (QStringList{Requires(Orders, 3), "以上↑"}));
    EXPECT_TRUE(w.chkRough->isChecked()) << "kept as stored";
    // "更新" re-runs the activated sheet's request in that sheet.
    w.cmdTotal[0]->click();
    EXPECT_EQ(Sheets().size(), 3);
    EXPECT_TRUE(freeSheet->result().SheetOption.Rough);
    EXPECT_EQ(freeSheet->result().SheetOption.ToQno, Orders);
}

}  // namespace
}  // namespace kz
