// The words or phrases of a text search over a listing's free texts, at
// most 16, one a line.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include "widgets/kz_form.h"

namespace kz {

class frmWord : public widgets::KzForm {
    Q_OBJECT
public:
    frmWord();

    QLabel* lblInfo;
    QLabel* lblWord;
    QLabel* lblList;
    QLineEdit* txtWord;
    QListWidget* lstWord;
    QPushButton* cmdAdd;
    QPushButton* cmdDel;
    QPushButton* cmdAllDel;
    QPushButton* cmdDo;
    // Disabled: the user cancelled (also by the close box or Esc).
    QPushButton* cmdCancel;

protected:
    void formLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addLine();
    void deleteLine();
    void deleteAll();
    void start();
    void wordEdited(const QString& text);
    void lineChosen();
};

// Offers `words` (the last search's) for editing; false when cancelled or
// the list came back empty, else true with `words` the new list.
bool AskSearchWords(QStringList& words);

}  // namespace kz
