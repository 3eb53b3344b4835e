// The question editor's attribute rules: symbol sets, choice attributes with
// their quantity bounds and code tables, the "other" mark, answers allowed.
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include "design/choice_entry.h"
#include "design/frm_q_anum.h"
#include "design/frm_question.h"
#include "design/question_rules.h"
#include "document/cmd_box.h"
#include "model/document.h"
#include "model/survey.h"
#include "model/useful.h"
#include "runtime/cp932.h"
#include "runtime/val.h"
#include "shell/program_state.h"
#include "texts/choice_texts.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

// The symbol set chosen for the current question, kept only when its
// choices fit it.
void frmQuestion::applyCodeStyle(Integer style)
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q))
        return;
    survey.Questions[q].CodeStyle = FittingCodeStyle(style, ChoiceCountOf(q));
}

void frmQuestion::optChr_Click(int index)
{
    const Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || survey.Questions[q].CodeStyle == index)
        return;
    applyCodeStyle(static_cast<Integer>(index));
    selectQuestion(q);
}

void frmQuestion::chkStatus_Click(int index)
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    const Integer c = CurrentChoice();
    const auto bit = static_cast<Integer>(index);
    const bool ticked = chkStatus[static_cast<size_t>(index)]->isChecked();
    if (!realChoice(q, c) || ticked == (ChoiceHasAttr(survey, q, c, bit) != 0))
        return;
    if (bit == AttrEssay || bit == AttrExclusive) {
        if (!ConfirmSampleChange()) {
            if (bit == AttrEssay && ticked) {
                setBox(AttrQuantity, false);
                setBox(AttrCoded, false);
            }
            setBox(index, !ticked);
            return;
        }
        markChanged(false);
    }
    ToggleChoiceAttr(survey, q, c, bit);
    if (bit == AttrEssay && !ticked) {
        setBox(AttrQuantity, false);
        setBox(AttrCoded, false);
    }
    if ((bit == AttrQuantity || bit == AttrCoded) && ticked) {
        setBox(AttrEssay, true);
        // Declined at the sample question: the box was set back.
        if (ChoiceHasAttr(survey, q, c, bit) == 0) {
            refreshChoiceRow(q, c);
            return;
        }
    }
    if (bit == AttrQuantity && ticked) {
        setBox(AttrCoded, false);
        askQuantityBounds(q, c);
    }
    if (bit == AttrCoded && ticked) {
        setBox(AttrQuantity, false);
        chooseCodeTable(q, c);
    }
    if (bit == AttrCoded && !ticked) {
        survey.Choices(q, c).CodeFile.clear();
        if (!lblChanged->isHidden())
            MsgBox(QStringLiteral("コードを消すのは要回答チェックが表示されていない時だけ出来ます。"));
        else if (MsgBox(QStringLiteral("コ－ドを消しますか？"), vbYesNo) == vbYes)
            AssignEssayCodes(q, c, EssayCoding::RemoveCodes);
    }
    if (bit == AttrOther && ticked)
        offerOtherSwap(q, c);
    refreshChoiceRow(q, c);
}

void frmQuestion::askQuantityBounds(Integer q, Integer c)
{
    Survey& survey = ProgramWorkspace().survey;
    ChoiceRec& choice = survey.Choices(q, c);
    QString text = QString::number(choice.Low);
    if (InputBoxEx(QStringLiteral("数量の条件"), QStringLiteral("最小値は"), {}, {}, text))
        choice.Low = Val(text);
    text = QString::number(choice.High);
    if (InputBoxEx(QStringLiteral("数量の条件"), QStringLiteral("最大値は"),
                   QString::number(choice.Low) + QStringLiteral("～"), {}, text))
        choice.High = Val(text);
    std::tie(choice.Low, choice.High) = OrderedBounds(choice.Low, choice.High);
}

void frmQuestion::chooseCodeTable(Integer q, Integer c)
{
    Survey& survey = ProgramWorkspace().survey;
    SampleTable& samples = ProgramWorkspace().samples;
    DocumentState& document = ProgramWorkspace().document;
    const QString path = FileDialog({}, QStringLiteral("全てのﾌｧｲﾙ|*.*|"), OpenDialog);
    if (path.isEmpty())
        return;
    QString name = path;
    if (PathFolder(path) == PathFolder(document.CurrentFilePath)
        && MsgBox(QStringLiteral("コード表ﾌｧｲﾙは常にアンケートファイルと同じディレクトリに在るとしますか？"), vbYesNo)
               == vbYes)
        name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(QStringLiteral("コード表ファイルを読めません : ") + path, vbExclamation);
        return;
    }
    const QStringList lines = TextLines(FromCp932(file.readAll()));
    if (const std::optional<QString> bad = InvalidCodeTableLine(lines)) {
        MsgBox(QStringLiteral("コード表として使えるファイルになっていません : ") + *bad);
        return;
    }
    survey.Choices(q, c).CodeFile = name;
    if (SampleCount(samples) < 1)
        return;
    if (edit_->changed) {
        MsgBox(QStringLiteral("既にある記述回答に対する割り付けは要回答チェックが表示されていない時だけ出来ます。"));
        return;
    }
    const Integer answer = AskBox(
        QStringLiteral("既にある記述回答に対して割り付けしますか？　コードを見て割り付けするか単語を見て割り付け"
                       "するか選べます。ｷｬﾝｾﾙを選ぶと割り付けをしません。"),
        QStringLiteral("この操作は後でキャンセル出来ません。"), QStringLiteral("コードを見て割り付け"),
        QStringLiteral("単語を見て割り付け"));
    if (answer == 1)
        AssignEssayCodes(q, c, EssayCoding::ByCode);
    else if (answer == 2)
        AssignEssayCodes(q, c, EssayCoding::ByWord);
}

void frmQuestion::offerOtherSwap(Integer q, Integer c)
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer k = FindOtherChoice(survey, q, c);
    if (k < 0)
        return;
    if (MsgBox(QStringLiteral("その他選択肢は通常１つの質問につき１つです。今まで")
                   + ChoiceLabel(survey, q, k, true, false) + QStringLiteral("がその他選択肢でしたが、交替しますか"),
               vbYesNo)
        == vbYes) {
        survey.Choices(q, k).Attr = static_cast<Integer>(survey.Choices(q, k).Attr & ~BitMaskI[AttrOther]);
        refreshChoiceRow(q, k);
    }
}

void frmQuestion::cmdAllMulti_Click()
{
    for (int c = 1; c < ChoiceCountOf(CurrentQuestion()); ++c) {
        lstCno->setCurrentRow(c);
        setBox(AttrMultiple, true);
    }
}

void frmQuestion::cmdQAnum_Click()
{
    Survey& survey = ProgramWorkspace().survey;
    const Integer q = CurrentQuestion();
    if (!realQuestion(q) || !ConfirmSampleChange())
        return;
    const QPointer<frmQAnum> dialog = &Forms::instance<frmQAnum>();
    dialog->setQuestion(q, survey.Questions[q].MaxAnswers);
    dialog->showModal();
    markChanged(false);
    if (dialog) {
        survey.Questions[q].MaxAnswers = dialog->answerCount();
        Forms::unload(*dialog);
    }
    fillQuestionRows();
    selectQuestion(q);
}

}  // namespace kz
