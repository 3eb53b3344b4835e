// The limit editor at work: choosing a question, writing, showing, deleting
// and clearing rows, choosing the stored limit to edit, and closing.
#include <QSignalBlocker>

#include <algorithm>
#include <array>

#include "host/ui_seam.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "shell/program_state.h"
#include "tabulation/frm_limit.h"
#include "texts/choice_texts.h"
#include "texts/condition_texts.h"

namespace kz {

void frmLimit::ShowQuestionChoices()
{
    const Survey& survey = ProgramWorkspace().survey;
    const int q = lstQno->currentRow();
    const QSignalBlocker choices(lstCno);
    const QSignalBlocker ranks(cmbRank);
    lstCno->clear();
    cmbRank->clear();
    if (q < 0)
        return;
    const QuestionRec& question = survey.Questions[static_cast<size_t>(q)];
    for (Integer c = 0; c < question.ChoiceCount; ++c)
        lstCno->addItem(ChoiceLabel(survey, static_cast<Integer>(q), c, true, true));
    // Choice 1, the first the user gave; "無回答" stays a click away.
    lstCno->setCurrentRow(question.ChoiceCount > 1 ? 1 : 0);
    cmbRank->addItem(QStringLiteral("順位不問"));
    for (Integer n = 1; n <= question.MaxAnswers; ++n)
        cmbRank->addItem(QString::number(n) + QStringLiteral("位で回答"));
    cmbRank->setCurrentIndex(0);
}

void frmLimit::ShowLimitRows(int line)
{
    const Survey& survey = ProgramWorkspace().survey;
    const QSignalBlocker blocker(lstLimit);
    lstLimit->clear();
    if (editing_.givenCondition)
        lstLimit->addItem(QStringLiteral("さらに加える条件↓"));
    else
        lstLimit->addItem(QStringLiteral("限定条件その")
                          + (editing_.storedLimit ? QString::number(*editing_.storedLimit) : QString())
                          + QStringLiteral("↓"));
    const int rows = LimitRowCount(editing_.rows);
    for (int i = 1; i <= rows; ++i)
        lstLimit->addItem(LimitRowText(survey, editing_.rows, static_cast<Integer>(i)));
    lstLimit->addItem(QStringLiteral("↑以上"));
    lstLimit->setCurrentRow(std::clamp(line, 0, rows + 1));
}

void frmLimit::WriteLimitRow(Integer kind)
{
    const int q = lstQno->currentRow();
    const int c = lstCno->currentRow();
    if (q < 0 || c < 0) {
        Beep();
        return;
    }
    const LimitRowRequest request{kind, static_cast<Integer>(q), static_cast<Integer>(c),
                                  static_cast<Integer>(std::max(cmbRank->currentIndex(), 0))};
    const LimitRowWrite write = kz::WriteLimitRow(ProgramWorkspace(), editing_, lstLimit->currentRow(), request);
    if (write.rankReset)
        cmbRank->setCurrentIndex(0);
    if (!write.written)
        return;
    // The line that was selected moves down with the rows, so the next row
    // is written behind this one.
    ShowLimitRows(write.line + 1);
    showStoredLimitText();
}

void frmLimit::showRow(int line)
{
    if (line < 1 || line > LimitRowCount(editing_.rows))
        return;
    const LimitItem& row = editing_.rows[static_cast<size_t>(line)];
    Integer q = 0;
    Integer c = 0;
    SplitQC(row.Code, q, c);
    if (q >= lstQno->count())
        return;
    {
        const QSignalBlocker blocker(lstQno);
        lstQno->setCurrentRow(q);
    }
    ShowQuestionChoices();
    lstCno->setCurrentRow(c);
    cmbRank->setCurrentIndex(LimitRankOf(row) < cmbRank->count() ? LimitRankOf(row) : 0);
}

void frmLimit::deleteRow()
{
    const int line = lstLimit->currentRow();
    if (kz::DeleteLimitRow(ProgramWorkspace(), editing_, line) == 0)
        return;
    ShowLimitRows(line);
    showStoredLimitText();
}

void frmLimit::clearRows()
{
    kz::ClearLimitRows(ProgramWorkspace(), editing_);
    ShowLimitRows(1);
    showStoredLimitText();
}

void frmLimit::chooseStoredLimit(int limit)
{
    if (limit < 0 || limit >= StoredLimitCount)
        return;
    SelectStoredLimit(ProgramWorkspace(), editing_, static_cast<Integer>(limit));
    lblPreLimit->setText(QString::number(limit));
    ShowLimitRows(LimitRowCount(editing_.rows) + 1);
}

void frmLimit::showStoredLimitText()
{
    const Survey& survey = ProgramWorkspace().survey;
    if (editing_.givenCondition || !editing_.storedLimit)
        return;
    const auto limit = static_cast<size_t>(*editing_.storedLimit);
    lstPreLimit->item(static_cast<int>(limit))->setText(ConditionText(survey, survey.LimitTable[limit], true));
}

void frmLimit::closeEditor()
{
    if (editing_.givenCondition) {
        std::array<bool, StoredLimitCount> required{};
        for (int limit = 0; limit < StoredLimitCount; ++limit)
            required[static_cast<size_t>(limit)] = lstPreLimit->item(limit)->isSelected();
        accepted_ = AcceptedCondition(editing_, HeadMask(required));
    } else {
        // Nothing may be clicked while the flags are recomputed; the close
        // button's caption shows how far they are.
        setEnabled(false);
        ApplyChangedLimits(ProgramWorkspace(), editing_, [this](const QString& percent) {
            cmdClose->setText(percent);
            cmdClose->repaint();
        });
        editing_.changed = {};
        setEnabled(true);
    }
    hide();
}

}  // namespace kz
