#include <QTest>

#include "answers/answer_store.h"
#include "frm_question.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "shell_ui.h"
#include "support/survey_fixture.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using widgets::Forms;

const QString AskSampleChange = QStringLiteral(
    "この操作をするとサンプルデータを修正しなくてはいけません。修正には時間がかかります。操作を続けますか？");

// The editor shown (not modally, so the test can drive it) on three
// questions of four choices each, choice texts "QqCc".
class QuestionEditorTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        for (int q = 0; q < 3; ++q) {
            test::AddQuestion(1, 4);
            survey.Questions[q].Text = QStringLiteral("Q%1\r\r\r").arg(q);
            for (int c = 1; c < 4; ++c)
                survey.Choices(q, c).Text = QStringLiteral("Q%1C%2").arg(q).arg(c);
        }
        test::BuildLayout();
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

    test::ProgramStateGuard programState;
    ShellUi shellUi;
    test::WindowScript script;
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
    test::BuildLayout();
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
    test::BuildLayout();
    frmQuestion& editor = open();
    editor.DeleteQuestion->click();
    EXPECT_EQ(survey.QuestionCount, 1);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(QuestionEditorTest, InsertingWithSamplesAsksOnceAndNotesTheUnansweredQuestion)
{
    test::AddSample(1);
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
    test::AddSample(1);
    WriteQuestionAnswers(0, 1, 1, {2}, {});
    frmQuestion& editor = open();
    editor.lstQno->setCurrentRow(0);
    script.onMessage(vbOK);
    script.on("frmInput").setText("txtInput", "3").click("cmdOK");
    script.onMessage(vbOK);
    editor.InsertQuestion->click();
    script.onMessage(vbOK);
    script.on("frmCollect").click("cmdOK");
    editor.cmdDo->click();
    EXPECT_TRUE(editor.finished());
    EXPECT_TRUE(editor.isHidden());
    Integer count = 0;
    QVector<Integer> codes;
    QVector<QString> texts;
    ReadQuestionAnswers(0, 2, count, codes, texts);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(codes[0], 2);
    ReadQuestionAnswers(0, 0, count, codes, texts);
    EXPECT_EQ(codes.value(0), 0) << "the new question reads unanswered";
}

TEST_F(QuestionEditorTest, TheFinishIsAskedAndEitherCancelKeepsEditing)
{
    test::AddSample(1);
    survey.LimitTable[2][1].KindRank = 3;
    frmQuestion& editor = open();
    choose(editor, 0, 1);
    script.onMessage(vbOK);  // delete
    script.onMessage(vbOK);  // the samples will be changed
    editor.DeleteChoice->click();

    script.onMessage(vbCancel);
    editor.cmdDo->click();
    EXPECT_EQ(messages().constLast(), QStringLiteral("終了します。要回答チェックの時は時間がかかります。"
                                                     "既成限定条件はすべて空になります。"));
    script.onMessage(vbOK);
    script.on("frmCollect").click("cmdCancel");
    editor.cmdDo->click();
    EXPECT_FALSE(editor.finished());
    EXPECT_EQ(survey.LimitTable[2][1].KindRank, 3);

    script.onMessage(vbOK);
    script.on("frmCollect").click("cmdOK");
    editor.cmdDo->click();
    EXPECT_TRUE(editor.finished());
    EXPECT_EQ(survey.LimitTable[2][1].KindRank, 0);
    EXPECT_TRUE(script.finished());
}

TEST_F(QuestionEditorTest, ARefusedBulkInsertLeavesEveryChoiceAsItWas)
{
    test::AddSample(1);
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

}  // namespace
}  // namespace kz
