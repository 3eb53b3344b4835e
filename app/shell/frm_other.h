// The questionnaire's password prompt. It stays loaded once used and cannot
// be closed by its frame.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/kz_form.h"

namespace kz {

class frmOther : public widgets::KzForm {
    Q_OBJECT
public:
    frmOther();

    QLabel* Label;
    QLineEdit* Text;
    QPushButton* OK;

protected:
    void formLoad() override;
    void formQueryClose(bool& cancel) override { cancel = true; }
};

// Shows the prompt with an empty text and returns what was typed.
QString AskPasswordText();
// Shows the prompt; true when the typed password equals `expected`, else
// "パスワードが正しくありません" and false.
bool RunPasswordBox(const QString& expected);

}  // namespace kz
