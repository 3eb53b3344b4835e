// The new-questionnaire wizard: seven pages that offer to save the current
// questionnaire, start a new unnamed document (blank or on the loaded
// questionnaire's structure), open in turn the windows for title and author,
// questions and choices, reply lines and this computer's ID range, and end
// by saving the new data file. Modeless; everything it sets up lives in the
// document itself.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <array>

#include "document/new_questionnaire.h"
#include "runtime/vbtypes.h"
#include "widgets/kz_form.h"

namespace kz {

class frmNew : public widgets::KzForm {
    Q_OBJECT
public:
    static constexpr Integer PageCount = 7;

    frmNew();

    // The page shown.
    Integer WizardStep = 0;

    std::array<QWidget*, PageCount> pctWizard;
    std::array<QLabel*, 6> lblTitle;
    std::array<QLabel*, PageCount> lblTaskTitle;
    std::array<QLabel*, 4> lblChangeOK;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* lblBaseName;
    // Page 3 without the question editor in this build.
    QRadioButton* optNotUse;
    QRadioButton* optUse;
    // 0 "next", 1 "back".
    std::array<QPushButton*, 2> cmdNext;
    QPushButton* Cancel;
    QPushButton* cmdOverView;
    QToolButton* cmdHelpContext;

protected:
    void formLoad() override;

private:
    QWidget* newPage(Integer page);
    QLabel* addLabel(QWidget* page, const QString& name, const QString& caption);
    void buildIntroduction();
    void buildBaseChoice();
    void buildWindowPages();
    void next();
    void back();
    void cancel();
    void showPage(Integer page);
    // Each page's step; false when the wizard stays on its page or ended.
    bool performStep(Integer page);
    bool startNewDocument();
    void chooseStructure();
    bool saveNewQuestionnaire();
    void showBlank();

    // The loaded questionnaire was hidden: there is no structure to offer.
    bool hiddenBase_ = false;
    NewQuestionnaireSteps steps_;
};

}  // namespace kz
