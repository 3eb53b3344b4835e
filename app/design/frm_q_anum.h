// How many answers one question allows. The question editor shows it
// modally for its current question and reads the number back after it
// closes; closing it in any way applies the number shown.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "runtime/vbtypes.h"
#include "widgets/kz_form.h"
#include "widgets/spin_button.h"

namespace kz {

class frmQAnum : public widgets::KzForm {
    Q_OBJECT
public:
    frmQAnum();

    // Question q (0-based) allowing maxAnswers answers; the spin control
    // starts from that number.
    void setQuestion(Integer q, Integer maxAnswers);
    // The number shown.
    Integer answerCount() const;

    QLabel* lblQno;
    QLabel* lblQAnum;
    QLabel* Label1;
    widgets::SpinButton* UpDown1;
    QPushButton* cmdAll;
    QPushButton* cmdClose;

protected:
    void formLoad() override;

private:
    Integer GetQno() const;
    void showCount(Integer count);
};

}  // namespace kz
