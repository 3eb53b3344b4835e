#include <gtest/gtest.h>

#include <QSignalSpy>

#include "document/document_events.h"
#include "document/menu_state.h"
#include "menu_look.h"
#include "support/program_state.h"

namespace kz {
namespace {

constexpr int EditingItemCount = 10;  // mnuFileSave to mnuMerge
constexpr int LevelItemCount = 13;    // and mnuStatis, mnuQuestions, mnuAbout

class MenuLookTest : public ::testing::Test {
protected:
    // Which of the items switched by the level are on, in table order.
    static std::string levelItems()
    {
        std::string on;
        for (int i = 0; i < LevelItemCount; ++i)
            on += MenuItemEnabled(static_cast<MenuItem>(i), document) ? '1' : '0';
        return on;
    }
    test::ProgramStateGuard programState_;
};

TEST_F(MenuLookTest, LockingFollowsTheLevel)
{
    const std::string editingOff(EditingItemCount, '0');
    const std::pair<Integer, std::string> levels[] = {
        {0, std::string(LevelItemCount, '1')}, {1, editingOff + "111"}, {2, editingOff + "000"}};
    for (const auto& [level, expected] : levels) {
        document = DocumentState{};
        document.ProtectLevel = level;
        SetModified();
        LockMenus();
        EXPECT_EQ(levelItems(), expected) << "level " << level;
        EXPECT_EQ(IsModified(), level == 0);
        EXPECT_TRUE(MenuItemEnabled(MenuItem::mnuKey, document));  // never touched by locking
        const KeyWindowFrames frames = KeyWindowLook(document);
        EXPECT_FALSE(frames.LockF);
        EXPECT_TRUE(frames.UnlockF);
        EXPECT_FALSE(frames.ChangeF);
        EXPECT_EQ(frames.LV, level);
    }
}

TEST_F(MenuLookTest, LockingOnlySwitchesCommandsOff)
{
    // A lock at level 0 after one at level 2 leaves the level-2 items off,
    // as a lock only ever turns commands off; a save mark set meanwhile
    // turns Save on alone.
    document.ProtectLevel = 2;
    LockMenus();
    document.ProtectLevel = 0;
    LockMenus();
    EXPECT_EQ(levelItems(), std::string(LevelItemCount, '0'));
    SetModified();
    EXPECT_EQ(levelItems(), "1" + std::string(LevelItemCount - 1, '0'));
}

TEST_F(MenuLookTest, UnlockAtLevelTwoEnablesEveryItemAndSetsTheMark)
{
    document.ProtectLevel = 2;
    LockMenus();
    QSignalSpy changes(&documentEvents(), &DocumentEvents::changed);
    UnlockMenus();
    EXPECT_EQ(levelItems(), std::string(LevelItemCount, '1'));
    EXPECT_TRUE(MenuItemEnabled(MenuItem::mnuKey, document));
    EXPECT_TRUE(IsModified());
    const KeyWindowFrames frames = KeyWindowLook(document);
    EXPECT_TRUE(frames.LockF);
    EXPECT_FALSE(frames.UnlockF);
    EXPECT_TRUE(frames.ChangeF);
    EXPECT_EQ(frames.LV, 2);
    EXPECT_EQ(changes.count(), 1);
}

}  // namespace
}  // namespace kz
