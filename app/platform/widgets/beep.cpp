#include "widgets/beep.h"

#include <QApplication>

namespace kz::widgets {

namespace {
int beeps = 0;
}  // namespace

void Beep()
{
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }

}  // namespace kz::widgets
