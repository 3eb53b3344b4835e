// The question and choice editor: the questionnaire's questions, their
// texts, conditions, hierarchy, answers allowed and symbol sets, and their
// choices with texts and attributes. Edits go straight into the engine's
// tables and are recorded, so that "終了" converts the stored samples to the
// new structure and "キャンセル" (also Esc and the frame's close) brings the
// structure at opening back. Shown modally.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <memory>

#include "design/essay_coding.h"
#include "design/structure_edit.h"
#include "widgets/command_label.h"
#include "widgets/kz_form.h"

namespace kz {

class frmQuestion : public widgets::KzForm {
    Q_OBJECT
public:
    frmQuestion();
    ~frmQuestion() override;

    // Whether the last opening ended by "終了" with the samples converted.
    bool finished() const { return finished_; }

    QListWidget* lstQno;
    QLabel* Label8;
    QLabel* lblQno;
    QPushButton* InsertQuestion;
    QPushButton* DeleteQuestion;
    QLabel* Label1;
    std::array<QLabel*, 3> Label3{};
    std::array<QLineEdit*, 3> QuesText{};
    QLabel* Label6;
    QLabel* lblQLimit;
    QLabel* Label12;
    QPushButton* cmdDirUp;
    QPushButton* cmdDirDown;
    QLabel* Label2;
    QLabel* lblAnum;
    QPushButton* cmdQAnum;
    QLabel* Label5;
    std::array<QRadioButton*, 4> optChr{};
    QFrame* Frame1;
    QFrame* frameChoice;
    QListWidget* lstCno;
    QLabel* Label9;
    QLabel* lblCno;
    QPushButton* InsertChoice;
    QPushButton* DeleteChoice;
    QPushButton* cmdAuto;
    QLabel* Label4;
    QLineEdit* ChoiceText;
    QLabel* Label7;
    std::array<QCheckBox*, 6> chkStatus{};
    QPushButton* cmdAllMulti;
    QPushButton* cmdDo;
    QPushButton* cmdCancel;
    QPushButton* cmdHelpContext;
    QLabel* lblChanged;
    CommandLabel* lblAuto;

protected:
    void formLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildQuestionPart();
    QFrame* buildChoicePart();

    Integer CurrentQuestion() const;
    Integer CurrentChoice() const;
    bool realQuestion(Integer q) const;
    bool realChoice(Integer q, Integer c) const;

    void Form_KeyDown(int key);
    void QuesText_KeyPress(int index);

    void fillQuestionRows();
    void selectQuestion(Integer q);
    void lstQno_Click();
    void lstCno_Click();
    void refreshChoiceRow(Integer q, Integer c);
    void showAnswerCount();
    void applyCodeStyle(Integer style);

    bool ConfirmSampleChange();
    void markChanged(bool numbering);

    void QuesText_LostFocus();
    void ChoiceText_LostFocus();
    void InsertQuestion_Click();
    void DeleteQuestion_Click();
    bool InsertChoice_Click();  // whether a choice was inserted
    void DeleteChoice_Click();
    void chkStatus_Click(int index);
    void askQuantityBounds(Integer q, Integer c);
    void chooseCodeTable(Integer q, Integer c);
    void offerOtherSwap(Integer q, Integer c);
    void AssignEssayCodes(Integer q, Integer c, EssayCoding mode);
    void setBox(int index, bool on);
    void cmdAllMulti_Click();
    void optChr_Click(int index);
    void cmdQAnum_Click();
    void lblQLimit_Click();
    void cmdDirUp_Click();
    void cmdDirDown_Click();
    void cmdAuto_Click();
    void lblAuto_Change(const QString& caption);
    void cmdDo_Click();
    void cmdCancel_Click();
    static Integer ChoiceCountOf(Integer q);

    std::unique_ptr<StructureEdit> edit_;
    bool finished_ = false;
    bool autoInsertRefused_ = false;  // during one bulk entry
};

}  // namespace kz
