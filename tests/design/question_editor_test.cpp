#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "design/frm_auto_q.h"
#include "design/frm_question.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/forms.h"
#include "window_calls.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

const QString AskSampleChange = QStringLiteral(
    "この操作をするとサンプルデータを修正しなくてはいけません。修正には時間がかかります。操作を続けますか？");

// The editor shown (not modally, so the test can drive it) on three
// questions of four choices each, choice texts "QqCc".
class QuestionEditorTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    void SetUp() override
    {
        for (int q = 0; q < 3; ++q) {
            AddQuestion(1, 4);
            survey.Questions[q].Text = QStringLiteral("Q%1\r\r\r").arg(q);
            for (int c = 1; c < 4; ++c)
                survey.Choices(q, c).Text = QStringLiteral("Q%1C%2").arg(q).arg(c);
        }
        BuildLayout();
    }
    frmQuestion& open()
    {
        auto& editor = Forms::instance<frmQuestion>();
        editor.show();
        return editor;
    }
    static void choose(frmQuestion& editor, int q, int c)
    {
        editor.lstQno->setCurrentRow(q);
        editor.lstCno->setCurrentRow(c);
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const auto& message : script.messages())
            texts << message.text;
        return texts;
    }

    // The finish: its question answered OK and, when answers are to be
    // checked, the correction options too.
    void finish(frmQuestion& editor, bool withOptions)
    {
        script.onMessage(vbOK);
        if (withOptions)
            script.on("frmCollect").click("cmdOK");
        editor.cmdDo->click();
    }

    test::ProgramStateGuard programState;
    ShellUi shellUi;
    test::WindowScript script;
    test::WindowCalls windowCalls;
};

// The file dialog answers a given path.
class ChosenFileUi : public ShellUi {
public:
    QString fileDialog(const QString&, const QString&, bool) override { return chosen; }
    QString chosen;
};

// The limit editor hands back a given condition and keeps what it was shown.
class LimitEditorStandIn : public test::WindowCalls {
public:
    void editLimit(Condition& cond, LimitEditMode mode) override
    {
        shown.push_back(cond);
        modes.push_back(mode);
        cond = result;
    }

    Condition result{};
    std::vector<Condition> shown;
    std::vector<LimitEditMode> modes;
};

TEST_F(QuestionEditorTest, QuantityComesWithFreeTextExcludesTheCodeAndOrdersItsBounds)
{
    survey.Choices(1, 2).Attr |= 1 << AttrEssay | 1 << AttrCoded;
    survey.Choices(1, 2).CodeFile = QStringLiteral("codes.txt");
    frmQuestion& editor = open();
    choose(editor, 1, 2);
    script.onMessage(vbNo);  // "コ－ドを消しますか？": the code box is cleared first
    script.on("frmInput").setText("txtInput", "10").click("cmdOK");
    script.on("frmInput").setText("txtInput", "5").click("cmdOK");
    editor.chkStatus[AttrQuantity]->click();
    EXPECT_TRUE(script.finished());
    const ChoiceRec& choice = survey.Choices(1, 2);
    EXPECT_EQ(choice.Attr, 1 << AttrEssay | 1 << AttrQuantity);
    EXPECT_EQ(choice.Low, 5);
    EXPECT_EQ(choice.High, 10);
    EXPECT_FALSE(editor.chkStatus[AttrCoded]->isChecked());

    // Unticking the free text takes the quantity with it.
    editor.chkStatus[AttrEssay]->click();
    EXPECT_EQ(choice.Attr, 0);
    EXPECT_FALSE(editor.chkStatus[AttrQuantity]->isChecked());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("コ－ドを消しますか？")}) << "no samples: nothing to confirm";
}

TEST_F(QuestionEditorTest, ASecondOtherChoiceDeclinedKeepsBothAndAcceptedMovesTheMark)
{
    frmQuestion& editor = open();
    survey.Choices(0, 1).Attr |= 1 << AttrOther;
    choose(editor, 0, 2);
    script.onMessage(vbNo);
    editor.chkStatus[AttrOther]->click();
    EXPECT_NE(survey.Choices(0, 1).Attr & 1 << AttrOther, 0);
    EXPECT_NE(survey.Choices(0, 2).Attr & 1 << AttrOther, 0);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains("Q0C1"));

    choose(editor, 0, 3);
    script.onMessage(vbYes);
    editor.chkStatus[AttrOther]->click();
    EXPECT_EQ(survey.Choices(0, 1).Attr & 1 << AttrOther, 0);
    EXPECT_NE(survey.Choices(0, 3).Attr & 1 << AttrOther, 0);
}

TEST_F(QuestionEditorTest, ASymbolSetTooSmallForTheChoicesFallsBackToNumbers)
{
    survey.Questions[2].ChoiceCount = 27;
    BuildLayout();
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(2);
    editor.optChr[3]->click();
    EXPECT_EQ(survey.Questions[2].CodeStyle, 0);
    EXPECT_TRUE(editor.optChr[0]->isChecked());
    editor.optChr[1]->click();
    EXPECT_EQ(survey.Questions[2].CodeStyle, 1);
}

TEST_F(QuestionEditorTest, TheOnlyQuestionIsNotDeleted)
{
    survey.QuestionCount = 1;
    BuildLayout();
    frmQuestion& editor = open();
    editor.DeleteQuestion->click();
    EXPECT_EQ(survey.QuestionCount, 1);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(QuestionEditorTest, InsertingWithSamplesAsksOnceAndNotesTheUnansweredQuestion)
{
    AddSample(1);
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(1);
    script.onMessage(vbOK);
    script.on("frmInput").setText("txtInput", "2").click("cmdOK");
    script.onMessage(vbOK);
    editor.InsertQuestion->click();
    EXPECT_EQ(survey.QuestionCount, 4);
    EXPECT_EQ(survey.Questions[1].ChoiceCount, 3);
    EXPECT_EQ(survey.Questions[1].Text, QStringLiteral("質問2\r\r\r"));
    EXPECT_EQ(survey.Questions[2].Text, QStringLiteral("Q1\r\r\r"));
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[0], AskSampleChange);
    EXPECT_TRUE(messages()[1].contains("『(0)無回答』"));
    EXPECT_FALSE(editor.lblChanged->isHidden());

    // The next edit needing a conversion asks nothing more.
    choose(editor, 0, 1);
    script.onMessage(vbOK);
    editor.DeleteChoice->click();
    EXPECT_EQ(survey.Questions[0].ChoiceCount, 3);
    EXPECT_EQ(messages().size(), 3);
    EXPECT_EQ(messages()[2], QStringLiteral("本当に削除して構いませんか？"));
}

TEST_F(QuestionEditorTest, CancelBringsBackTheStructureAtOpening)
{
    const auto questions = survey.Questions;
    frmQuestion& editor = open();
    choose(editor, 2, 1);
    script.onMessage(vbOK);
    editor.DeleteQuestion->click();
    editor.lstQno->setCurrentRow(0);
    editor.QuesText[0]->setText(QStringLiteral("改名"));
    emit editor.QuesText[0]->editingFinished();
    choose(editor, 1, 1);
    editor.InsertChoice->click();
    choose(editor, 0, 2);
    editor.chkStatus[AttrExclusive]->click();
    ASSERT_EQ(survey.QuestionCount, 2);
    ASSERT_EQ(survey.Questions[0].Text, QStringLiteral("改名\r\r\r"));

    script.onMessage(vbOK);
    editor.cmdCancel->click();
    EXPECT_TRUE(editor.isHidden());
    EXPECT_EQ(survey.QuestionCount, 3);
    for (int q = 0; q < 3; ++q) {
        EXPECT_EQ(survey.Questions[q].Text, questions[q].Text);
        EXPECT_EQ(survey.Questions[q].ChoiceCount, 4);
        for (int c = 1; c < 4; ++c) {
            EXPECT_EQ(survey.Choices(q, c).Text, QStringLiteral("Q%1C%2").arg(q).arg(c));
            EXPECT_EQ(survey.Choices(q, c).Attr, 0);
        }
    }
}

TEST_F(QuestionEditorTest, FinishCarriesTheAnswersToTheirMovedQuestion)
{
    AddSample(1);
    WriteQuestionAnswers(workspace, 0, 1, 1, {2}, {});
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(0);
    script.onMessage(vbOK);
    script.on("frmInput").setText("txtInput", "3").click("cmdOK");
    script.onMessage(vbOK);
    editor.InsertQuestion->click();
    finish(editor, true);
    EXPECT_TRUE(editor.finished());
    EXPECT_TRUE(editor.isHidden());
    Integer count = 0;
    QVector<Integer> codes;
    QVector<QString> texts;
    ReadQuestionAnswers(workspace, 0, 2, count, codes, texts);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(codes[0], 2);
    ReadQuestionAnswers(workspace, 0, 0, count, codes, texts);
    EXPECT_EQ(codes.value(0), 0) << "the new question reads unanswered";
}

TEST_F(QuestionEditorTest, ARefusedBulkInsertLeavesEveryChoiceAsItWas)
{
    AddSample(1);
    frmQuestion& editor = open();
    choose(editor, 1, 2);
    script.onMessage(vbCancel);
    editor.lblAuto->setCaption(QStringLiteral("new"));
    editor.lblAuto->setCaption(QStringLiteral("next"));  // not asked again
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(survey.Questions[1].ChoiceCount, 4);
    for (int c = 1; c < 4; ++c)
        EXPECT_EQ(survey.Choices(1, c).Text, QStringLiteral("Q1C%1").arg(c));
}

TEST_F(QuestionEditorTest, LoweringBesideADeeperQuestionJoinsItsBranchAndRaisingLeavesIt)
{
    survey.QuestionLimit[1][1] = LimitItem{3, MakeQC(0, 1)};
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(2);
    editor.cmdDirDown->click();
    EXPECT_EQ(survey.QuestionLimit[2][1].Code, MakeQC(0, 1));
    EXPECT_EQ(survey.QuestionLimit[2][0].KindRank, 1);
    EXPECT_TRUE(editor.lstQno->item(2)->text().startsWith("+--") || editor.lstQno->item(2)->text().startsWith("|"));

    editor.lstQno->setCurrentRow(1);
    editor.cmdDirUp->click();
    EXPECT_EQ(survey.QuestionLimit[1][1].KindRank, 0);
    EXPECT_EQ(survey.QuestionLimit[1][0].KindRank, 0);
    EXPECT_EQ(editor.lblQLimit->text(), QStringLiteral("限定条件はありません"));
}

TEST_F(QuestionEditorTest, EscIsCancel)
{
    frmQuestion& editor = open();
    choose(editor, 0, 1);
    script.onMessage(vbOK);
    editor.DeleteChoice->click();
    ASSERT_EQ(survey.Questions[0].ChoiceCount, 3);
    script.onMessage(vbOK);
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_EQ(survey.Questions[0].ChoiceCount, 4);
}

TEST_F(QuestionEditorTest, TheFinishIsConfirmedAndSaysWhatItWillDo)
{
    const QString checkNote = QStringLiteral("要回答チェックの時は時間がかかります。");
    const QString limitsNote = QStringLiteral("既成限定条件はすべて空になります。");
    const struct {
        const char* name;
        bool samplesChanged;
        bool storedLimit;
        int answer;      // to the finish's question
        bool optionsOk;  // to the correction options, when they are asked
        bool finished;
    } cases[] = {
        {"no change, declined", false, false, vbCancel, true, false},
        {"no change, accepted", false, false, vbOK, true, true},
        {"stored limit, accepted", false, true, vbOK, true, true},
        {"samples changed, options cancelled", true, false, vbOK, false, false},
        {"samples changed and a stored limit, accepted", true, true, vbOK, true, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test::ProgramStateGuard state;
        SetUp();
        AddSample(1);
        if (test.storedLimit)
            survey.LimitTable[3][1] = LimitItem{1, MakeQC(0, 1)};
        const Integer choicesBefore = survey.Questions[0].ChoiceCount;
        frmQuestion& editor = open();
        if (test.samplesChanged) {
            choose(editor, 0, 1);
            script.onMessage(vbOK);  // delete
            script.onMessage(vbOK);  // the samples must be converted
            editor.DeleteChoice->click();
        }
        const qsizetype before = script.messages().size();
        script.onMessage(test.answer);
        if (test.answer == vbOK && test.samplesChanged)
            script.on("frmCollect").click(test.optionsOk ? "cmdOK" : "cmdCancel");
        editor.cmdDo->click();
        EXPECT_TRUE(script.finished());
        ASSERT_EQ(script.messages().size(), before + 1);
        const QString question = script.messages().back().text;
        EXPECT_TRUE(question.startsWith(QStringLiteral("終了します。")));
        EXPECT_EQ(question.contains(checkNote), test.samplesChanged);
        EXPECT_EQ(question.contains(limitsNote), test.storedLimit);
        EXPECT_EQ(editor.finished(), test.finished);
        EXPECT_EQ(editor.isHidden(), test.finished);
        EXPECT_EQ(survey.LimitTable[3][1].KindRank != 0, test.storedLimit && !test.finished);
        if (test.samplesChanged && !test.finished) {
            EXPECT_EQ(survey.Questions[0].ChoiceCount, choicesBefore - 1) << "editing goes on";
        }
        Forms::unload(editor);
    }
}

TEST_F(QuestionEditorTest, ACodeTableThatCannotBeReadIsReportedAndNotKept)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString paths[] = {folder.filePath(QStringLiteral("missing.txt")), folder.path()};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        ChosenFileUi chooser;
        chooser.chosen = path;
        frmQuestion& editor = open();
        choose(editor, 1, 2);
        const qsizetype before = script.messages().size();
        script.onMessage(vbOK);
        editor.chkStatus[AttrCoded]->click();
        ASSERT_EQ(script.messages().size(), before + 1);
        EXPECT_EQ(script.messages().back().text, QStringLiteral("コード表ファイルを読めません : ") + path);
        const ChoiceRec& choice = survey.Choices(1, 2);
        EXPECT_TRUE(choice.CodeFile.isEmpty());
        EXPECT_NE(choice.Attr & 1 << AttrCoded, 0) << "the bit stays, without a table";
        EXPECT_NE(choice.Attr & 1 << AttrEssay, 0);
        Forms::unload(editor);
        survey.Choices(1, 2).Attr = 0;
    }
}

TEST_F(QuestionEditorTest, AConditionFromTheLimitEditorBecomesTheQuestionsLimit)
{
    LimitEditorStandIn limitEditor;
    survey.QuestionLimit[2][1] = LimitItem{1, MakeQC(0, 3)};
    AddSample(1);
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(2);
    limitEditor.result[1] = LimitItem{1, MakeQC(1, 2)};
    script.onMessage(vbOK);  // the samples must be checked
    QTest::mouseClick(editor.lblQLimit, Qt::LeftButton);

    ASSERT_EQ(limitEditor.shown.size(), 1u);
    EXPECT_EQ(limitEditor.modes[0], LimitEditMode::WithoutStoredLimits);
    EXPECT_EQ(limitEditor.shown[0][1].Code, MakeQC(0, 3)) << "the editor starts from the question's condition";
    EXPECT_EQ(limitEditor.shown[0][2].KindRank, 0);
    EXPECT_EQ(survey.QuestionLimit[2][1].Code, MakeQC(1, 2));
    EXPECT_EQ(survey.QuestionLimit[2][2].KindRank, 0);
    EXPECT_EQ(survey.QuestionLimit[2][0].KindRank, 1) << "one level below its parent";
    EXPECT_TRUE(editor.lblQLimit->text().contains(QStringLiteral("Q1C2")));
    EXPECT_FALSE(editor.lblChanged->isHidden());
    EXPECT_EQ(script.messages().size(), 1);
}

TEST_F(QuestionEditorTest, TheLimitDescriptionBoxShowsOnlyTheStoredDescription)
{
    survey.QuestionLimit[1][1] = LimitItem{3, MakeQC(0, 1)};
    survey.Questions[2].Text = QStringLiteral("Q2\r\r男性のみ\r");
    survey.QuestionLimit[2][1] = LimitItem{3, MakeQC(0, 2)};
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(1);
    EXPECT_EQ(editor.QuesText[2]->text(), QString()) << "empty stays empty";

    // Leaving any box stores the description as shown: still empty, so the
    // text made from the condition keeps following it.
    editor.QuesText[0]->setText(QStringLiteral("renamed"));
    emit editor.QuesText[0]->editingFinished();
    EXPECT_EQ(survey.Questions[1].Text, QStringLiteral("renamed\r\r\r"));

    editor.lstQno->setCurrentRow(2);
    EXPECT_EQ(editor.QuesText[2]->text(), QStringLiteral("男性のみ"));
}

// The window shown and active, so that keys reach the control with the focus.
frmQuestion& Activate(frmQuestion& editor)
{
    editor.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&editor));
    return editor;
}

TEST_F(QuestionEditorTest, EnterInAListGoesOnToTheTextToEdit)
{
    frmQuestion& editor = Activate(open());
    choose(editor, 1, 2);
    editor.lstQno->setFocus();
    QTest::keyClick(editor.lstQno, Qt::Key_Return);
    EXPECT_TRUE(editor.QuesText[0]->hasFocus());
    EXPECT_EQ(editor.lstQno->currentRow(), 1);

    editor.lstCno->setFocus();
    QTest::keyClick(editor.lstCno, Qt::Key_Return);
    EXPECT_TRUE(editor.ChoiceText->hasFocus());
    EXPECT_EQ(editor.lstCno->currentRow(), 2);
}

TEST_F(QuestionEditorTest, CtrlUpAndDownChangeTheQuestionFromAnyControl)
{
    frmQuestion& editor = Activate(open());
    const struct {
        const char* name;
        QWidget* control;
    } cases[] = {
        {"question list", editor.lstQno},   {"choice list", editor.lstCno}, {"question name", editor.QuesText[0]},
        {"choice text", editor.ChoiceText}, {"a button", editor.cmdAuto},   {"a check box", editor.chkStatus[2]},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        choose(editor, 1, 2);
        test.control->setFocus();
        QTest::keyClick(test.control, Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(editor.lstQno->currentRow(), 2);
        EXPECT_EQ(editor.lblQno->text(), QStringLiteral("3"));
        QTest::keyClick(test.control, Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(editor.lstQno->currentRow(), 2) << "the last question stays";
        QTest::keyClick(test.control, Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(test.control, Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(test.control, Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(editor.lstQno->currentRow(), 0) << "the first question stays";
        EXPECT_EQ(editor.QuesText[0]->text(), QStringLiteral("Q0"));
    }

    // What was typed belongs to the question it was typed for.
    for (QLineEdit* box : {editor.QuesText[1], editor.ChoiceText}) {
        choose(editor, 1, 2);
        box->setFocus();
        box->setText(QStringLiteral("文"));
        QTest::keyClick(box, Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(editor.lstQno->currentRow(), 2);
    }
    EXPECT_EQ(survey.Questions[1].Text, QStringLiteral("Q1\r文\r\r"));
    EXPECT_EQ(survey.Choices(1, 2).Text, QStringLiteral("文"));
    EXPECT_EQ(survey.Questions[2].Text, QStringLiteral("Q2\r\r\r"));
    EXPECT_EQ(survey.Choices(2, 1).Text, QStringLiteral("Q2C1"));
}

TEST_F(QuestionEditorTest, BulkEnteredLinesBecomeChoicesBeforeTheCurrentOne)
{
    frmQuestion& editor = open();
    choose(editor, 1, 2);
    script.on("frmAutoQ").inspect([](QWidget& w) {
        auto& form = static_cast<frmAutoQ&>(w);
        form.txtData->setPlainText(QStringLiteral("甲\n乙\n丙"));
        form.cmdDo->click();
    });
    script.onMessage(vbOK);  // "終了しました"
    editor.cmdAuto->click();
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(survey.Questions[1].ChoiceCount, 7);
    const QStringList expected = {"Q1C1", "甲", "乙", "丙", "Q1C2", "Q1C3"};
    for (int c = 1; c < 7; ++c)
        EXPECT_EQ(survey.Choices(1, c).Text, expected[c - 1]) << c;
    EXPECT_EQ(editor.lstCno->count(), 8);
    EXPECT_EQ(editor.lstCno->currentRow(), 5) << "the next line would go after the last one entered";
    EXPECT_EQ(survey.Questions[0].ChoiceCount, 4);
}

}  // namespace
}  // namespace kz
