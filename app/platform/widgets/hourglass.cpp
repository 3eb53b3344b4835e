#include "widgets/hourglass.h"

#include <QApplication>

namespace kz::widgets {

namespace {
bool shown = false;
}  // namespace

void SetHourglass(bool busy)
{
    if (busy == shown)
        return;
    shown = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool HourglassShown() { return shown; }

}  // namespace kz::widgets
