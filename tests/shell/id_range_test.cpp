#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "files/settings_file.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "model/sample_table.h"
#include "program_fixture.h"
#include "shell/frm_quota.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

const QString RangeMessage = QStringLiteral("割り当ての範囲は 0 から 2147483647 までです。");

class IdRangeTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        SetProgramFolderForTest(folder_.path());
        settings.IDRangeLow = 0;
        settings.IDRangeHigh = 100000;
    }
    void TearDown() override
    {
        test::WindowTest::TearDown();
        SetProgramFolderForTest({});
    }

    // Shows the window, types the two texts and presses Do.
    void Confirm(const QString& from, const QString& to)
    {
        script.on("frmQuota").setText("txtFrom", from).setText("txtTo", to).click("Do");
        Forms::instance<frmQuota>().showModal();
    }

    bool SettingsWritten() const { return QFile::exists(SettingsFilePath()); }

    QTemporaryDir folder_;
    test::ProgramStateGuard programState;
    ShellUi shellUi;
    test::WindowScript script;
};

TEST_F(IdRangeTest, ShowsTheRangeAndStoresTheSmallerValueFirst)
{
    settings.IDRangeLow = 20;
    settings.IDRangeHigh = 3000;
    script.on("frmQuota")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmQuota&>(w);
            EXPECT_EQ(box.windowTitle(), "このコンピューターに割り当てられたＩＤ");
            EXPECT_EQ(box.txtFrom->text(), "20");
            EXPECT_EQ(box.txtTo->text(), "3000");
            EXPECT_EQ(box.Do->text(), "決定");
            EXPECT_EQ(box.Cancel->text(), "ｷｬﾝｾﾙ");
        })
        .setText("txtFrom", "500")
        .setText("txtTo", "100")
        .click("Do");
    Forms::instance<frmQuota>().showModal();
    EXPECT_EQ(settings.IDRangeLow, 100);
    EXPECT_EQ(settings.IDRangeHigh, 500);
    EXPECT_EQ(Forms::loaded<frmQuota>(), nullptr);

    // Written at once: the file read back holds the new range.
    ASSERT_TRUE(SettingsWritten());
    settings.IDRangeLow = settings.IDRangeHigh = 0;
    LoadSettings(settings);
    EXPECT_EQ(settings.IDRangeLow, 100);
    EXPECT_EQ(settings.IDRangeHigh, 500);
}

TEST_F(IdRangeTest, EqualValuesGiveARangeOfOneID)
{
    Confirm("7", "7");
    EXPECT_EQ(settings.IDRangeLow, 7);
    EXPECT_EQ(settings.IDRangeHigh, 7);
    EXPECT_EQ(NextFreeID(samples, settings), 7);
    EXPECT_EQ(NextFreeID(samples, settings), -1);
}

TEST_F(IdRangeTest, NewRangeResetsTheIssuingCursor)
{
    AddQuestion(1, 2);
    BuildLayout();
    for (Long id : {5, 50, 150})
        AddSample(id);
    samples.NextIDCursor = 150;
    Confirm("100", "0");
    EXPECT_EQ(NextFreeID(samples, settings), 51);
}

// Which values are refused is the engine's rule (sample_ids_test); here the
// window's part: the message, the window stays and nothing is stored.
TEST_F(IdRangeTest, RefusedValuesKeepTheWindowOpenWithTheMessage)
{
    auto refused = [this](QWidget&) {
        EXPECT_EQ(settings.IDRangeLow, 0);
        EXPECT_EQ(settings.IDRangeHigh, 100000);
        EXPECT_NE(Forms::loaded<frmQuota>(), nullptr);
        EXPECT_FALSE(SettingsWritten());
    };
    script.on("frmQuota")
        .setText("txtFrom", "-1")
        .setText("txtTo", "10")
        .click("Do")
        .inspect(refused)
        .setText("txtFrom", "0")
        .setText("txtTo", "2147483648")
        .click("Do")
        .inspect(refused)
        .setText("txtTo", "2147483647")
        .click("Do");
    for (int i = 0; i < 2; ++i)
        script.onMessage(vbOK);
    Forms::instance<frmQuota>().showModal();

    ASSERT_EQ(script.messages().size(), 2);
    for (const test::ShownMessage& m : script.messages()) {
        EXPECT_EQ(m.text, RangeMessage);
        EXPECT_EQ(m.icon, QMessageBox::Warning);
    }
    EXPECT_EQ(settings.IDRangeLow, 0);
    EXPECT_EQ(settings.IDRangeHigh, 2147483647);
}

TEST_F(IdRangeTest, CancelEscAndTheFrameChangeNothing)
{
    script.on("frmQuota").setText("txtFrom", "5").click("Cancel");
    script.on("frmQuota").setText("txtFrom", "5").pressEscape();
    script.on("frmQuota").setText("txtFrom", "5").closeFrame();
    for (int i = 0; i < 3; ++i) {
        Forms::instance<frmQuota>().showModal();
        EXPECT_EQ(Forms::loaded<frmQuota>(), nullptr);
    }
    EXPECT_EQ(settings.IDRangeLow, 0);
    EXPECT_EQ(settings.IDRangeHigh, 100000);
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(IdRangeTest, FailedSettingsWriteIsReportedAndTheRangeStillHolds)
{
    SetProgramFolderForTest(folder_.filePath("missing"));
    script.on("frmQuota").setText("txtFrom", "10").setText("txtTo", "20").click("Do");
    script.onMessage(vbOK);
    Forms::instance<frmQuota>().showModal();
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(script.messages()[0].text.contains("zuntab.ini"));
    EXPECT_EQ(settings.IDRangeLow, 10);
    EXPECT_EQ(settings.IDRangeHigh, 20);
    EXPECT_EQ(Forms::loaded<frmQuota>(), nullptr);
}

}  // namespace
}  // namespace kz
