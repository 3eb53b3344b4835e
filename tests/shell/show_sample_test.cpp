#include <gtest/gtest.h>

#include <QStringList>

#include "program_fixture.h"
#include "window_calls.h"

namespace kz {
namespace {

class ShowSampleTest : public ::testing::Test, public test::ProgramSurvey {
protected:
    test::ProgramStateGuard programState_;
    test::WindowCalls windows_;
};

TEST_F(ShowSampleTest, SampleViewHandsBackTheSamplesID)
{
    AddQuestion(1, 3);
    BuildLayout();
    for (Long id : {100, 200, 300})
        AddSample(id);
    QString idText;
    ShowSampleID(QStringLiteral("2"), idText);
    EXPECT_EQ(idText, QStringLiteral("300"));
    // A position outside the table shows what it was given.
    idText = QStringLiteral("55");
    ShowSampleID(QStringLiteral("12"), idText);
    EXPECT_EQ(idText, QStringLiteral("55"));
    EXPECT_EQ(windows_.asked, QStringList({"showSampleView(1, 2, 300)", "showSampleView(1, 12, 55)"}));
}

TEST_F(ShowSampleTest, EntryWindowShowsByIDOrPosition)
{
    windows_.entryVisible = true;
    QString idText = QStringLiteral("300");
    ShowSampleID(QStringLiteral("2"), idText);
    QString none;
    ShowSampleID(QStringLiteral("4"), none);
    EXPECT_EQ(windows_.asked, QStringList({"showSampleInEntryWindow(300, ID)", "showSampleInEntryWindow(, 4)"}));
}

}  // namespace
}  // namespace kz
