// The one point every modal window passes: a test harness installs a driver
// here that answers each modal window in place of the user.
#pragma once

class QDialog;
class QWidget;

namespace kz::widgets {

class ModalDriver {
public:
    virtual ~ModalDriver() = default;
    // `window` has just been shown modally and its wait has begun; the
    // driver must hide it (answer it) or the wait goes on.
    virtual void modalShown(QWidget& window) = 0;
};

// nullptr removes the driver.
void setModalDriver(ModalDriver* driver);
ModalDriver* modalDriver();

// Called by a modal window right after it shows: once the wait has begun,
// the installed driver (if any) gets the window.
void announceModal(QWidget& window);

// Runs a Qt dialog (message box, file dialog) modally through this point;
// exec()'s result.
int execDialog(QDialog& dialog);

}  // namespace kz::widgets
