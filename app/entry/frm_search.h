// Adding one answer to one question of every sample a listing sheet lists:
// a given choice with its text, quantity or code, or a copy of the sample's
// answers to another question, shifted or turned into bands.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "document/listed_samples.h"
#include "shell/guarded_sheet.h"
#include "tabulation/answer_addition.h"
#include "widgets/kz_form.h"
#include "widgets/spin_button.h"

namespace kz {

class frmSearch : public widgets::KzForm, private AnswerAdditionWindow {
    Q_OBJECT
public:
    frmSearch();

    // The result sheet whose listed samples receive the answer (nullptr:
    // none); the add buttons work only while it is loaded and lists samples.
    void setParentGrid(widgets::KzForm* sheet);

    QComboBox* cmbQno;
    QComboBox* cmbRank;
    QRadioButton* optSetCno;
    QComboBox* cmbCno;
    QLineEdit* txtAddEssay;
    QRadioButton* optCopyCno;
    QComboBox* cmbAddQno;
    QLineEdit* txtAlpha;
    widgets::SpinButton* UpDown1;
    QCheckBox* chkCopyNum;
    QLineEdit* txtSetNumFrom;
    QLineEdit* txtSetNumCno;
    QLabel* lblSetNumCno;
    std::array<QPushButton*, 2> cmdAdd;
    QPushButton* cmdClose;
    QPushButton* cmdHelpContext;

protected:
    void formLoad() override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void targetChosen();
    void sourceChosen();
    void bandTyped();
    void updateAddButtons();
    void addClicked(bool askEach);
    AnswerAdditionForm form() override;
    void dropBands() override;
    // The samples of the sheet while it is loaded and lists them.
    ListedSamples* listing() const;

    GuardedSheet<widgets::KzForm> ParentGrid;
};

}  // namespace kz
