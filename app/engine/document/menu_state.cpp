#include "document/menu_state.h"

#include "document/document.h"

namespace kz {

MenuState menus;

namespace {

constexpr std::array<const char*, MenuItemCount> itemNames = {
    "mnuFileSave",    "mnuFileSaveAs", "mnuInput", "mnuOutput", "mnuSetQuota",  "mnuSetParagraph", "mnuSetCollection",
    "mnuSetQuestion", "mnuSetLimit",   "mnuMerge", "mnuStatis", "mnuQuestions", "mnuAbout",        "mnuKey",
};

constexpr int lastEditingItem = static_cast<int>(MenuItem::mnuMerge);
constexpr int lastLevelItem = static_cast<int>(MenuItem::mnuAbout);

void notify()
{
    if (menus.changed)
        menus.changed();
}

void setRange(int first, int last, bool on)
{
    for (int i = first; i <= last; ++i)
        menus.enabled[static_cast<size_t>(i)] = on;
}

void showKeyFrames(bool locked)
{
    menus.keyFrames.LockF = !locked;
    menus.keyFrames.UnlockF = locked;
    menus.keyFrames.ChangeF = !locked;
    menus.keyFrames.LV = document.ProtectLevel;
}

}  // namespace

QString MenuItemName(MenuItem item) { return QString::fromLatin1(itemNames[static_cast<size_t>(item)]); }

bool MenuEnabled(MenuItem item) { return menus.enabled[static_cast<size_t>(item)]; }

void SetMenuEnabled(MenuItem item, bool on)
{
    menus.enabled[static_cast<size_t>(item)] = on;
    notify();
}

void SetModified() { SetMenuEnabled(MenuItem::mnuFileSave, true); }
void ClearModified() { SetMenuEnabled(MenuItem::mnuFileSave, false); }
bool IsModified() { return MenuEnabled(MenuItem::mnuFileSave); }

void LockMenus()
{
    showKeyFrames(true);
    if (document.ProtectLevel > 0)
        setRange(0, lastEditingItem, false);
    if (document.ProtectLevel > 1)
        setRange(lastEditingItem + 1, lastLevelItem, false);
    notify();
}

void UnlockMenus()
{
    menus.enabled[static_cast<size_t>(MenuItem::mnuKey)] = true;
    showKeyFrames(false);
    setRange(0, lastLevelItem, true);
    notify();
}

}  // namespace kz
