#include "shell/menu_look.h"

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
    if (item == MenuItem::mnuKey)
        return true;
    const Integer offFrom = item < MenuItem::mnuStatis ? 1 : 2;
    const bool unlocked = state.menuLockLevel < offFrom;
    // Saving also needs a document that may be written; Save, in addition,
    // changes to save.
    if (item == MenuItem::mnuFileSave)
        return unlocked && !IsUnsavable(state) && state.modified;
    if (item == MenuItem::mnuFileSaveAs)
        return unlocked && !IsUnsavable(state);
    return unlocked;
}

bool ListedSampleCommandsEnabled(const DocumentState& state) { return MenuItemEnabled(MenuItem::mnuOutput, state); }

KeyWindowFrames KeyWindowLook(const DocumentState& state)
{
    return {!state.menusLocked, state.menusLocked, !state.menusLocked, state.ProtectLevel};
}

}  // namespace kz
