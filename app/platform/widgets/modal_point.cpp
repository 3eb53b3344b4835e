#include "widgets/modal_point.h"

#include <QDialog>
#include <QTimer>

namespace kz::widgets {

namespace {
ModalDriver* installed = nullptr;
}  // namespace

void setModalDriver(ModalDriver* driver) { installed = driver; }

ModalDriver* modalDriver() { return installed; }

void announceModal(QWidget& window)
{
    if (!installed)
        return;
    // Queued so that it runs inside the window's wait; skipped when the
    // window is gone by then.
    QTimer::singleShot(0, &window, [&window] {
        if (installed)
            installed->modalShown(window);
    });
}

int execDialog(QDialog& dialog)
{
    announceModal(dialog);
    return dialog.exec();
}

}  // namespace kz::widgets
