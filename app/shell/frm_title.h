// The title window: shown while the program starts, and again as the
// version window from the main window's menu, then with its close button.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "widgets/kz_form.h"

namespace kz {

class frmTitle : public widgets::KzForm {
    Q_OBJECT
public:
    frmTitle();

    QLabel* lblName;
    QLabel* lblDescription;
    QLabel* lblVersion;
    QPushButton* cmdClose;
};

// The title window as the version window: modeless, owned by `owner`, with
// its close button.
void ShowVersionWindow(QWidget* owner);

}  // namespace kz
