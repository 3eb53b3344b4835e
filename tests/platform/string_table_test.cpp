#include <gtest/gtest.h>

#include "runtime/string_table.h"

namespace kz {
namespace {

TEST(StringTable, GivesTheTextsOfBothWindowsWithTheirAccessKeys)
{
    EXPECT_EQ(LoadResString(1000), QStringLiteral("ﾌｧｲﾙ&F"));
    EXPECT_EQ(LoadResString(1013), QStringLiteral("名前を付けて保存(&A)..."));
    EXPECT_EQ(LoadResString(1512), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    EXPECT_EQ(LoadResString(2012), QStringLiteral("2次元 棒"));
    EXPECT_EQ(LoadResString(2021), QStringLiteral("閉じる(&C)"));
}

TEST(StringTable, KeepsHalfWidthKatakanaHalfWidth)
{
    const QString text = LoadResString(1000).value_or(QString());
    ASSERT_EQ(text.size(), 6);
    EXPECT_EQ(text.at(0), QChar(0xFF8C));  // ﾌ
}

TEST(StringTable, HasNothingForAnUnknownNumber)
{
    EXPECT_FALSE(LoadResString(1001).has_value());
    EXPECT_FALSE(LoadResString(0).has_value());
    EXPECT_FALSE(LoadResString(-1).has_value());
}

}  // namespace
}  // namespace kz
