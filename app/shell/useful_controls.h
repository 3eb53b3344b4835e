// Small helpers for windows and their check boxes.
#pragma once

#include <QString>

#include <optional>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace kz {

// Centres the window on the primary screen.
void CentreForm(QWidget* frm);
// Centres the window over `owner`, kept on the owner's screen; on the
// primary screen without an owner.
void CentreOn(QWidget* frm, const QWidget* owner);

// Checked true, unchecked false, grey (partly checked) no value.
std::optional<bool> CheckToBool(const QCheckBox* ctl);
// The check box value of a truth: 1 checked, 0 unchecked; no value stays
// none (grey).
std::optional<int> BoolToCheck(std::optional<bool> b);

// Gives `control` a bold or a normal font.
void SetBold(QWidget* control, bool bold);

// The box's whole text is selected whenever it gets the focus.
void SelectAllOnEntry(QLineEdit* box);

}  // namespace kz
