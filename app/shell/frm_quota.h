// This computer's range of sample IDs, so that several computers entering
// answers to one questionnaire never issue the same ID. Shown modally; Do
// (once the range is accepted) and Cancel unload it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/kz_form.h"

namespace kz {

class frmQuota : public widgets::KzForm {
    Q_OBJECT
public:
    frmQuota();

    QLabel* lblRange;
    QLineEdit* txtFrom;
    QLabel* lblFromTo;
    QLineEdit* txtTo;
    QLabel* lblNote;
    QPushButton* Do;
    QPushButton* Cancel;
    QPushButton* cmdHelpContext;

protected:
    void formLoad() override;

private:
    void confirm();
};

// Shows the window modally until it is done.
void AskIDRange();

}  // namespace kz
