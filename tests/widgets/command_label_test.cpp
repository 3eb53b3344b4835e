#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QWidget>

#include "widgets/command_label.h"

namespace kz {
namespace {

TEST(CommandLabelTest, ActsOnlyWhenTheCaptionChanges)
{
    QWidget form;
    CommandLabel label(QStringLiteral("lblDno"), &form);
    QSignalSpy commands(&label, &CommandLabel::captionChanged);
    EXPECT_EQ(label.objectName(), QStringLiteral("lblDno"));
    EXPECT_TRUE(label.isHidden());

    label.setCaption(QStringLiteral("NEW"));
    label.setCaption(QStringLiteral("NEW"));  // the same command again: nothing
    ASSERT_EQ(commands.count(), 1);
    label.setCaption(QString());  // "" first makes a repeat a change
    label.setCaption(QStringLiteral("NEW"));
    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands.at(2).at(0).toString(), QStringLiteral("NEW"));
}

}  // namespace
}  // namespace kz
