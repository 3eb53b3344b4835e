// The questionnaire's questions as a tree, and the selected question with
// all its choices as text: copied from here, written to a text file for a
// range of questions, or the whole structure exported as text data.
// Modeless.
#pragma once

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/kz_form.h"

namespace kz {

class frmTable : public widgets::KzForm {
    Q_OBJECT
public:
    frmTable();

    QListWidget* lstQno;
    QPlainTextEdit* txtChoice;
    QPushButton* cmdClose;

    QMenuBar* menuBar;
    QMenu* mnuFile;
    QAction* mnuOutput;
    QAction* mnuOutputQuestion;
    QAction* mnuClose;
    QMenu* mnuEdit;
    QAction* mnuListQuesCopy;
    QMenu* mnuHelp;
    QAction* mnuHelpContent;
    QAction* mnuHelpContext;
    QAction* mnuHelpKeyword;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void buildMenus();
    void showQuestion(int q);
    void copySelection();
    void writeQuestionTexts();
    void exportQuestionnaire();
};

}  // namespace kz
