#include "menu_look.h"

#include <array>

namespace kz {

namespace {

constexpr std::array<const char*, MenuItemCount> itemNames = {
    "mnuFileSave",    "mnuFileSaveAs", "mnuInput", "mnuOutput", "mnuSetQuota",  "mnuSetParagraph", "mnuSetCollection",
    "mnuSetQuestion", "mnuSetLimit",   "mnuMerge", "mnuStatis", "mnuQuestions", "mnuAbout",        "mnuKey",
};

}  // namespace

QString MenuItemName(MenuItem item) { return QString::fromLatin1(itemNames[static_cast<size_t>(item)]); }

bool MenuItemEnabled(MenuItem item, const DocumentState& state)
{
    if (item == MenuItem::mnuFileSave)
        return state.modified;
    if (item == MenuItem::mnuKey)
        return true;
    const Integer offFrom = item < MenuItem::mnuStatis ? 1 : 2;
    return state.menuLockLevel < offFrom;
}

KeyWindowFrames KeyWindowLook(const DocumentState& state)
{
    return {!state.menusLocked, state.menusLocked, !state.menusLocked, state.ProtectLevel};
}

}  // namespace kz
