// A question with two answers and Cancel.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "runtime/vbtypes.h"
#include "widgets/kz_form.h"

namespace kz {

class frmAsk : public widgets::KzForm {
    Q_OBJECT
public:
    frmAsk();

    QLabel* lblInfo1;
    QLabel* lblInfo2;
    QPushButton* cmdFunc1;
    QPushButton* cmdFunc2;
    QPushButton* cmdCancel;

protected:
    void formLoad() override;
};

// Shows the box: 1 or 2 for the button pressed, 0 for Cancel, Esc or the
// frame's close.
Integer RunAskBox(const QString& text1, const QString& text2, const QString& caption1, const QString& caption2);

}  // namespace kz
