// A listing sheet over the opinion questionnaire (tabulation/listing_fixture.h)
// driven as a user drives it: the listing, the tally and the searches beside
// it, the jump from a count, and the answer addition window on its samples.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "entry/frm_search.h"
#include "host/settings.h"
#include "model/answer_store.h"
#include "model/sample_table.h"
#include "program/program_windows.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/frm_total.h"
#include "tabulation/listing_fixture.h"
#include "tabulation/request_columns.h"
#include "texts/condition_texts.h"
#include "widgets/beep.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using test::AnyChoice;
using test::ListingOption;
using test::Sex;
using widgets::Forms;

class ListingSheetTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    void SetUp() override { test::BuildOpinionSurvey(*this); }

    frmGridBase& DoTotal(const TotalOptionRec& request)
    {
        frmGridBase& sheet = Forms::createNew<frmGridBase>();
        sheet.DoTotal(request);
        return sheet;
    }

    static QString Row(const frmGridBase& sheet, int row)
    {
        QStringList texts;
        for (int col = 0; col < sheet.Grid->cols(); ++col)
            texts << sheet.Grid->textMatrix(row, col);
        return texts.join(u'|');
    }

    test::ProgramStateGuard state;
    ShellUi shellUi;
    ProgramWindows programWindows;
    test::WindowScript script;
};

TEST_F(ListingSheetTest, ListingTallyAndSearchesStandSideBySide)
{
    frmGridBase& sheet = DoTotal(ListingOption(AnyChoice, 1));
    EXPECT_EQ(Row(sheet, 0), "ＩＤ|選択肢|記述文");
    EXPECT_TRUE(Row(sheet, 1).startsWith("意見 ご意見をどうぞ。"));
    EXPECT_TRUE(Row(sheet, 2).startsWith("[全体の限定]|"));
    EXPECT_EQ(Row(sheet, 4), "10|良い|速い");
    EXPECT_EQ(Row(sheet, 6), "20|悪い|遅い とても") << "the tab is a blank, the cells stay";
    EXPECT_EQ(Row(sheet, sheet.Grid->rows() - 1), "のべ5人|平均 |100");
    EXPECT_EQ(sheet.EssayDnoCount(), 5);
    EXPECT_FALSE(sheet.cmdNext->isEnabled());

    sheet.mnuEssayTotal->trigger();
    EXPECT_EQ(sheet.Grid->cols(), 6);
    EXPECT_EQ(sheet.Grid->textMatrix(3, 3), "1位");
    EXPECT_EQ(sheet.Grid->textMatrix(3, 4), "2");
    EXPECT_EQ(sheet.Grid->textMatrix(3, 5), "速い");

    // Cancelled by the close box: nothing is added.
    script.on("frmWord").closeFrame();
    sheet.mnuSearchLetter->trigger();
    EXPECT_EQ(sheet.Grid->cols(), 6);

    script.on("frmWord").paste("txtWord", "本店").click("cmdAdd").paste("txtWord", "遅").click("cmdDo");
    sheet.mnuSearchLetter->trigger();
    ASSERT_EQ(sheet.Grid->cols(), 8);
    EXPECT_EQ(sheet.Grid->textMatrix(1, 6), "文字の検索");
    EXPECT_EQ(sheet.Grid->textMatrix(6, 6), "■■");
    EXPECT_EQ(sheet.Grid->textMatrix(8, 6), "■■");
    EXPECT_EQ(sheet.Grid->textMatrix(5, 7), "--- 計2人 ---");

    script.on("frmInput").setText("txtInput", "1000").click("cmdOK");
    script.on("frmInput").setText("txtInput", "100").click("cmdOK");
    sheet.mnuSearchNumber->trigger();
    EXPECT_EQ(sheet.Grid->textMatrix(3, 9), "500");
    EXPECT_TRUE(script.finished());
}

// 5000 samples of two listed answers each: cut after the sample at position 4996.
TEST_F(ListingSheetTest, ACutListingShowsItsRowsBeforeItsMessage)
{
    samples.Samples.clear();
    for (Long s = 0; s < 5000; ++s) {
        AddSample(s + 1);
        test::StoreAnswers(workspace, s, test::Opinion, {test::Good, test::Bad},
                           {QStringLiteral("a"), QStringLiteral("b")});
    }
    frmGridBase& sheet = Forms::createNew<frmGridBase>();
    script.onMessage(vbOK).inspect([&sheet](QWidget&) {
        EXPECT_TRUE(sheet.Grid->redraw());
        EXPECT_EQ(Row(sheet, sheet.Grid->rows() - 1), "のべ9994人|平均 |0");
    });
    sheet.DoTotal(ListingOption(AnyChoice, 5));
    EXPECT_TRUE(script.messages().value(0).text.startsWith(QStringLiteral("人数が多くて4996番まで")));
}

TEST_F(ListingSheetTest, AListingPageReopensWithItsReferencedQuestions)
{
    struct Case {
        std::vector<int> refs;  // the questions marked in the choice of referenced questions
        bool tally;             // a tally beside the referenced columns
    };
    const Case cases[] = {
        {{}, false},
        {{}, true},
        {{test::Opinion}, false},
        {{Sex}, true},
        {{test::Opinion, Sex}, false},
        {{test::Opinion, Sex}, true},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.kzp"));
    for (const Case& c : cases) {
        const auto what = [&c] { return testing::Message() << c.refs.size() << " referenced, tally " << c.tally; };
        frmGridBase& listing = DoTotal(ListingOption(AnyChoice, 1));
        if (!c.refs.empty()) {
            script.on("frmQBox").selectRows("lstQno(1)", c.refs).click("cmdOK");
            listing.mnuRefQno->trigger();
        }
        const int columns = ListingFixedColumns + static_cast<int>(c.refs.size());
        ASSERT_EQ(listing.Grid->cols(), columns) << what();
        if (c.tally)
            listing.mnuEssayTotal->trigger();
        listing.lblInfo2->setText(path);
        listing.SheetCommand(QStringLiteral("Save Page"));
        const QString titles = Row(listing, 0).section(u'|', 0, columns - 1);
        const QString headings = Row(listing, 1).section(u'|', 0, columns - 1);
        Forms::unload(listing);

        frmGridBase& reopened = Forms::createNew<frmGridBase>();
        ASSERT_TRUE(reopened.PageLoad(path)) << what();
        EXPECT_EQ(reopened.Grid->cols(), columns) << what();
        EXPECT_EQ(Row(reopened, 0), titles) << what();
        EXPECT_EQ(Row(reopened, 1), headings) << what();
        Forms::unload(reopened);
    }
    EXPECT_TRUE(script.finished());
}

TEST_F(ListingSheetTest, GoingFromACountListsItsRespondentsAndOtherCellsBeep)
{
    TotalOptionRec count;
    count.Qno = test::Opinion;
    count.ToQno = test::Opinion;
    frmGridBase& sheet = DoTotal(count);
    const int beeps = widgets::BeepCount();
    sheet.Grid->setRow(0);
    sheet.mnuGoEssay->trigger();
    EXPECT_EQ(widgets::BeepCount(), beeps + 1);
    EXPECT_EQ(Forms::openForms().size(), 1);

    sheet.Grid->setRow(4);  // 良い
    sheet.Grid->setCol(1);
    sheet.mnuGoEssay->trigger();
    auto* listing = dynamic_cast<frmGridBase*>(Forms::openForms().back());
    ASSERT_TRUE(listing && listing != &sheet);
    EXPECT_TRUE(listing->isListing());
    EXPECT_EQ(Row(*listing, 4), "10|良い|速い");
    EXPECT_EQ(Row(*listing, 5), "40|良い|");
    EXPECT_EQ(Row(*listing, 7), "のべ3人|平均 |0");
}

TEST_F(ListingSheetTest, GoingFromACountStatesTheListingInTheTabulationWindow)
{
    // Q1 counted in the columns 男性, 女性, 無回答 of Q2, each with counts and
    // percentages: grid column 1 counts 男性, column 3 女性; row 1 is the
    // block's heading.
    struct Case {
        const char* name;
        int row;
        int col;
        Integer choice;
        Integer criterion;
        QStringList rows;
    };
    const Case cases[] = {
        {"a choice's count lists who gave it", 4, 3, test::Good, NoTextCondition, {"40|良い|", "のべ1人|平均 |0"}},
        {"the heading lists every answer with a text",
         1,
         1,
         AnyChoice,
         WithText,
         {"10|良い|速い", "10|金額|500", "50|良い|速い", "50|店|B2:本店", "のべ4人|平均 |125"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TotalOptionRec count;
        count.Qno = test::Opinion;
        count.ToQno = test::Opinion;
        CrossByQuestion(count, survey, Sex);
        frmGridBase& sheet = DoTotal(count);
        sheet.Grid->setRow(c.row);
        sheet.Grid->setCol(c.col);
        sheet.mnuGoEssay->trigger();

        auto* total = Forms::loaded<frmTotal>();
        ASSERT_TRUE(total && total->isVisible());
        auto* listing = qobject_cast<frmGridBase*>(total->ParentGrid());
        ASSERT_TRUE(listing && listing != &sheet && listing->isListing());
        EXPECT_EQ(total->tabTotal->currentIndex(), 1) << "the free-text page";
        EXPECT_EQ(total->cmbEQno->currentIndex(), test::Opinion);
        EXPECT_EQ(total->cmbECno->currentIndex(), c.choice);
        EXPECT_TRUE(total->optCon[c.criterion]->isChecked());
        const TotalOptionRec& listed = listing->result().SheetOption;
        EXPECT_EQ(listed.XQno, c.choice);
        EXPECT_EQ(listed.CrossMode, c.criterion);
        EXPECT_EQ(total->lblExLimit[1]->text(), ConditionText(survey, listed.Limits[0], false));
        QStringList rows;
        for (int row = ListingFirstRow; row < listing->Grid->rows(); ++row)
            rows << Row(*listing, row);
        EXPECT_EQ(rows, c.rows);
        Forms::unload(*listing);
        Forms::unload(sheet);
    }
}

TEST_F(ListingSheetTest, ListingColumnWidthsComeFromAndGoBackToTheSettings)
{
    struct Case {
        const char* name;
        bool tallied;  // the tally's columns give the listing a fourth column
    };
    const Case cases[] = {
        {"three columns leave the fourth slot alone", false},
        {"a fourth column is stored", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.FontRecs[FontSlot::ResultGrid].Name = QApplication::font().family();
        settings.FontRecs[FontSlot::ResultGrid].Size = 9.75f;
        settings.ColumnWidths[ColumnSlot::ListID] = 900;
        settings.ColumnWidths[ColumnSlot::ListChoice] = 700;
        settings.ColumnWidths[ColumnSlot::ListFreeText] = 2000;
        settings.ColumnWidths[ColumnSlot::ListReferences] = 1111;
        frmGridBase& sheet = DoTotal(ListingOption(AnyChoice, 1));
        EXPECT_EQ(sheet.Grid->colWidth(0), 900);
        EXPECT_EQ(sheet.Grid->colWidth(1), 700);
        EXPECT_EQ(sheet.Grid->colWidth(2), 2000);
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListID], 900) << "the placeholders are not stored";

        // A new run keeps what the user made of the columns.
        sheet.Grid->setColWidth(2, 3000);
        sheet.SheetCommand(QStringLiteral("Do Total"));
        EXPECT_EQ(sheet.Grid->colWidth(2), 3000);
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListFreeText], 3000);

        if (c.tallied) {
            sheet.mnuEssayTotal->trigger();
            sheet.Grid->setColWidth(3, 1500);
        }
        sheet.Grid->setColWidth(0, 1200);
        const Long fourthSlot = c.tallied ? 1500 : settings.ColumnWidths[ColumnSlot::ListReferences];
        ASSERT_TRUE(Forms::unload(sheet));
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListID], 1200);
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListChoice], 700);
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListReferences], fourthSlot);
    }
}

TEST_F(ListingSheetTest, TheAnswerWindowOpenedLaterWorksOnTheSheetActivatedLast)
{
    frmGridBase& sheet = DoTotal(ListingOption(test::Good, 5));
    QApplication::setActiveWindow(&sheet);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    ASSERT_FALSE(Forms::loaded<frmSearch>());
    windows().showAddAnswers();
    auto* search = Forms::loaded<frmSearch>();
    ASSERT_TRUE(search);
    EXPECT_TRUE(search->cmdAdd[1]->isEnabled());

    Forms::unload(*search);
    Forms::unload(sheet);
    test::FlushEvents();
    windows().showAddAnswers();
    search = Forms::loaded<frmSearch>();
    ASSERT_TRUE(search);
    EXPECT_FALSE(search->cmdAdd[1]->isEnabled()) << "the sheet has closed";
}

TEST_F(ListingSheetTest, AListingRunAgainAsACountTakesNoAnswers)
{
    frmGridBase& sheet = DoTotal(ListingOption(test::Good, 5));
    sheet.mnuSearch->trigger();
    auto* search = Forms::loaded<frmSearch>();
    ASSERT_TRUE(search && search->cmdAdd[1]->isEnabled());

    TotalOptionRec count;
    count.Qno = test::Opinion;
    count.ToQno = test::Opinion;
    sheet.DoTotal(count);
    const int beeps = widgets::BeepCount();
    search->cmdAdd[1]->click();
    EXPECT_EQ(widgets::BeepCount(), beeps + 1);
    EXPECT_FALSE(search->cmdAdd[0]->isEnabled());
    EXPECT_FALSE(search->cmdAdd[1]->isEnabled());
    EXPECT_TRUE(script.finished()) << "no warning, no options box";
}

TEST_F(ListingSheetTest, AddingAnswersReachesTheListedSamplesOnlyWhileTheirSheetIsOpen)
{
    // From the entry window before any listing: nothing to add to.
    windows().showAddAnswers();
    auto* search = Forms::loaded<frmSearch>();
    ASSERT_TRUE(search);
    EXPECT_FALSE(search->cmdAdd[0]->isEnabled());
    EXPECT_FALSE(search->cmdAdd[1]->isEnabled());
    Forms::unload(*search);

    frmGridBase& sheet = DoTotal(ListingOption(test::Good, 5));
    sheet.mnuSearch->trigger();
    search = Forms::loaded<frmSearch>();
    ASSERT_TRUE(search);
    ASSERT_TRUE(search->cmdAdd[1]->isEnabled());
    search->cmbQno->setCurrentIndex(Sex);
    search->cmbCno->setCurrentIndex(2);
    script.onMessage(vbOK);
    script.on("frmCollect").click("cmdOK");
    search->cmdAdd[1]->click();
    EXPECT_TRUE(script.finished());
    for (Long id : {10, 20, 30, 40, 50}) {
        Integer n = 0;
        QVector<Integer> codes;
        PopQuestionAnswers(workspace, FindSamplePos(samples.Samples, id), Sex, n, codes);
        const bool listed = id == 10 || id == 40 || id == 50;
        EXPECT_EQ(codes.value(0), listed ? 2 : (id / 10) % 2 == 1 ? 1 : 2) << id;
    }

    // The sheet closes under the open window: its add buttons reach no sheet.
    sheet.mnuSearch->trigger();
    search = Forms::loaded<frmSearch>();
    ASSERT_TRUE(search);
    Forms::unload(sheet);
    test::FlushEvents();
    search->cmdAdd[1]->click();
    EXPECT_FALSE(search->cmdAdd[0]->isEnabled());
    EXPECT_FALSE(search->cmdAdd[1]->isEnabled());
    EXPECT_TRUE(script.finished()) << "no warning, no options box";
}

}  // namespace
}  // namespace kz
