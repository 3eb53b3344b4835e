// One line of text, with a name, a range and a caution line.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/kz_form.h"

namespace kz {

class frmInput : public widgets::KzForm {
    Q_OBJECT
public:
    frmInput();

    QLabel* lblName;
    QLabel* lblRange;
    QLabel* lblCaution;
    QLineEdit* txtInput;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows the box. OK: true and `text` = the typed text; Cancel, Esc or the
// frame's close: false, `text` untouched.
bool RunInputBox(const QString& title, const QString& name, const QString& range, const QString& caution,
                 QString& text);

}  // namespace kz
