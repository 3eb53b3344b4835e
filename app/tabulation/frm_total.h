// The tabulation request window: the user states a request on one of two
// pages (coded answers, free texts), and a result sheet runs it. The window
// keeps a working copy of the request; a result sheet that is activated
// hands its own request back, so the window shows the request of the sheet
// in front.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>

#include <array>

#include "model/total_option.h"
#include "shell/guarded_sheet.h"
#include "tabulation/free_text_condition.h"
#include "widgets/click_label.h"
#include "widgets/kz_form.h"

namespace kz {

class frmTotal : public widgets::KzForm {
    Q_OBJECT
public:
    frmTotal();

    // The result sheet the window drives; nullptr once it is closed (the
    // next "更新" then starts a new one).
    widgets::KzForm* ParentGrid() const { return parentGrid_.get(); }
    void setParentGrid(widgets::KzForm& sheet) { parentGrid_.set(sheet); }

    // A new result sheet runs the request of page 1 (mode 1) or page 2 (any
    // other mode).
    void DoTotal(Integer mode);
    // 1 or 2 shows that page; any other value does nothing.
    void SetWindow(Integer tab);
    // `option` into the working copy and the controls.
    void SetTotalOption(const TotalOptionRec& option);

    QLineEdit* txtNname;
    QTabBar* tabTotal;
    QStackedWidget* pages;
    std::array<QWidget*, 2> frameTotal{};
    // The overall condition, on either page; clicking one edits it.
    std::array<widgets::ClickLabel*, 2> lblExLimit{};

    // Page 1: coded answers.
    QComboBox* cmbQno;
    QComboBox* cmbToQno;
    QComboBox* cmbRank;
    QCheckBox* chkRough;
    std::array<QRadioButton*, 3> optCross{};
    QComboBox* cmbXQno;
    // One line per individual condition, then "以上↑".
    QListWidget* lstLimit;
    QPushButton* cmdAddLimit;
    QPushButton* cmdChangeLimit;
    QPushButton* cmdDelLimit;
    // 0 and 2 "更新", 1 and 3 "新規作成"; 0 and 1 on page 1.
    std::array<QPushButton*, 4> cmdTotal{};

    // Page 2: free texts.
    QComboBox* cmbEQno;
    QComboBox* cmbECno;
    QComboBox* cmbERank;
    QCheckBox* chkRequire;
    QGroupBox* frameELimit;
    QGroupBox* Frame1;
    // By the criterion each selects (FreeTextCriterion 0 to 5).
    std::array<QRadioButton*, 6> optCon{};
    widgets::ClickLabel* lblCon;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void buildControls();
    QWidget* buildCodedPage();
    QWidget* buildFreeTextPage();
    void connectControls();

    void questionChosen();
    void freeTextQuestionChosen();
    void showColumns(int line);
    // Shows the way the columns were made and the columns, `line` selected.
    void showCross(Integer mode, int line);
    // The columns made anew that way.
    void selectCross(Integer mode);
    void crossClicked(Integer mode);
    void addLimit();
    void changeLimit();
    void deleteLimit();
    void editOverallCondition(widgets::ClickLabel* label);
    void showOverallCondition();
    void criterionClicked(Integer criterion);
    void askCriterion();
    void showCriterion();
    Integer textCriterion() const;

    void submit(bool coded, bool newSheet);
    TotalOptionRec codedRequest() const;
    TotalOptionRec freeTextRequest() const;

    TotalOptionRec work_;
    FreeTextCondition freeText_;
    Integer crossMode_ = 2;
    GuardedSheet<widgets::KzForm> parentGrid_;
};

}  // namespace kz
