#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <array>

#include "document/menu_state.h"
#include "program_fixture.h"
#include "shell/frm_collect.h"
#include "shell/frm_quota.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/forms.h"
#include "widgets/help_service.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

// Bits outside the four repairs: the entry window's ID question and one no
// one uses; the box must leave both alone.
constexpr Integer OtherBits = 16 | 64;

class CollectOptionsTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    test::ProgramStateGuard programState;
    ShellUi shellUi;
    test::WindowScript script;
};

const std::array<const char*, 4> PairNames{"optNoChoice", "optNoEssay", "optExcuse", "optQLimit"};
const std::array<Integer, 4> PairBits{1, 2, 4, 8};

QString Option(int pair, int index) { return QStringLiteral("%1(%2)").arg(PairNames[pair]).arg(index); }

bool Checked(QWidget& w, const QString& name) { return w.findChild<QRadioButton*>(name)->isChecked(); }

TEST_F(CollectOptionsTest, ShowsTheBitsAsOptionPairsAndOkKeepsThem)
{
    survey.CheckOptions = OtherBits | 1 | 4;
    script.on("frmCollect")
        .inspect([](QWidget& w) {
            auto& box = static_cast<frmCollect&>(w);
            EXPECT_EQ(box.windowTitle(), "回答補正");
            EXPECT_EQ(box.cmdOK->text(), "決定(&O)");
            EXPECT_EQ(box.cmdCancel->text(), "ｷｬﾝｾﾙ");
            EXPECT_EQ(box.optNoChoice[0]->text(), "その他選択肢があればそれに変更");
            EXPECT_EQ(box.optQLimit[1]->text(), "限定元が無回答の時は限定に合うよう修正する");
            EXPECT_TRUE(Checked(w, "optNoChoice(0)"));
            EXPECT_TRUE(Checked(w, "optNoEssay(1)"));
            EXPECT_TRUE(Checked(w, "optExcuse(0)"));
            EXPECT_TRUE(Checked(w, "optQLimit(1)"));
            // The pairs are independent: one choice per row.
            EXPECT_FALSE(Checked(w, "optNoChoice(1)"));
            EXPECT_FALSE(Checked(w, "optExcuse(1)"));
        })
        .click("cmdOK");
    EXPECT_TRUE(AskCheckOptions());
    EXPECT_EQ(survey.CheckOptions, OtherBits | 1 | 4);
    EXPECT_EQ(Forms::loaded<frmCollect>(), nullptr);
}

TEST_F(CollectOptionsTest, EachPairSetsAndClearsOnlyItsOwnBit)
{
    for (int pair = 0; pair < 4; ++pair) {
        SCOPED_TRACE(PairNames[pair]);
        survey.CheckOptions = OtherBits | 15;
        script.on("frmCollect").click(Option(pair, 1)).click("cmdOK");
        EXPECT_TRUE(AskCheckOptions());
        EXPECT_EQ(survey.CheckOptions, (OtherBits | 15) & ~PairBits[pair]);

        survey.CheckOptions = OtherBits;
        script.on("frmCollect").click(Option(pair, 0)).click("cmdOK");
        EXPECT_TRUE(AskCheckOptions());
        EXPECT_EQ(survey.CheckOptions, OtherBits | PairBits[pair]);
    }
}

TEST_F(CollectOptionsTest, OnlyAChangeMarksTheQuestionnaireModified)
{
    survey.CheckOptions = 15;
    ClearModified(document);
    script.on("frmCollect").click("cmdOK");
    EXPECT_TRUE(AskCheckOptions());
    EXPECT_FALSE(IsModified(document));

    script.on("frmCollect").click("optQLimit(1)").click("cmdCancel");
    EXPECT_FALSE(AskCheckOptions());
    EXPECT_TRUE(IsModified(document));
}

TEST_F(CollectOptionsTest, CancelStillTakesOverTheChangedOptions)
{
    // A negative word: the sign bit is one of the bits left alone.
    survey.CheckOptions = static_cast<Integer>(-32768 | 15);
    script.on("frmCollect").click("optExcuse(1)").click("optNoChoice(1)").click("cmdCancel");
    EXPECT_FALSE(AskCheckOptions());
    EXPECT_EQ(survey.CheckOptions, static_cast<Integer>(-32768 | 2 | 8));
    EXPECT_EQ(Forms::loaded<frmCollect>(), nullptr);

    // The next showing starts with OK usable again and the stored options.
    script.on("frmCollect")
        .inspect([](QWidget& w) {
            EXPECT_TRUE(static_cast<frmCollect&>(w).cmdOK->isEnabled());
            EXPECT_TRUE(Checked(w, "optExcuse(1)"));
        })
        .click("cmdOK");
    EXPECT_TRUE(AskCheckOptions());
}

TEST_F(CollectOptionsTest, EscAndTheFrameAnswerCancel)
{
    survey.CheckOptions = 0;
    script.on("frmCollect").click("optQLimit(0)").pressEscape();
    EXPECT_FALSE(AskCheckOptions());
    EXPECT_EQ(survey.CheckOptions, 8);
    script.on("frmCollect").click("optNoEssay(0)").closeFrame();
    EXPECT_FALSE(AskCheckOptions());
    EXPECT_EQ(survey.CheckOptions, 8 | 2);
}

TEST_F(CollectOptionsTest, HelpButtonsOpenTheirTopics)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString helpFile = folder.filePath("zuntab.hlp");
    ASSERT_TRUE(QFile(helpFile).open(QIODevice::WriteOnly));
    widgets::SetHelpFile(helpFile);
    widgets::SetHelpOpener([](const QUrl&) { return true; });
    widgets::ClearHelpCalls();

    script.on("frmCollect").click("cmdHelpContext").click("cmdOK");
    EXPECT_TRUE(AskCheckOptions());
    script.on("frmQuota").click("cmdHelpContext").click("Cancel");
    Forms::instance<frmQuota>().showModal();
    EXPECT_EQ(widgets::HelpCalls(),
              (QList<widgets::HelpCall>{{widgets::HelpCommand::Context, 40}, {widgets::HelpCommand::Context, 42}}));
    widgets::SetHelpOpener({});
    widgets::SetHelpFile({});
}

}  // namespace
}  // namespace kz
