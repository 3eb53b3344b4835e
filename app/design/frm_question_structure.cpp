// The question editor's structure edits: questions and choices inserted,
// copied, deleted, moved in the hierarchy and bulk-entered; the finish and Cancel.
#include <QCoreApplication>
#include <QPointer>

#include "design/choice_entry.h"
#include "design/frm_auto_q.h"
#include "design/frm_question.h"
#include "design/question_rules.h"
#include "design/structure_finish.h"
#include "document/cmd_box.h"
#include "model/condition_arrays.h"
#include "model/limit_depths.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "shell/frm_collect.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

namespace {

const QString AskDelete = QStringLiteral("本当に削除して構いませんか？");

}  // namespace

bool frmQuestion::ConfirmSampleChange()
{
    const SampleTable& samples = ProgramWorkspace().samples;
    if (edit_->changed || SampleCount(samples) < 1)
        return true;
    return MsgBox(
               QStringLiteral("この操作をするとサンプルデータを修正しなくてはいけません。修正には時間がかかります。"
                              "操作を続けますか？"),
               vbOKCancel)
           == vbOK;
}

void frmQuestion::markChanged(bool numbering)
{
    const SampleTable& samples = ProgramWorkspace().samples;
    edit_->changed = true;
    if (numbering)
        edit_->numberingChanged = true;
    lblChanged->setVisible(SampleCount(samples) >= 1);
}

void frmQuestion::QuesText_LostFocus()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q))
        return;
    survey.Questions[q].Text = JoinQuestionText(QuesText[0]->text(), QuesText[1]->text(), QuesText[2]->text());
    fillQuestionRows();
}

void frmQuestion::ChoiceText_LostFocus()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    if (!realChoice(q, c))
        return;
    survey.Choices(q, c).Text = ChoiceText->text();
    refreshChoiceRow(q, c);
}

void frmQuestion::InsertQuestion_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    SampleTable& samples = ProgramWorkspace().samples;
    const Integer q = CurrentQuestion();
    if (survey.QuestionCount >= MaxQuestions) {
        MsgBox(QStringLiteral("これ以上質問は作れません"), vbExclamation);
        return;
    }
    if (!ConfirmSampleChange())
        return;
    QString text;
    if (!InputBoxEx(QStringLiteral("挿入する質問の選択肢数"), QStringLiteral("選択肢数="),
                    QStringLiteral("1～127,｢無回答｣を数えない"),
                    QStringLiteral("すでにある質問をコピーする時は何も入力せずにOKを押してください"), text))
        return;
    Integer style = 0;
    if (text.isEmpty()) {
        Integer source = QBoxSelect(survey, QStringLiteral("どの質問をコピーしますか"), 0);
        if (source < 0)
            return;
        markChanged(true);
        ShiftStructure(survey, *edit_, q, -1, +1);
        if (source >= q)
            ++source;
        survey.Questions[q] = survey.Questions[source];
        for (Integer c = 0; c < ChoiceCountOf(source); ++c)
            survey.Choices(q, c) = survey.Choices(source, c);
        survey.QuestionLimit[q] = survey.QuestionLimit[source];
        style = survey.Questions[q].CodeStyle;
    } else {
        const std::optional<Integer> count = NewChoiceCount(text);
        if (!count)
            return;
        markChanged(true);
        ShiftStructure(survey, *edit_, q, -1, +1);
        style = MakeNewQuestion(survey, q, *count);
    }
    fillQuestionRows();
    applyCodeStyle(style);
    selectQuestion(q);
    if (SampleCount(samples) >= 1)
        MsgBox(QStringLiteral("お知らせ\r\n")
                   + QStringLiteral("　既に入力してあるサンプルの新しい質問での回答は全員『(0)無回答』になります。"),
               vbInformation);
    QuesText[0]->setFocus();
}

void frmQuestion::DeleteQuestion_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || survey.QuestionCount == 1)
        return;
    if (MsgBox(AskDelete, vbOKCancel | vbExclamation) != vbOK || !ConfirmSampleChange())
        return;
    markChanged(true);
    ShiftStructure(survey, *edit_, q, -1, -1);
    fillQuestionRows();
    selectQuestion(q);
}

bool frmQuestion::InsertChoice_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    if (!realQuestion(q) || c < 1 || c > ChoiceCountOf(q) || ChoiceCountOf(q) >= MaxChoices)
        return false;
    if (!ConfirmSampleChange())
        return false;
    markChanged(true);
    ++survey.Questions[q].ChoiceCount;
    ShiftStructure(survey, *edit_, q, c, +1);
    survey.Choices(q, c) = ChoiceRec{};
    const Integer style = survey.Questions[q].CodeStyle;
    survey.Questions[q].CodeStyle = 0;
    fillQuestionRows();
    applyCodeStyle(style);
    selectQuestion(q);
    lstCno->setCurrentRow(c);
    return true;
}

void frmQuestion::DeleteChoice_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    if (!realChoice(q, c) || ChoiceCountOf(q) == 2)
        return;
    if (MsgBox(AskDelete, vbOKCancel | vbExclamation) != vbOK || !ConfirmSampleChange())
        return;
    markChanged(true);
    --survey.Questions[q].ChoiceCount;
    ShiftStructure(survey, *edit_, q, c, -1);
    fillQuestionRows();
    selectQuestion(q);
    lstCno->setCurrentRow(c);
}

void frmQuestion::lblQLimit_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!ConfirmSampleChange())
        return;
    Condition work{};
    Integer pos = 0;
    ClearCondition(work, pos);
    AppendCondition(work, pos, survey.QuestionLimit, q);
    work[static_cast<size_t>(pos)].KindRank = 0;
    windows().editLimit(work, LimitEditMode::WithoutStoredLimits);
    markChanged(false);
    StoreCondition(work, survey.QuestionLimit, q);
    LimitDepths(survey);
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::cmdDirUp_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || !ConfirmSampleChange())
        return;
    markChanged(false);
    Integer parent = 0;
    Integer choice = 0;
    SplitQC(survey.QuestionLimit[q][1].Code, parent, choice);
    CopyParentLimit(survey, parent, q);
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::cmdDirDown_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || q < 1)
        return;
    const auto depth = [&survey](Integer question) { return survey.QuestionLimit[question][0].KindRank; };
    if (depth(q - 1) - depth(q) == 1) {
        if (!ConfirmSampleChange())
            return;
        CopyParentLimit(survey, static_cast<Integer>(q - 1), q);
    } else if (q < survey.QuestionCount - 1 && depth(q + 1) - depth(q) == 1) {
        if (!ConfirmSampleChange())
            return;
        CopyParentLimit(survey, static_cast<Integer>(q + 1), q);
    } else {
        const Condition setAside = survey.QuestionLimit[q];
        Integer pos = 0;
        ClearCondition2(survey.QuestionLimit, q, pos);
        lblQLimit_Click();
        if (survey.QuestionLimit[q][1].KindRank == 0)
            survey.QuestionLimit[q] = setAside;
    }
    markChanged(false);
    fillQuestionRows();
    selectQuestion(q);
}

void frmQuestion::cmdAuto_Click()
{
    if (!ConfirmSampleChange())
        return;
    const QPointer<frmAutoQ> dialog = &Forms::instance<frmAutoQ>();
    dialog->setTarget(lblAuto, lstCno);
    autoInsertRefused_ = false;
    dialog->showModal();
    if (dialog)
        Forms::unload(*dialog);
}

void frmQuestion::lblAuto_Change(const QString& caption)
{
    // Once an insert is refused, the rest of the pasted lines would only
    // overwrite existing choices.
    if (caption.isEmpty() || autoInsertRefused_)
        return;
    if (!InsertChoice_Click()) {
        autoInsertRefused_ = true;
        return;
    }
    ChoiceText->setText(caption);
    ChoiceText_LostFocus();
    if (lstCno->count() < MaxChoices + 1)
        lstCno->setCurrentRow(lstCno->currentRow() + 1);
}

void frmQuestion::cmdDo_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    QuesText_LostFocus();
    ChoiceText_LostFocus();
    if (MsgBox(FinishConfirmation(survey, !lblChanged->isHidden()), vbOKCancel | vbInformation) != vbOK)
        return;
    if (edit_->changed && !AskCheckOptions())
        return;
    Frame1->hide();
    const FinishResult result = FinishStructureEdit(ProgramWorkspace(), *edit_);
    Frame1->show();
    if (result == FinishResult::TooLarge)
        return;
    if (result == FinishResult::Stopped) {
        // The structure at opening is back in the tables; editing goes on
        // with the edited one.
        SaveRestoreStructure(survey, *edit_, 0, true);
        return;
    }
    finished_ = true;
    hide();
}

void frmQuestion::AssignEssayCodes(Integer q, Integer c, EssayCoding mode)
{
    const HourglassScope hourglass;
    Frame1->hide();
    kz::AssignEssayCodes(ProgramWorkspace(), q, c, mode, [this](const QString&, float ratio) {
        cmdDo->setText(QString::number(qRound(ratio * 100)) + u'%');
        QCoreApplication::processEvents();
        return cmdCancel->isEnabled();
    });
    Frame1->show();
    cmdDo->setText(QStringLiteral("終了(&X)"));
    cmdCancel->setEnabled(true);
}

void frmQuestion::cmdCancel_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    if (Frame1->isHidden()) {
        // Coding is running: a stop leaves the texts coded so far.
        if (MsgBox(QStringLiteral("中止しますか？"), vbOKCancel | vbExclamation | vbDefaultButton2) == vbOK)
            cmdCancel->setEnabled(false);
        return;
    }
    if (MsgBox(QStringLiteral("今までの変更はコード再割り当て以外すべて取り消されます。いいですか？"),
               vbOKCancel | vbExclamation)
        != vbOK)
        return;
    SaveRestoreStructure(survey, *edit_, 1, true);
    hide();
}

}  // namespace kz
