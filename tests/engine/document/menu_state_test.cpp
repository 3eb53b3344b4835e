#include <gtest/gtest.h>

#include "document/document.h"
#include "document/menu_state.h"

namespace kz {
namespace {

constexpr int EditingItemCount = 10;  // mnuFileSave to mnuMerge
constexpr int LevelItemCount = 13;    // and mnuStatis, mnuQuestions, mnuAbout

class MenuStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        menus.changed = [this] { ++notifications_; };
    }
    void TearDown() override
    {
        menus = MenuState{};
        document = DocumentState{};
    }
    // Which of the items switched by the level are on, in table order.
    static std::string levelItems()
    {
        std::string on;
        for (int i = 0; i < LevelItemCount; ++i)
            on += MenuEnabled(static_cast<MenuItem>(i)) ? '1' : '0';
        return on;
    }
    int notifications_ = 0;
};

TEST_F(MenuStateTest, LockingFollowsTheLevel)
{
    const std::string editingOff(EditingItemCount, '0');
    const std::pair<Integer, std::string> levels[] = {
        {0, std::string(LevelItemCount, '1')}, {1, editingOff + "111"}, {2, editingOff + "000"}};
    for (const auto& [level, expected] : levels) {
        menus = MenuState{};
        SetMenuEnabled(MenuItem::mnuKey, false);
        document.ProtectLevel = level;
        SetModified();
        LockMenus();
        EXPECT_EQ(levelItems(), expected) << "level " << level;
        EXPECT_EQ(IsModified(), level == 0);
        EXPECT_FALSE(MenuEnabled(MenuItem::mnuKey));  // never touched by locking
        EXPECT_FALSE(menus.keyFrames.LockF);
        EXPECT_TRUE(menus.keyFrames.UnlockF);
        EXPECT_FALSE(menus.keyFrames.ChangeF);
        EXPECT_EQ(menus.keyFrames.LV, level);
    }
}

TEST_F(MenuStateTest, UnlockAtLevelTwoEnablesEveryItemAndSetsTheMark)
{
    document.ProtectLevel = 2;
    LockMenus();
    SetMenuEnabled(MenuItem::mnuKey, false);
    notifications_ = 0;
    UnlockMenus();
    EXPECT_EQ(levelItems(), std::string(LevelItemCount, '1'));
    EXPECT_TRUE(MenuEnabled(MenuItem::mnuKey));
    EXPECT_TRUE(IsModified());
    EXPECT_TRUE(menus.keyFrames.LockF);
    EXPECT_FALSE(menus.keyFrames.UnlockF);
    EXPECT_TRUE(menus.keyFrames.ChangeF);
    EXPECT_EQ(menus.keyFrames.LV, 2);
    EXPECT_EQ(notifications_, 1);
}

}  // namespace
}  // namespace kz
