// Where the reply text of a sample breaks into lines: a line can begin at
// any answer slot, each line may run the external process when the reply
// reaches it, and the external process is named here. Every edit acts on
// the questionnaire at once. Shown modally.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <vector>

#include "reply/paragraph_table.h"
#include "widgets/kz_form.h"

namespace kz {

class frmParagraph : public widgets::KzForm {
    Q_OBJECT
public:
    frmParagraph();

    QListWidget* lstLLocate;
    QPushButton* cmdInsert;
    QPushButton* cmdRemove;
    QCheckBox* chkExeDLL;
    QLineEdit* txtDLL;
    QPushButton* cmdTest;
    QPushButton* cmdClose;
    QLabel* Label3;
    std::array<QLabel*, 2> Label2;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    // Rebuilds the list from the tables, selecting `row`.
    void fillList(int row);
    // The selected row, or nullptr.
    const ParagraphRow* selectedRow() const;
    void rowSelected();
    void insertBreak();
    void removeBreak();
    void flagLine(bool runs);
    void testProcess();

    std::vector<ParagraphRow> rows_;
};

}  // namespace kz
