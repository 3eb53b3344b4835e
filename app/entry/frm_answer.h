// One sample's answers as readable text, question by question. Opened
// modeless from the entry window and for a sample picked in a result sheet;
// callers write the questions to show (lblEndQno) and the sample's position
// (lblDno, empty to have it found), then the ID into the command label
// lblIDno, first empty so that the same ID rebuilds too.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "runtime/vbtypes.h"
#include "widgets/command_label.h"
#include "widgets/kz_form.h"

namespace kz {

class frmAnswer : public widgets::KzForm {
    Q_OBJECT
public:
    frmAnswer();

    // Has the window show the sample at position `dno` (as text; empty: found
    // by the ID) with ID `idText`, counting questions up to below `endQno`,
    // through its labels as every caller drives it. All empty: no sample.
    void showSample(const QString& endQno, const QString& dno, const QString& idText);

    QPlainTextEdit* txtAnswer;
    QCheckBox* chkQ;
    QPushButton* cmdChangeFromQ;
    QPushButton* cmdCLose;
    QLabel* lblFromQ;
    QLabel* lblEndQno;
    QLabel* lblDno;
    CommandLabel* lblIDno;
    QLabel* Label1;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void rebuild();
    void changeFromQ();

    // The first question shown.
    Integer FromQ = 0;
};

}  // namespace kz
