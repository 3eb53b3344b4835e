// The answer-correction options: how the answer checks repair four kinds of
// faulty answers (the repair bits of survey.CheckOptions).
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "widgets/kz_form.h"

namespace kz {

class frmCollect : public widgets::KzForm {
    Q_OBJECT
public:
    frmCollect();

    // Each pair: option 0 selected when its bit is set, option 1 when clear.
    std::array<QRadioButton*, 2> optNoChoice;
    std::array<QRadioButton*, 2> optNoEssay;
    std::array<QRadioButton*, 2> optExcuse;
    std::array<QRadioButton*, 2> optQLimit;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelpContext;

protected:
    void formLoad() override;
};

// Shows the options set from survey.CheckOptions and takes the four bits back
// from the screen however the box closed (other bits untouched). True for OK;
// false for Cancel, Esc or the frame's close, and the caller then stops.
bool AskCheckOptions();

}  // namespace kz
