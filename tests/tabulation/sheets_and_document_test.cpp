// Result sheets over the document the main window has open: a load or a new
// questionnaire closes them with the windows beside them, and the lock turns
// off what would take their listed samples out of the program.
#include <QFile>

#include "design/frm_new.h"
#include "document/document_routines.h"
#include "document/menu_state.h"
#include "entry/frm_search.h"
#include "main_window_fixture.h"
#include "program/program_windows.h"
#include "tabulation/free_text_condition.h"
#include "tabulation/frm_graph.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/frm_total.h"
#include "widgets/beep.h"

namespace kz {
namespace {

using widgets::Forms;

class SheetsAndDocumentTest : public test::MainWindowTest {
protected:
    // a.kz: sample 101 answered Q1 その他 with the free text "自営業".
    frmMain& StartWithListedSample()
    {
        test::DataFileFixture fixture =
            test::SurveyFile({{101, {{3}, {0}}, {{0, QStringLiteral("自営業")}}}, {102, {{1}, {1, 2}}, {}}});
        const QString path = dataPath(QStringLiteral("a.kz"));
        EXPECT_TRUE(test::WriteDataFile(path, fixture));
        SetCommandLine(path);
        return Start();
    }

    static frmGridBase& NewSheet(const TotalOptionRec& request)
    {
        frmGridBase& sheet = Forms::createNew<frmGridBase>();
        sheet.DoTotal(request);
        return sheet;
    }
    // Q1 and Q2 counted in one column.
    static frmGridBase& CountSheet()
    {
        TotalOptionRec request;
        request.ToQno = 1;
        return NewSheet(request);
    }
    // The free texts of Q1 その他.
    static frmGridBase& ListingSheet()
    {
        TotalOptionRec request;
        request.Kind = TotalFreeTexts;
        request.XQno = 3;
        request.CrossMode = WithText;
        return NewSheet(request);
    }

    static int OpenSheets()
    {
        test::FlushEvents();
        int sheets = 0;
        for (widgets::KzForm* form : Forms::openForms())
            sheets += qobject_cast<frmGridBase*>(form) ? 1 : 0;
        return sheets;
    }

    ProgramWindows windows_;
};

TEST_F(SheetsAndDocumentTest, ALoadClosesEverySheetWithTheRequestAndChartWindows)
{
    frmMain& main = StartWithListedSample();
    windows_.showTotal(1);
    windows_.showGraph();
    CountSheet();
    frmGridBase& listing = ListingSheet();
    ASSERT_EQ(listing.EssayDnoCount(), 1);
    ASSERT_EQ(OpenSheets(), 2);

    main.OpenDataFile(WriteSurvey(QStringLiteral("b.kz"), QStringLiteral("別の調査")), OpenQuestionnaire);
    EXPECT_EQ(survey.Title, "別の調査");
    EXPECT_EQ(OpenSheets(), 0);
    EXPECT_EQ(Forms::loaded<frmTotal>(), nullptr);
    EXPECT_EQ(Forms::loaded<frmGraph>(), nullptr);
    EXPECT_TRUE(script.finished());
}

TEST_F(SheetsAndDocumentTest, TheWizardsNewDocumentClosesTheSheetsAndKeepsTheWizard)
{
    frmMain& main = StartWithListedSample();
    windows_.showGraph();
    CountSheet();
    ListingSheet();
    Item(main, "mnuNewfile")->trigger();
    frmNew* wizard = Forms::loaded<frmNew>();
    ASSERT_NE(wizard, nullptr);

    wizard->cmdNext[0]->click();
    EXPECT_EQ(SampleCount(samples), 0);
    EXPECT_EQ(OpenSheets(), 0);
    EXPECT_EQ(Forms::loaded<frmGraph>(), nullptr);
    ASSERT_EQ(Forms::loaded<frmNew>(), wizard);
    EXPECT_EQ(wizard->WizardStep, 1);
    EXPECT_TRUE(script.finished());
}

// Sheets and the chart opened while the wizard waits on its editor page
// show the structure its finished editor changes: they close, the wizard
// goes on.
TEST_F(SheetsAndDocumentTest, TheWizardsFinishedEditorClosesTheSheetsAndKeepsTheWizard)
{
    Item(StartWithListedSample(), "mnuNewfile")->trigger();
    frmNew& wizard = *Forms::loaded<frmNew>();
    wizard.optUse->setChecked(true);
    script.on("frmAbout").click("cmdClose");
    while (wizard.WizardStep < 3)
        wizard.cmdNext[0]->click();
    windows_.showGraph();
    CountSheet();
    script.on("frmQuestion").click("cmdDo");
    script.onMessage(vbOK);  // "終了します。"
    wizard.cmdNext[0]->click();
    EXPECT_EQ(OpenSheets(), 0);
    EXPECT_EQ(Forms::loaded<frmGraph>(), nullptr);
    EXPECT_EQ(Forms::loaded<frmNew>(), &wizard);
    EXPECT_TRUE(script.finished());
}

TEST_F(SheetsAndDocumentTest, AListingOfSamplesNoLongerLoadedWritesNothing)
{
    StartWithListedSample();
    frmGridBase& listing = ListingSheet();
    // The table replaced under the sheet, as every new document replaces it.
    InitNewFile(workspace, settings);
    const int beeps = widgets::BeepCount();
    // Any box shown now would fail the test: the format is not even asked.
    listing.mnuOutput->trigger();
    EXPECT_EQ(widgets::BeepCount(), beeps + 1);
    EXPECT_TRUE(QDir(data_.path()).entryList({QStringLiteral("*.csv")}, QDir::Files).isEmpty());
}

TEST_F(SheetsAndDocumentTest, TheLockTurnsOffTheListingsOutputsAsTheMainWindowsOutput)
{
    frmMain& main = StartWithListedSample();
    frmGridBase& listing = ListingSheet();
    windows_.showAddAnswersOn(listing);
    frmSearch* addition = Forms::loaded<frmSearch>();
    ASSERT_NE(addition, nullptr);
    for (const Integer level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        document.ProtectLevel = level;
        LockMenus(document);
        const bool on = Item(main, "mnuOutput")->isEnabled();
        EXPECT_EQ(on, level == 0);
        EXPECT_EQ(listing.mnuOutput->isEnabled(), on);
        EXPECT_EQ(listing.mnuSearch->isEnabled(), on);
        EXPECT_EQ(addition->cmdAdd[0]->isEnabled(), on);
        EXPECT_EQ(addition->cmdAdd[1]->isEnabled(), on);
        // Off, the item does nothing even when triggered from code: no box
        // asks for the format.
        if (!on)
            listing.mnuOutput->trigger();

        UnlockMenus(document);
        EXPECT_TRUE(listing.mnuOutput->isEnabled());
        EXPECT_TRUE(listing.mnuSearch->isEnabled());
        EXPECT_TRUE(addition->cmdAdd[1]->isEnabled());
    }
    // A sheet opened while locked starts with them off.
    document.ProtectLevel = 1;
    LockMenus(document);
    frmGridBase& later = ListingSheet();
    EXPECT_FALSE(later.mnuOutput->isEnabled());
    EXPECT_FALSE(later.mnuSearch->isEnabled());
    EXPECT_TRUE(script.finished());
}

}  // namespace
}  // namespace kz
