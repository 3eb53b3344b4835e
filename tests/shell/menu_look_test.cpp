#include <gtest/gtest.h>

#include <QSignalSpy>

#include "document/document_routines.h"
#include "document/menu_state.h"
#include "model/document_events.h"
#include "program_fixture.h"
#include "shell/menu_look.h"

namespace kz {
namespace {

constexpr int EditingItemCount = 10;  // mnuFileSave to mnuMerge
constexpr int LevelItemCount = 13;    // and mnuStatis, mnuQuestions, mnuAbout

class MenuLookTest : public ::testing::Test, public test::ProgramSurvey {
protected:
    // Which of the items switched by the level are on, in table order.
    std::string levelItems()
    {
        std::string on;
        for (int i = 0; i < LevelItemCount; ++i)
            on += MenuItemEnabled(static_cast<MenuItem>(i), document) ? '1' : '0';
        return on;
    }
    test::ProgramStateGuard programState_;
};

TEST_F(MenuLookTest, LockingFollowsTheLevelAndKeepsTheModifiedMark)
{
    const std::string editingOff(EditingItemCount, '0');
    const std::pair<Integer, std::string> levels[] = {
        {0, std::string(LevelItemCount, '1')}, {1, editingOff + "111"}, {2, editingOff + "000"}};
    for (const auto& [level, expected] : levels) {
        document = DocumentState{};
        document.ProtectLevel = level;
        SetModified(document);
        LockMenus(document);
        EXPECT_EQ(levelItems(), expected) << "level " << level;
        // The lock only decides what may be run: the changes are still unsaved.
        EXPECT_TRUE(IsModified(document));
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
    // as a lock only ever turns commands off; a change made meanwhile does
    // not turn Save on under the lock.
    document.ProtectLevel = 2;
    LockMenus(document);
    document.ProtectLevel = 0;
    LockMenus(document);
    EXPECT_EQ(levelItems(), std::string(LevelItemCount, '0'));
    SetModified(document);
    EXPECT_EQ(levelItems(), std::string(LevelItemCount, '0'));
}

TEST_F(MenuLookTest, UnlockAtLevelTwoEnablesEveryItemAndLeavesTheMark)
{
    for (const bool modified : {false, true}) {
        document = DocumentState{};
        document.modified = modified;
        document.ProtectLevel = 2;
        LockMenus(document);
        QSignalSpy changes(&documentEvents(), &DocumentEvents::changed);
        UnlockMenus(document);
        // Save is on exactly when there is something to save.
        EXPECT_EQ(levelItems(), (modified ? "1" : "0") + std::string(LevelItemCount - 1, '1'));
        EXPECT_TRUE(MenuItemEnabled(MenuItem::mnuKey, document));
        EXPECT_EQ(IsModified(document), modified);
        const KeyWindowFrames frames = KeyWindowLook(document);
        EXPECT_TRUE(frames.LockF);
        EXPECT_FALSE(frames.UnlockF);
        EXPECT_TRUE(frames.ChangeF);
        EXPECT_EQ(frames.LV, 2);
        EXPECT_EQ(changes.count(), 1);
    }
}

TEST_F(MenuLookTest, AnUnsavableDocumentStaysUnsavableWhenUnlocked)
{
    SetModified(document);
    SetUnsavable(document);
    UnlockMenus(document);
    // The lock is lifted; saving stays off.
    EXPECT_EQ(levelItems(), "00" + std::string(LevelItemCount - 2, '1'));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(document.ProtectLevel, 2);
}

}  // namespace
}  // namespace kz
