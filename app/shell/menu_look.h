// The look of the main window's commands and of the password window, taken
// from the document state: the lock switches groups of commands off, Save
// is on while there are changes to save, and an unsavable document keeps
// both save commands off.
#pragma once

#include <QString>

#include "model/document.h"
#include "runtime/vbtypes.h"

namespace kz {

enum class MenuItem {
    // Off from lock level 1.
    mnuFileSave,
    mnuFileSaveAs,
    mnuInput,
    mnuOutput,
    mnuSetQuota,
    mnuSetParagraph,
    mnuSetCollection,
    mnuSetQuestion,
    mnuSetLimit,
    mnuMerge,
    // Off at lock level 2.
    mnuStatis,
    mnuQuestions,
    mnuAbout,
    mnuKey,
    Count
};
constexpr int MenuItemCount = static_cast<int>(MenuItem::Count);

// The object name of the menu item ("mnuFileSave", ...).
QString MenuItemName(MenuItem item);

bool MenuItemEnabled(MenuItem item, const DocumentState& state);

// Whether the samples a result sheet lists may be written out or given added
// answers: only while the main window's output is on.
bool ListedSampleCommandsEnabled(const DocumentState& state);

// What the password window shows: which of its frames are visible and which
// level option is selected.
struct KeyWindowFrames {
    bool LockF = true;
    bool UnlockF = false;
    bool ChangeF = true;
    Integer LV = 0;
};

KeyWindowFrames KeyWindowLook(const DocumentState& state);

}  // namespace kz
