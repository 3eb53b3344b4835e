// Controls are known by their object names ("cmdOK", "lstQno(0)"): a window
// names each one as it builds it.
#pragma once

#include <QString>

namespace kz::widgets {

template <class Control>
Control* Named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

}  // namespace kz::widgets
