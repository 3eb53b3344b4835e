// The tabulation request window's work: the columns and the overall
// condition, the free-text criteria, submitting a request to a result sheet
// and loading one back.
#include "model/survey.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "tabulation/frm_total.h"
#include "tabulation/request_columns.h"
#include "tabulation/total_request.h"
#include "texts/condition_texts.h"

namespace kz {

namespace {

// Selects `index` when the list holds it; otherwise the list keeps its
// selection.
void SelectIndex(QComboBox* list, int index)
{
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

// No option of the group checked.
void ClearOptions(const std::array<QRadioButton*, 6>& options, Integer from, Integer to)
{
    for (Integer i = from; i <= to; ++i) {
        options[i]->setAutoExclusive(false);
        options[i]->setChecked(false);
        options[i]->setAutoExclusive(true);
    }
}

}  // namespace

void frmTotal::questionChosen()
{
    const Survey& survey = ProgramWorkspace().survey;
    cmbToQno->setCurrentIndex(cmbQno->currentIndex());
    cmbRank->clear();
    const Integer q = static_cast<Integer>(cmbQno->currentIndex());
    cmbRank->addItems(RankList(q >= 0 ? survey.Questions[q].MaxAnswers : 0));
    cmbRank->setCurrentIndex(0);
}

void frmTotal::freeTextQuestionChosen()
{
    const Survey& survey = ProgramWorkspace().survey;
    const Integer q = static_cast<Integer>(cmbEQno->currentIndex());
    cmbECno->clear();
    cmbERank->clear();
    if (q < 0)
        return;
    cmbECno->addItems(ChoiceSelectorList(survey, q));
    cmbECno->setCurrentIndex(cmbECno->count() - 1);
    cmbERank->addItems(RankList(survey.Questions[q].MaxAnswers));
    cmbERank->setCurrentIndex(0);
}

void frmTotal::showColumns(int line)
{
    const Survey& survey = ProgramWorkspace().survey;
    lstLimit->clear();
    lstLimit->addItems(ColumnLines(survey, work_));
    lstLimit->setCurrentRow(std::clamp(line, 0, lstLimit->count() - 1));
}

void frmTotal::showCross(Integer mode, int line)
{
    crossMode_ = mode;
    optCross[mode]->setChecked(true);
    showColumns(line);
}

void frmTotal::selectCross(Integer mode)
{
    const Survey& survey = ProgramWorkspace().survey;
    ResetColumns(work_);
    if (mode == 0)
        CrossByQuestion(work_, survey, static_cast<Integer>(cmbXQno->currentIndex()));
    else if (mode == 1)
        CrossByStoredLimits(work_, survey);
    showCross(mode, 0);
}

void frmTotal::crossClicked(Integer mode)
{
    // Choosing the way the columns are made starts them anew; the way
    // already chosen keeps the user's columns.
    if (mode != crossMode_)
        selectCross(mode);
}

void frmTotal::addLimit()
{
    if (!ColumnRoomLeft(work_))
        return;
    Condition cond{};
    windows().editLimit(cond, LimitEditMode::WithStoredLimits);
    const int line = lstLimit->currentRow();
    InsertColumn(work_, line, cond);
    // The line that was selected stays selected, one further down.
    showCross(2, line < 0 ? work_.LimitCount : line + 1);
}

void frmTotal::changeLimit()
{
    const int line = lstLimit->currentRow();
    if (!IsColumnLine(work_, line))
        return;
    windows().editLimit(work_.Limits[static_cast<size_t>(line + 1)], LimitEditMode::WithStoredLimits);
    // An edited column is the user's own, also in a cross.
    showCross(2, line);
}

void frmTotal::deleteLimit()
{
    const int line = lstLimit->currentRow();
    if (DeleteColumn(work_, line))
        showCross(2, line);
}

void frmTotal::editOverallCondition(widgets::ClickLabel* label)
{
    label->setAutoFillBackground(false);
    windows().editLimit(work_.Limits[0], LimitEditMode::WithStoredLimits);
    label->setAutoFillBackground(true);
    showOverallCondition();
}

void frmTotal::showOverallCondition()
{
    const Survey& survey = ProgramWorkspace().survey;
    const QString text = ConditionText(survey, work_.Limits[0], false);
    for (widgets::ClickLabel* label : lblExLimit) {
        label->setText(text);
        label->setToolTip(text);
    }
}

Integer frmTotal::textCriterion() const
{
    for (Integer criterion = TextContains; criterion <= CodeBetween; ++criterion)
        if (optCon[criterion]->isChecked())
            return criterion;
    return AnyAnswer;
}

void frmTotal::criterionClicked(Integer criterion)
{
    if (criterion >= TextContains && criterion <= CodeBetween)
        askCriterion();
    else
        Frame1->setEnabled(criterion == WithText);
}

void frmTotal::askCriterion()
{
    AskFreeTextCondition(freeText_, textCriterion());
    showCriterion();
}

void frmTotal::showCriterion() { lblCon->setText(FreeTextConditionText(freeText_, textCriterion())); }

TotalOptionRec frmTotal::codedRequest() const
{
    CodedRequestPage page;
    page.title = txtNname->text();
    page.question = static_cast<Integer>(cmbQno->currentIndex());
    page.toQuestion = static_cast<Integer>(cmbToQno->currentIndex());
    page.rank = static_cast<Integer>(std::max(cmbRank->currentIndex(), 0));
    page.rough = chkRough->isChecked();
    page.crossMode = crossMode_;
    page.crossQuestion = static_cast<Integer>(cmbXQno->currentIndex());
    return CodedRequest(work_, page);
}

TotalOptionRec frmTotal::freeTextRequest() const
{
    FreeTextRequestPage page;
    page.title = txtNname->text();
    page.question = static_cast<Integer>(cmbEQno->currentIndex());
    page.choice = static_cast<Integer>(cmbECno->currentIndex());
    page.rank = static_cast<Integer>(std::max(cmbERank->currentIndex(), 0));
    page.anyAnswer = chkRequire->isChecked();
    for (Integer criterion : {WithoutText, WithText, NoTextCondition})
        if (optCon[criterion]->isChecked())
            page.answerOption = criterion;
    page.textOption = textCriterion();
    page.values = freeText_;
    return FreeTextRequest(work_, page);
}

void frmTotal::submit(bool coded, bool newSheet)
{
    const TotalOptionRec request = coded ? codedRequest() : freeTextRequest();
    // A closed sheet is never driven: "更新" then starts a new one.
    widgets::KzForm* sheet = newSheet ? nullptr : ParentGrid();
    if (!sheet) {
        sheet = &windows().newResultSheet();
        setParentGrid(*sheet);
    }
    windows().runTotal(*sheet, request);
}

void frmTotal::DoTotal(Integer mode) { submit(mode == 1, true); }

void frmTotal::SetTotalOption(const TotalOptionRec& option)
{
    work_.Limits[0] = option.Limits[0];
    showOverallCondition();
    ResetColumns(work_);
    txtNname->setText(option.Title);
    if (option.Kind == TotalCodedAnswers) {
        if (option.CrossMode == 0) {
            SelectIndex(cmbXQno, option.XQno);
            selectCross(0);
        } else if (option.CrossMode == 1) {
            selectCross(1);
        } else {
            CopyColumns(work_, option);
            showCross(2, 0);
        }
        SetWindow(1);
        SelectIndex(cmbQno, option.Qno);
        questionChosen();
        SelectIndex(cmbToQno, option.ToQno);
        SelectIndex(cmbRank, option.Rank);
        chkRough->setChecked(option.Rough);
    } else if (option.Kind == TotalFreeTexts) {
        showCross(2, 0);
        SetWindow(2);
        SelectIndex(cmbEQno, option.Qno);
        SelectIndex(cmbECno, option.XQno);
        chkRequire->setChecked(option.CrossMode == AnyAnswer);
        if (option.CrossMode >= WithoutText && option.CrossMode <= NoTextCondition) {
            LoadFreeTextCondition(freeText_, option, option.CrossMode);
            ClearOptions(optCon, TextContains, CodeBetween);
            const bool specific = option.CrossMode >= TextContains && option.CrossMode <= CodeBetween;
            optCon[specific ? Integer{WithText} : option.CrossMode]->setChecked(true);
            optCon[option.CrossMode]->setChecked(true);
            Frame1->setEnabled(specific || option.CrossMode == WithText);
            showCriterion();
        }
        SelectIndex(cmbERank, option.Rank);
    }
}

}  // namespace kz
