#include <gtest/gtest.h>

#include "document/recent_files.h"
#include "host/settings.h"

namespace kz {
namespace {

using Files = std::array<QString, RecentFileCount>;

class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override { settings.MRUFiles = {"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}; }
    Settings settings;
};

TEST_F(RecentFilesTest, KnownPathMovesToTheTop)
{
    RecentFilesMenu(settings, "/c");
    EXPECT_EQ(settings.MRUFiles, (Files{"/c", "/a", "/b", "/d", "/e", "/f", "/g", "/h"}));
    EXPECT_EQ(settings.recentFileItems.captions, (std::array<QString, 4>{"&1 /c", "&2 /a", "&3 /b", "&4 /d"}));
    // A duplicate counts at its highest place.
    settings.MRUFiles[2] = "/c";
    RecentFilesMenu(settings, "/c");
    EXPECT_EQ(settings.MRUFiles, (Files{"/c", "/c", "/a", "/d", "/e", "/f", "/g", "/h"}));
}

TEST_F(RecentFilesTest, AbsentPathPushesTheFourthIntoEntryFourOnly)
{
    // Entries beyond the shown four are not searched, and 5 to 7 never move.
    RecentFilesMenu(settings, "/f");
    EXPECT_EQ(settings.MRUFiles, (Files{"/f", "/a", "/b", "/c", "/d", "/f", "/g", "/h"}));
}

TEST_F(RecentFilesTest, EmptyPathOnlyRefreshesTheMenu)
{
    settings.MRUFiles[1] = "";
    settings.MRUFiles[3] = "";
    RecentFilesMenu(settings, "");
    EXPECT_EQ(settings.MRUFiles[0], "/a");
    EXPECT_EQ(settings.recentFileItems.captions, (std::array<QString, 4>{"&1 /a", "", "&3 /c", ""}));
    EXPECT_TRUE(settings.recentFileItems.separatorVisible);
    settings.MRUFiles = {};
    RecentFilesMenu(settings, "");
    EXPECT_FALSE(settings.recentFileItems.separatorVisible);
}

}  // namespace
}  // namespace kz
