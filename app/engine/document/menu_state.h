// The document's state as the menus show it: the Save item's enabled state is
// the modified mark, and the protection level switches groups of items off.
// The main window mirrors this model in its actions and the password window
// in its frames; both listen to `changed`.
#pragma once

#include <QString>

#include <array>
#include <functional>

#include "runtime/vbtypes.h"

namespace kz {

enum class MenuItem {
    mnuFileSave,
    mnuFileSaveAs,
    mnuInput,
    mnuOutput,
    mnuSetQuota,
    mnuSetParagraph,
    mnuSetCollection,
    mnuSetQuestion,
    mnuSetLimit,
    mnuMerge,  // off from level 1
    mnuStatis,
    mnuQuestions,
    mnuAbout,  // off at level 2
    mnuKey,
    Count
};
constexpr int MenuItemCount = static_cast<int>(MenuItem::Count);

// The object name of the menu item ("mnuFileSave", ...).
QString MenuItemName(MenuItem item);

// What the password window shows: which of its frames are visible and which
// level option is selected.
struct KeyWindowFrames {
    bool LockF = true;
    bool UnlockF = false;
    bool ChangeF = true;
    Integer LV = 0;
};

// The four recent-file items of the File menu; an empty caption is a hidden
// item.
struct RecentFileItems {
    std::array<QString, 4> captions;
    bool separatorVisible = false;
};

struct MenuState {
    std::array<bool, MenuItemCount> enabled{};
    KeyWindowFrames keyFrames;
    RecentFileItems recentFiles;
    // Called after every change of the state above.
    std::function<void()> changed;

    MenuState() { enabled.fill(true); }
};

extern MenuState menus;

bool MenuEnabled(MenuItem item);
void SetMenuEnabled(MenuItem item, bool on);

void SetModified();
void ClearModified();
bool IsModified();
// Shows the locked state for document.ProtectLevel.
void LockMenus();
// Enables every item the level switches; this also sets the modified mark.
void UnlockMenus();

}  // namespace kz
