// The program's message box: the old button sets, icons, default buttons and
// answers (kz::MsgBoxStyle, kz::MsgBoxResult). Each button carries its answer
// as property "vbResult"; the box's object name is "MsgBox".
#pragma once

#include <QString>

class QWidget;

namespace kz {

// The owner of a dialog about to be shown: the active window when it is
// shown, else none.
QWidget* DialogOwner();

// An empty title gives the application title "Kelvorzun". Esc answers
// Cancel where the button set has it.
int ShowMessageBox(const QString& prompt, int style, const QString& title);

}  // namespace kz
