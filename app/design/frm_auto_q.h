// Pasted lines of text become new choices of the question editor's current
// question, one line after the other, through the editor's command label.
// Shown modally; Cancel closes it when idle and stops the feeding while it
// runs, leaving the lines not yet fed in the box.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "widgets/command_label.h"
#include "widgets/kz_form.h"

namespace kz {

class frmAutoQ : public widgets::KzForm {
    Q_OBJECT
public:
    frmAutoQ();

    // The editor's command label, each caption of which becomes a choice,
    // and its choice list, whose rows tell when the question is full.
    void setTarget(CommandLabel* channel, const QListWidget* choiceList);

    QLabel* Label1;
    QPlainTextEdit* txtData;
    QLabel* Label2;
    QPlainTextEdit* Text1;
    QPushButton* cmdDo;
    QPushButton* cmdCancel;

protected:
    void formLoad() override;

private:
    void feedLines();
    bool questionFull() const;

    QPointer<CommandLabel> channel_;
    QPointer<const QListWidget> choiceList_;
};

}  // namespace kz
