#include "document/menu_state.h"

#include "model/document.h"
#include "model/document_events.h"

namespace kz {

namespace {

void setModified(DocumentState& state, bool on)
{
    state.modified = on;
    emit documentEvents().changed();
}

}  // namespace

void SetModified(DocumentState& state) { setModified(state, true); }
void ClearModified(DocumentState& state) { setModified(state, false); }
bool IsModified(const DocumentState& state) { return state.modified; }

void LockMenus(DocumentState& state)
{
    state.menusLocked = true;
    if (state.ProtectLevel > state.menuLockLevel)
        state.menuLockLevel = state.ProtectLevel;
    emit documentEvents().changed();
}

void UnlockMenus(DocumentState& state)
{
    state.menusLocked = false;
    state.menuLockLevel = 0;
    emit documentEvents().changed();
}

}  // namespace kz
