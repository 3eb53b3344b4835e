#include <gtest/gtest.h>

#include <QCheckBox>

#include "shell/useful_controls.h"

namespace kz {
namespace {

TEST(CheckBoxValuesTest, GreyHasNoTruthAndNoTruthStaysGrey)
{
    QCheckBox box;
    box.setTristate(true);
    box.setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(CheckToBool(&box), std::nullopt);
    box.setCheckState(Qt::Checked);
    EXPECT_EQ(CheckToBool(&box), true);
    box.setCheckState(Qt::Unchecked);
    EXPECT_EQ(CheckToBool(&box), false);
    EXPECT_EQ(BoolToCheck(true), 1);
    EXPECT_EQ(BoolToCheck(false), 0);
    EXPECT_EQ(BoolToCheck(std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace kz
