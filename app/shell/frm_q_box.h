// Choosing one question, or several, of the questionnaire.
#pragma once

#include <QLabel>
#include <QList>
#include <QListWidget>
#include <QPushButton>

#include <array>

#include "runtime/vbtypes.h"
#include "widgets/kz_form.h"

namespace kz {

class frmQBox : public widgets::KzForm {
    Q_OBJECT
public:
    frmQBox();

    QLabel* lblInfo;
    // 0: one question; 1: several.
    std::array<QListWidget*, 2> lstQno;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void formLoad() override;
};

// Shows the list of questions from `first` on: the chosen question's number,
// or -1 for Cancel, Esc, the frame's close, or no line selected.
Integer RunQBox(const QString& prompt, Integer first);
// Shows the list of all questions, several selectable: chosen[q] for each
// question; false for Cancel, Esc or the frame's close.
bool RunQBoxMany(const QString& prompt, QList<bool>& chosen);

}  // namespace kz
