// What the open questionnaire is: its title and author (editable when the
// window is opened for editing), its file, the memory its samples take,
// this computer's ID range, and on request how much typing its samples
// took. Shown modally.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "widgets/kz_form.h"

namespace kz {

struct InputEffort;

class frmAbout : public widgets::KzForm {
    Q_OBJECT
public:
    frmAbout();

    // Opened for reading only, the title and author cannot be changed and
    // there is no Cancel.
    void setEditable(bool editable);

    QLineEdit* txtTitle;
    QLineEdit* txtEditer;
    QLabel* lblFileName;
    QLabel* lblShare;
    QLabel* lblrpnum;
    QLabel* lblUseD;
    QLabel* lblQuotaFrom;
    QLabel* lblQuotaTo;
    QLabel* lblQuotaNow;
    QLabel* lblAnswer;
    QLabel* lblEssay;
    // Under "2ｹﾀ以上", "英文字" and "ｶﾀｶﾅ".
    std::array<QLabel*, 3> lblDiffiSym;
    QPushButton* cmdClose;
    QPushButton* cmdCancel;
    QPushButton* cmdDo;
    QPushButton* cmdDoCancel;
    QPushButton* cmdHelpContext;

protected:
    void formLoad() override;

private:
    QLayout* buildInformation();
    QLayout* buildEffort();
    void confirm();
    void count();
    void cancelCount();
    void showCounters(const InputEffort& effort);
};

}  // namespace kz
