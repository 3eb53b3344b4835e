// The result sheet's page files and outputs driven as the user and the main
// window drive them: save a page, reopen it over changed data, refuse a
// damaged one, write the sheet as text and HTML, copy nothing by itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

#include "program/program_windows.h"
#include "result_sheet_fixture.h"
#include "runtime/cp932.h"

namespace kz {
namespace {

using test::Gender;
using test::Request;
using test::Satisfaction;
using widgets::Forms;

class ResultSheetPageTest : public test::ResultSheetWindowTest {
protected:
    // The next file dialog answers `path`.
    void ChooseFile(const QString& path)
    {
        script.on("CMDialog").inspect([path](QWidget& w) {
            auto& dialog = static_cast<QFileDialog&>(w);
            dialog.setDirectory(QFileInfo(path).absolutePath());
            dialog.selectFile(QFileInfo(path).fileName());
            static_cast<QDialog&>(dialog).accept();
        });
    }

    static QString Cp932File(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? FromCp932(file.readAll()) : QString();
    }

    QString pagePath() const { return dir.filePath(QStringLiteral("page.kzp")); }

    // Counts Q1 to Q3, counts only and ordered by count, and saves the page.
    void SavePageOfThreeQuestions()
    {
        frmGridBase& sheet = DoTotal(Request(Gender, Satisfaction));
        sheet.mnuPercent[0]->trigger();
        sheet.mnuSort->trigger();
        ChooseFile(pagePath());
        sheet.mnuPageSave->trigger();
        EXPECT_EQ(sheet.lblInfo2->text(), pagePath());
        Forms::unload(sheet);
    }

    QTemporaryDir dir;
};

TEST_F(ResultSheetPageTest, AReopenedPageCountsTheCurrentDataWithTheStoredDisplay)
{
    frmGridBase& fresh = Forms::createNew<frmGridBase>();
    EXPECT_FALSE(fresh.mnuPageSave->isEnabled());  // nothing to save before a run
    EXPECT_FALSE(fresh.mnuHTMLSave->isEnabled());
    SavePageOfThreeQuestions();
    ASSERT_TRUE(QFileInfo::exists(pagePath()));

    // Other data of the same shape: two more women.
    test::AddSampleWith(*this, {{2}, {}, {}});
    test::AddSampleWith(*this, {{2}, {}, {}});
    ASSERT_TRUE(fresh.PageLoad(pagePath()));
    EXPECT_TRUE(fresh.mnuPercent[0]->isChecked());
    EXPECT_FALSE(fresh.mnuPercent[1]->isChecked());
    EXPECT_TRUE(fresh.mnuSort->isChecked());
    EXPECT_FALSE(fresh.mnuSpace->isChecked());
    EXPECT_EQ(fresh.result().SheetOption.ToQno, Satisfaction);
    EXPECT_EQ(fresh.result().SheetOption.CrossMode, 2);
    EXPECT_EQ(Row(fresh, 4), QStringList({"女性", "4", ""}));
    EXPECT_EQ(Row(fresh, 5), QStringList({"男性", "3", ""}));
    EXPECT_EQ(Row(fresh, 7), QStringList({"[人数]", "8", ""}));
    EXPECT_TRUE(fresh.mnuPageSave->isEnabled());
}

TEST_F(ResultSheetPageTest, ARefusedPageLeavesTheSheetAsItWas)
{
    SavePageOfThreeQuestions();
    QFile(pagePath()).resize(QFileInfo(pagePath()).size() - 2);
    frmGridBase& sheet = DoTotal(Request(Gender, Gender));
    const TotalOptionRec before = sheet.result().SheetOption;
    script.onMessage(vbOK);
    EXPECT_FALSE(sheet.PageLoad(pagePath()));
    EXPECT_TRUE(script.messages().back().text.endsWith(QStringLiteral("壊れています。")));
    EXPECT_EQ(Row(sheet, 4), QStringList({"男性", "3", "50.0%", ""}));
    EXPECT_TRUE(sheet.mnuPercent[1]->isChecked());
    EXPECT_EQ(sheet.result().SheetOption.ToQno, before.ToQno);
}

TEST_F(ResultSheetPageTest, TheMainWindowsHandBackOpensASheetOrNoneAtAll)
{
    SavePageOfThreeQuestions();
    ProgramWindows services;
    const auto sheets = [] {
        int n = 0;
        for (widgets::KzForm* form : Forms::openForms())
            n += qobject_cast<frmGridBase*>(form) != nullptr;
        return n;
    };
    services.openResultPage(pagePath());
    ASSERT_EQ(sheets(), 1);

    const QString cut = dir.filePath(QStringLiteral("cut.kzp"));
    QFile::copy(pagePath(), cut);
    QFile(cut).resize(40);
    script.onMessage(vbOK);
    services.openResultPage(cut);
    EXPECT_EQ(sheets(), 1);  // the new sheet went without "命令ミス"
    EXPECT_EQ(script.messages().size(), 1);
}

TEST_F(ResultSheetPageTest, TheTextOutputLeavesOutTheSpacersAndRestoresThem)
{
    frmGridBase& sheet = DoTotal(
        Request(Gender, Gender, {Condition{}, test::MakeCondition(0, {test::Row(test::Required, Gender, 1)})}));
    sheet.mnuSpace->trigger();
    const int withSpacers = sheet.Grid->cols();
    const QString path = dir.filePath(QStringLiteral("sheet.txt"));
    ChooseFile(path);
    sheet.mnuTextSave->trigger();

    const CountSheet& result = sheet.result();
    const QString all = result.ColumnText.value(0);
    const QString men = result.ColumnText.value(1);
    EXPECT_EQ(Cp932File(path), "集計結果\r\n"
                               "男女のどちらですか。\t\t\t\t\t\r\n"
                               "[全体の限定]\t"
                                   + result.OverallText + "\t\t\t\t\r\n[個別の限定]\t" + all + "\t\t" + men
                                   + "\t\t\r\n"
                                     "男性\t3\t50.0%\t3\t100.0%\t\r\n"
                                     "女性\t2\t33.3%\t0\t0.0%\t\r\n"
                                     "無回答\t1\t16.7%\t0\t0.0%\t\r\n"
                                     "[人数]\t6\t100.0%\t3\t100.0%\t\r\n"
                                     "\t\t\t\t\t\r\n"
                                     "\r\n");
    EXPECT_TRUE(sheet.mnuSpace->isChecked());
    EXPECT_EQ(sheet.Grid->cols(), withSpacers);

    const QString html = dir.filePath(QStringLiteral("sheet.htm"));
    ChooseFile(html);
    sheet.mnuHTMLSave->trigger();
    EXPECT_TRUE(Cp932File(html).contains("<TR><TH ALIGN=\"left\">女性</TH><TD ALIGN=\"right\">2</TD>"
                                         "<TD ALIGN=\"right\">33.3%</TD><TD ALIGN=\"right\">0</TD>"
                                         "<TD ALIGN=\"right\">0.0%</TD></TR>\r\n"));
}

TEST_F(ResultSheetPageTest, TheSelectionTextLeavesTheClipboardAlone)
{
    frmGridBase& sheet = DoTotal(Request(Gender, Gender));
    QApplication::clipboard()->setText(QStringLiteral("前のもの"));
    sheet.Grid->setRow(5);
    sheet.Grid->setCol(2);
    sheet.Grid->setRowSel(4);
    sheet.Grid->setColSel(1);
    EXPECT_EQ(sheet.SelectionText(), "3\t50.0%\r\n2\t33.3%\r\n");
    EXPECT_EQ(QApplication::clipboard()->text(), "前のもの");
}

}  // namespace
}  // namespace kz
