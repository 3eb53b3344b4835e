// The limit editor: a condition written row by row from the question and
// choice lists, either a condition the caller hands in and takes back
// (EditLimit) or the questionnaire's sixteen stored limits, which are changed
// at once and whose sample flags are recomputed when the editor closes
// (EditStoredLimits). Every way of closing it is the close button.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <array>

#include "conditions/limit_editing.h"
#include "shell/window_services.h"
#include "widgets/kz_form.h"

namespace kz {

class frmLimit : public widgets::KzForm {
    Q_OBJECT
public:
    frmLimit();

    QListWidget* lstQno;
    // Row c is choice c, "無回答" first.
    QListWidget* lstCno;
    // Index = rank, 0 any.
    QComboBox* cmbRank;
    // By kind, 1 to 4.
    std::array<QPushButton*, 5> cmdWrite{};
    // The header, one line per row, the footer.
    QListWidget* lstLimit;
    QPushButton* cmdDelete;
    QPushButton* cmdClear;
    // The stored limits a given condition requires.
    QListWidget* lstPreLimit;
    // The stored limit to edit, 0 to 15.
    QListWidget* lstPreEdit;
    // Checked: a given condition is edited. Shows the mode; never changes it.
    QCheckBox* chkExData;
    QPushButton* cmdClose;
    QPushButton* cmdHelpContext;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblCrossInfo;
    // The number of the stored limit edited.
    QLabel* lblPreLimit;

    // Before the window is shown: what it edits.
    void editGivenCondition(const Condition& cond, LimitEditMode mode);
    void editStoredLimits();
    // The given condition as the user closed the editor.
    const Condition& acceptedCondition() const { return accepted_; }

protected:
    void formLoad() override;

private:
    void buildControls();
    void connectControls();

    void ShowQuestionChoices();
    // Rebuilds lstLimit and selects `line` (within the list).
    void ShowLimitRows(int line);
    void WriteLimitRow(Integer kind);
    void showRow(int line);
    void deleteRow();
    void clearRows();
    void chooseStoredLimit(int limit);
    void showStoredLimitText();
    void closeEditor();

    LimitEditing editing_;
    Condition accepted_{};
};

// The limit editor on `cond`, modal; `cond` holds the condition the user
// accepted afterwards.
void EditLimit(Condition& cond, LimitEditMode mode);
// The limit editor on the stored limits, modal; returns once the flags of
// the changed limits are recomputed.
void EditStoredLimits();

}  // namespace kz
