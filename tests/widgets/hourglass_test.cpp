#include <gtest/gtest.h>

#include <QApplication>

#include "widgets/hourglass.h"

namespace kz::widgets {
namespace {

TEST(HourglassTest, IsAStateNotACounter)
{
    SetHourglass(true);
    SetHourglass(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SetHourglass(false);
    EXPECT_FALSE(HourglassShown());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    SetHourglass(false);  // resetting the normal pointer changes nothing
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kz::widgets
