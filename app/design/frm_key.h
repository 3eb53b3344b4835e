// The questionnaire owner's lock: a level says what others may do with the
// loaded questionnaire, Lock applies it, Unlock with the password lifts it,
// and the password can be changed. Level and password are saved with the
// questionnaire. Loaded at start-up and kept loaded; its frames follow the
// lock state of the document.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "widgets/kz_form.h"

namespace kz {

class frmKey : public widgets::KzForm {
    Q_OBJECT
public:
    frmKey();

    QGroupBox* LockF;
    // "見るのも変えるのも自由", "見るだけ", "見ることもできない".
    std::array<QRadioButton*, 3> LV;
    QPushButton* Lock;
    QGroupBox* UnlockF;
    QLineEdit* Word;
    QPushButton* Unlock;
    QGroupBox* ChangeF;
    QLineEdit* NewWord;
    QPushButton* ChangeKey;
    QPushButton* Close;

protected:
    void formLoad() override;
    void formQueryClose(bool& cancel) override;

private:
    void buildControls();
    void showLockState();
    void chooseLevel(int level);
    void unlock();
    void changeKey();
};

}  // namespace kz
