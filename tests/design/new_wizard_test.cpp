#include <QFile>
#include <QTest>

#include "design/frm_new.h"
#include "design/frm_question.h"
#include "document/menu_state.h"
#include "files/data_file_load.h"
#include "files/settings_file.h"
#include "host/settings.h"
#include "main_window_fixture.h"
#include "model/condition_arrays.h"
#include "model/document.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "program/program_windows.h"
#include "tabulation/frm_limit.h"

namespace kz {
namespace {

using widgets::Forms;

const QString Done = QStringLiteral("保存が終わりました。");
const QString NoPassword =
    QStringLiteral("データのパスワードは現在設定されていません。"
                   "変更するときは『その他』の中の『データにパスワードをつける』を選んでください。");
const QString CancelQuestion = QStringLiteral("本当にアンケートの設定を中止しますか");

// The wizard from the main window's New command, with the windows of its
// pages answered by script.
class NewWizardTest : public test::MainWindowTest {
protected:
    frmNew& Open(frmMain& main)
    {
        Item(main, "mnuNewfile")->trigger();
        frmNew* wizard = Forms::loaded<frmNew>();
        EXPECT_NE(wizard, nullptr);
        EXPECT_TRUE(wizard->isVisible());
        return *wizard;
    }
    // The survey a.kz loaded afresh, as after the program's start with it.
    void Reopen()
    {
        SetSaveWriteLimit(-1);
        QString path = WriteSurvey("a.kz");
        ASSERT_NE(LoadDataFile(workspace, settings, path, OpenQuestionnaire), NothingLoaded);
        test::FlushEvents();
    }
    // The messages shown from `first` on.
    QStringList MessagesFrom(qsizetype first) const
    {
        QStringList texts;
        for (qsizetype i = first; i < script.messages().size(); ++i)
            texts << script.messages()[i].text;
        return texts;
    }
    static void Next(frmNew& wizard) { wizard.cmdNext[0]->click(); }
    static void Back(frmNew& wizard) { wizard.cmdNext[1]->click(); }
    static bool WizardOpen()
    {
        test::FlushEvents();
        return Forms::loaded<frmNew>() != nullptr;
    }

    // What the window of `page` is answered when "next" opens it.
    void AnswerPage(Integer page)
    {
        if (page == 2)
            script.on("frmAbout").setText("txtTitle", "新しい調査").setText("txtEditer", "企画課").click("cmdClose");
        else if (page == 3) {
            script.on("frmQuestion").click("cmdDo");
            script.onMessage(vbOK);  // "終了します。"
        } else if (page == 4)
            script.on("frmParagraph").click("cmdClose");
        else if (page == 5)
            script.on("frmQuota").setText("txtFrom", "500").setText("txtTo", "900").click("Do");
    }
    // From page 0 on to `page`, blank or on the loaded structure.
    void Advance(frmNew& wizard, Integer page, bool useLoaded = false)
    {
        while (wizard.WizardStep < page) {
            if (wizard.WizardStep == 1)
                (useLoaded ? wizard.optUse : wizard.optNotUse)->setChecked(true);
            AnswerPage(wizard.WizardStep);
            Next(wizard);
        }
        ASSERT_EQ(wizard.WizardStep, page);
    }
    // "next" on the last page with `path` chosen and saved.
    void Save(frmNew& wizard, const QString& path)
    {
        ChooseFile(path);
        script.onMessage(vbOK);
        script.onMessage(vbOK);
        Next(wizard);
    }

    ProgramWindows windows_;
};

TEST_F(NewWizardTest, BothWaysThroughAllPagesToAFileThatLoadsBack)
{
    frmMain& main = StartWith("a.kz");
    for (const bool useLoaded : {false, true}) {
        Reopen();
        const qsizetype first = script.messages().size();
        const auto loadedLines = survey.ParagraphStart;
        frmNew& wizard = Open(main);
        EXPECT_EQ(wizard.windowTitle(), "あたらしいアンケート");
        EXPECT_EQ(wizard.lblBaseName->text(), "通勤調査");
        Advance(wizard, 3, useLoaded);
        EXPECT_EQ(SampleCount(samples), 0);
        // The page announces the question editor, which it opens next.
        EXPECT_FALSE(wizard.lblTaskTitle[3]->isHidden());
        Advance(wizard, 6);
        const QString path = dataPath(useLoaded ? "based.kz" : "blank.kz");
        Save(wizard, path);
        EXPECT_FALSE(WizardOpen());
        const QStringList messages = MessagesFrom(first);
        ASSERT_EQ(messages.size(), 3);
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("終了します。"))) << "the editor's finish";
        EXPECT_EQ(messages.mid(1), (QStringList{Done, NoPassword}));
        EXPECT_EQ(document.CurrentFilePath, path);
        EXPECT_TRUE(HasChosenPath(document));
        EXPECT_FALSE(IsModified(document));
        EXPECT_FALSE(document.menusLocked);

        settings.IDRangeLow = settings.IDRangeHigh = 0;
        LoadSettings(settings);
        EXPECT_EQ(settings.IDRangeLow, 500);
        EXPECT_EQ(settings.IDRangeHigh, 900);
        QString back = path;
        ASSERT_NE(LoadDataFile(workspace, settings, back, OpenQuestionnaire), NothingLoaded);
        EXPECT_EQ(survey.Title, "新しい調査");
        EXPECT_EQ(survey.Author, "企画課");
        EXPECT_EQ(SampleCount(samples), 0);
        EXPECT_EQ(survey.QuestionCount, useLoaded ? 2 : 1);
        if (useLoaded) {
            EXPECT_EQ(survey.ParagraphStart, loadedLines);
        } else {
            EXPECT_EQ(survey.ParagraphStart[0], 0);
            EXPECT_EQ(survey.ParagraphStart[1], MakeQC(1, 0));
        }
    }
}

// The questions built in the editor of page 3 (a free-text choice, a
// condition on the first question) are saved, each starting its own entry
// line.
TEST_F(NewWizardTest, TheSavedQuestionnaireNamesTheMainWindow)
{
    frmMain& main = StartWith("a.kz");
    ASSERT_EQ(main.windowTitle(), "通勤調査");
    frmNew& wizard = Open(main);
    Advance(wizard, 2);
    // The title is left as the blank questionnaire has it.
    script.on("frmAbout").click("cmdCancel");
    Next(wizard);
    Advance(wizard, 6);
    Save(wizard, dataPath("blank.kz"));
    ASSERT_FALSE(WizardOpen());
    EXPECT_EQ(main.windowTitle(), "新規アンケート");
}

TEST_F(NewWizardTest, TheEditorsQuestionsAreSavedWithALineEach)
{
    frmMain& main = Start();
    frmNew& wizard = Open(main);
    Advance(wizard, 3);
    const auto editor = [](QWidget& w) -> frmQuestion& { return static_cast<frmQuestion&>(w); };
    const auto insertAtEnd = [&](QWidget& w) {
        editor(w).lstQno->setCurrentRow(editor(w).lstQno->count() - 1);
        editor(w).InsertQuestion->click();
    };
    script.on("frmQuestion")
        .inspect([&](QWidget& w) {
            editor(w).lstQno->setCurrentRow(0);
            editor(w).lstCno->setCurrentRow(1);
            editor(w).chkStatus[AttrEssay]->click();
        })
        .inspect(insertAtEnd)
        .inspect(insertAtEnd)
        .inspect([&](QWidget& w) {
            editor(w).lstQno->setCurrentRow(1);
            QTest::mouseClick(editor(w).lblQLimit, Qt::LeftButton);
        })
        .click("cmdDo");
    script.on("frmInput").setText("txtInput", "2").click("cmdOK");
    script.on("frmInput").setText("txtInput", "3").click("cmdOK");
    script.on("frmLimit")
        .inspect([](QWidget& w) {
            static_cast<frmLimit&>(w).lstQno->setCurrentRow(0);
            static_cast<frmLimit&>(w).lstCno->setCurrentRow(1);
        })
        .click(QStringLiteral("cmdWrite(%1)").arg(KindRequired))
        .click("cmdClose");
    script.onMessage(vbOK);  // "終了します。"
    script.on("frmCollect").click("cmdOK");
    Next(wizard);
    EXPECT_TRUE(script.finished());
    Advance(wizard, 6);
    const QString path = dataPath("built.kz");
    Save(wizard, path);
    ASSERT_FALSE(WizardOpen());

    QString back = path;
    ASSERT_NE(LoadDataFile(workspace, settings, back, OpenQuestionnaire), NothingLoaded);
    ASSERT_EQ(survey.QuestionCount, 3);
    EXPECT_EQ(survey.Questions[1].ChoiceCount, 3);
    EXPECT_EQ(survey.Questions[2].ChoiceCount, 4);
    EXPECT_TRUE(survey.Choices(0, 1).Attr & 1 << AttrEssay);
    EXPECT_EQ(survey.QuestionLimit[1][1].KindRank, KindRequired);
    EXPECT_EQ(survey.QuestionLimit[1][1].Code, MakeQC(0, 1));
    EXPECT_EQ(survey.QuestionLimit[2][1].KindRank, KindEnd);
    for (Integer line = 0; line <= 3; ++line)
        EXPECT_EQ(survey.ParagraphStart[size_t(line)], MakeQC(line, 0)) << line;
}

// Cancel, confirmed, ends the wizard on every page and undoes nothing; not
// confirmed, it stays.
TEST_F(NewWizardTest, CancelAtEachPage)
{
    frmMain& main = StartWith("a.kz");
    for (Integer page = 0; page < frmNew::PageCount; ++page) {
        Reopen();
        frmNew& wizard = Open(main);
        Advance(wizard, page);
        script.onMessage(vbNo);
        wizard.Cancel->click();
        EXPECT_TRUE(WizardOpen());
        script.onMessage(vbYes);
        wizard.Cancel->click();
        EXPECT_FALSE(WizardOpen()) << page;
        EXPECT_EQ(script.messages().back().text, CancelQuestion);
        EXPECT_EQ(script.messages().back().defaultAnswer, vbNo);
        EXPECT_EQ(SampleCount(samples), page == 0 ? 2 : 0);
        const char* title = page < 2 ? "通勤調査" : page == 2 ? "新規アンケート" : "新しい調査";
        EXPECT_EQ(survey.Title, title);
        // The abandoned new document is saved only under a name the user
        // chooses, never silently into the program folder.
        EXPECT_EQ(HasChosenPath(document), page == 0);
        if (page > 0) {
            ChooseFile(QString());
            EXPECT_FALSE(main.SaveFile());
            EXPECT_FALSE(QFile::exists(appFile("new.kz")));
        }
    }
}

TEST_F(NewWizardTest, AFailedOrCancelledSaveKeepsTheLastPage)
{
    frmMain& main = StartWith("a.kz");
    frmNew& wizard = Open(main);
    Advance(wizard, 6);
    const qsizetype first = script.messages().size();
    const QString path = dataPath("new.kz");
    ChooseFile(QString());
    Next(wizard);
    SetSaveWriteLimit(10);
    ChooseFile(path);
    script.onMessage(vbOK);  // the saver's report
    Next(wizard);
    ASSERT_TRUE(WizardOpen());
    EXPECT_EQ(wizard.WizardStep, 6);
    ASSERT_EQ(script.messages().size(), first + 1);
    EXPECT_NE(script.messages()[first].text, Done);
    EXPECT_FALSE(HasChosenPath(document));
    EXPECT_FALSE(QFile::exists(path));

    SetSaveWriteLimit(-1);
    Save(wizard, path);
    EXPECT_FALSE(WizardOpen());
    EXPECT_EQ(script.messages().at(first + 1).text, Done);
    EXPECT_TRUE(QFile::exists(path));
}

// The save offer of the first page: only Yes with a save that succeeded
// lets the old questionnaire go.
TEST_F(NewWizardTest, TheFirstPageDropsTheModifiedQuestionnaireOnlyOnceSaved)
{
    struct Case {
        int answer;
        qint64 writeLimit;
        bool goesOn;
    };
    frmMain& main = StartWith("a.kz");
    for (const Case& c : {Case{vbCancel, -1, false}, Case{vbYes, 10, false}, Case{vbYes, -1, true}}) {
        Reopen();
        const qsizetype first = script.messages().size();
        survey.Title = QStringLiteral("変更した調査");
        SetModified(document);
        SetSaveWriteLimit(c.writeLimit);
        frmNew& wizard = Open(main);
        script.onMessage(c.answer);
        if (c.writeLimit >= 0)
            script.onMessage(vbOK);
        Next(wizard);
        EXPECT_EQ(MessagesFrom(first).value(0), "アンケート「変更した調査」は変更されています。保存しますか？");
        EXPECT_EQ(WizardOpen(), c.goesOn);
        EXPECT_EQ(SampleCount(samples), c.goesOn ? 0 : 2) << c.answer;
        EXPECT_EQ(IsModified(document), !c.goesOn);
        if (c.goesOn) {
            EXPECT_EQ(wizard.WizardStep, 1);
            QString saved = dataPath("a.kz");
            ASSERT_NE(LoadDataFile(workspace, settings, saved, OpenQuestionnaire), NothingLoaded);
            EXPECT_EQ(survey.Title, "変更した調査");
        } else {
            EXPECT_EQ(document.CurrentFilePath, dataPath("a.kz"));
        }
    }
}

TEST_F(NewWizardTest, GoingBackRepeatsNoStepUnconfirmed)
{
    frmMain& main = StartWith("a.kz");
    frmNew& wizard = Open(main);
    Advance(wizard, 3);
    EXPECT_FALSE(wizard.optUse->isEnabled());  // the loaded structure is gone
    survey.ExternProcessName = QStringLiteral("qexolin");
    Back(wizard);
    Back(wizard);
    ASSERT_EQ(wizard.WizardStep, 1);
    script.onMessage(vbNo);
    Next(wizard);
    EXPECT_EQ(script.messages().back().text, "アンケートを白紙に戻しますか？ここまでの設定は失われます。");
    EXPECT_EQ(survey.Title, "新しい調査");
    Back(wizard);
    Back(wizard);
    ASSERT_EQ(wizard.WizardStep, 0);
    script.onMessage(vbNo);
    Next(wizard);
    EXPECT_EQ(script.messages().back().text,
              "新しいアンケートを作り直しますか？ここまでの設定が失われることがあります。");
    EXPECT_EQ(survey.ExternProcessName, "qexolin");
    EXPECT_EQ(wizard.WizardStep, 1);
    // Confirmed, each step is done again.
    script.onMessage(vbYes);
    Next(wizard);
    EXPECT_EQ(survey.Title, "新規アンケート");
    Back(wizard);
    Back(wizard);
    script.onMessage(vbYes);
    Next(wizard);
    EXPECT_TRUE(survey.ExternProcessName.isEmpty());
    EXPECT_EQ(script.messages().size(), 4);
}

TEST_F(NewWizardTest, AHiddenQuestionnaireOffersNoStructure)
{
    frmMain& main = Start();  // the unsavable start-up questionnaire
    frmNew& wizard = Open(main);
    EXPECT_FALSE(wizard.optUse->isEnabled());
    EXPECT_TRUE(wizard.optNotUse->isChecked());
    EXPECT_EQ(wizard.lblBaseName->text(), "元になるアンケートは隠蔽されています");
    Back(wizard);
    EXPECT_EQ(wizard.WizardStep, 0);
    Next(wizard);
    EXPECT_EQ(wizard.WizardStep, 2);
    EXPECT_TRUE(script.messages().isEmpty());
    EXPECT_EQ(survey.ParagraphStart[1], MakeQC(1, 0));
    Back(wizard);
    EXPECT_EQ(wizard.WizardStep, 0);
}

}  // namespace
}  // namespace kz
