#include <QTimer>

#include "design/frm_about.h"
#include "main_window_fixture.h"
#include "model/answer_store.h"
#include "program/program_windows.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

// Q1 one answer of 14 choices in numbers; Q2 up to two answers in katakana,
// choice 4 with free text. Three samples: 12 and ｱ ﾆ/バス/; nothing and ｲ;
// 3 and nothing.
class AboutWindowTest : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        survey.Title = QStringLiteral("通勤調査");
        survey.Author = QStringLiteral("総務課");
        AddQuestion(1, 15);
        AddQuestion(2, 5, {4});
        survey.Questions[1].CodeStyle = 2;
        BuildLayout();
        WriteSampleAnswers(workspace, AddSample(1), {1, 2}, {12, 1, 4},
                           {QString(), QString(), QStringLiteral("バス")});
        WriteSampleAnswers(workspace, AddSample(2), {0, 1}, {2}, {});
        WriteSampleAnswers(workspace, AddSample(3), {1, 0}, {3}, {});
        samples.NextIDCursor = -1;
    }
    static frmAbout& About(QWidget& w) { return static_cast<frmAbout&>(w); }
    ProgramWindows windows_;
};

TEST_F(AboutWindowTest, TitleAndAuthorAreStoredOnlyByOKWhenOpenedForEditing)
{
    struct Case {
        bool editable;
        const char* button;
        bool stored;
    };
    for (const Case& c :
         {Case{true, "cmdClose", true}, Case{true, "cmdCancel", false}, Case{false, "cmdClose", false}}) {
        survey.Title = QStringLiteral("通勤調査");
        survey.Author = QStringLiteral("総務課");
        ClearModified(document);
        script.on("frmAbout")
            .inspect([&](QWidget& w) {
                EXPECT_EQ(About(w).txtTitle->text(), "通勤調査");
                EXPECT_EQ(About(w).txtTitle->isEnabled(), c.editable);
                EXPECT_EQ(About(w).cmdCancel->isHidden(), !c.editable);
                EXPECT_EQ(About(w).lblrpnum->text(), "3 人");
                EXPECT_EQ(About(w).lblQuotaNow->text(), "(未発行)");
                EXPECT_EQ(About(w).lblAnswer->text(), "---");
            })
            .setText("txtTitle", "新しい題")
            .setText("txtEditer", "企画課")
            .click(c.button);
        windows().showAbout(c.editable);
        EXPECT_EQ(survey.Title, c.stored ? "新しい題" : "通勤調査") << c.button;
        EXPECT_EQ(survey.Author, c.stored ? "企画課" : "総務課");
        EXPECT_EQ(IsModified(document), c.stored);
        EXPECT_EQ(widgets::Forms::loaded<frmAbout>(), nullptr);
    }
}

TEST_F(AboutWindowTest, TheMainWindowsCaptionFollowsAStoredTitle)
{
    const frmMain& main = StartWith("a.kz");
    ASSERT_EQ(main.windowTitle(), "通勤調査");
    for (const auto& [button, caption] : {std::pair{"cmdCancel", "通勤調査"}, std::pair{"cmdClose", "新しい題"}}) {
        script.on("frmAbout").setText("txtTitle", "新しい題").click(button);
        windows().showAbout(true);
        EXPECT_EQ(main.windowTitle(), caption) << button;
    }
}

TEST_F(AboutWindowTest, CountingTheInputEffortOnce)
{
    script.on("frmAbout")
        .click("cmdDo")
        .inspect([](QWidget& w) {
            frmAbout& about = About(w);
            EXPECT_EQ(about.lblAnswer->text(), "7 個");  // 1 + 2, 1 (unanswered) + 1, 1 + 1 (unanswered)
            EXPECT_EQ(about.lblEssay->text(), "2 文字");
            EXPECT_EQ(about.lblDiffiSym[0]->text(), "1");  // 12
            EXPECT_EQ(about.lblDiffiSym[1]->text(), "0");
            EXPECT_EQ(about.lblDiffiSym[2]->text(), "3");  // ｱ, ﾆ, ｲ
            // A completed count is not repeated in the same opening.
            EXPECT_TRUE(about.cmdDo->isHidden());
            EXPECT_TRUE(about.cmdDoCancel->isHidden());
            EXPECT_TRUE(about.cmdClose->isEnabled());
        })
        .click("cmdClose");
    windows().showAbout(true);
}

TEST_F(AboutWindowTest, AStoppedCountCanBeStartedAgain)
{
    script.on("frmAbout")
        .inspect([](QWidget& w) {
            frmAbout& about = About(w);
            // The stop is pressed as soon as the count lets the user in.
            QTimer::singleShot(0, about.cmdDoCancel, &QPushButton::click);
            about.cmdDo->click();
            EXPECT_EQ(about.lblAnswer->text(), "3 個");  // the first sample only
            EXPECT_FALSE(about.cmdDo->isHidden());
            EXPECT_TRUE(about.cmdCancel->isEnabled());
        })
        .click("cmdCancel");
    script.onMessage(vbOK);
    windows().showAbout(true);
    EXPECT_EQ(script.messages()[0].text, "計測を中断しますか？");
}

}  // namespace
}  // namespace kz
