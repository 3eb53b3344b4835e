#include "document/menu_state.h"

#include "document/document.h"
#include "document/document_events.h"

namespace kz {

namespace {

void setModified(bool on)
{
    document.modified = on;
    emit documentEvents().changed();
}

}  // namespace

void SetModified() { setModified(true); }
void ClearModified() { setModified(false); }
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
