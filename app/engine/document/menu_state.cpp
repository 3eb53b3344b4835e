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

void SetModified() { setModified(document, true); }
void SetModified(DocumentState& state) { setModified(state, true); }
void ClearModified() { setModified(document, false); }
bool IsModified() { return document.modified; }

void LockMenus()
{
    document.menusLocked = true;
    if (document.ProtectLevel > document.menuLockLevel)
        document.menuLockLevel = document.ProtectLevel;
    emit documentEvents().changed();
}

void UnlockMenus()
{
    document.menusLocked = false;
    document.menuLockLevel = 0;
    emit documentEvents().changed();
}

}  // namespace kz
