// The result sheet a window works on (its ParentGrid). A sheet may be closed
// at any time, also while windows keep it; from then on the reference reads
// empty, so no window ever drives a closed sheet. Every use asks get() and
// checks what it gets. Every window that works on a result sheet keeps it
// in one of these.
#pragma once

#include <QPointer>

#include <type_traits>

#include "widgets/forms.h"

namespace kz {

template <class Sheet>
class GuardedSheet {
    static_assert(std::is_base_of_v<widgets::KzForm, Sheet>, "a sheet is a window of the registry");

public:
    void set(Sheet& sheet) { sheet_ = &sheet; }
    void clear() { sheet_.clear(); }
    // The sheet while it is loaded; nullptr when none was set or it was
    // unloaded since.
    Sheet* get() const { return sheet_ && widgets::Forms::isLoaded(*sheet_) ? sheet_.data() : nullptr; }

private:
    QPointer<Sheet> sheet_;
};

}  // namespace kz
