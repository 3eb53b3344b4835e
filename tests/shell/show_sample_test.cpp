#include <gtest/gtest.h>

#include <QStringList>

#include "program_fixture.h"
#include "window_calls.h"

namespace kz {
namespace {

// Records where each sample was shown: "entry:" idText "|" command, or
// "view:" questionCount "|" dno "|" idText.
class SampleWindows : public test::WindowCalls {
public:
    bool entryWindowVisible() const override { return entryVisible; }
    void showSampleInEntryWindow(const QString& idText, const QString& command) override
    {
        shown.push_back(QStringLiteral("entry:") + idText + u'|' + command);
    }
    void showSampleView(const QString& endQno, const QString& dno, const QString& idText) override
    {
        shown.push_back(QStringLiteral("view:") + endQno + u'|' + dno + u'|' + idText);
    }

    bool entryVisible = false;
    QStringList shown;
};

class ShowSampleTest : public ::testing::Test, public test::ProgramSurvey {
protected:
    test::ProgramStateGuard programState_;
    SampleWindows windows_;
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
    EXPECT_EQ(windows_.shown, (QStringList{QStringLiteral("view:1|2|300"), QStringLiteral("view:1|12|55")}));
}

TEST_F(ShowSampleTest, EntryWindowShowsByIDOrPosition)
{
    windows_.entryVisible = true;
    QString idText = QStringLiteral("300");
    ShowSampleID(QStringLiteral("2"), idText);
    QString none;
    ShowSampleID(QStringLiteral("4"), none);
    EXPECT_EQ(windows_.shown, (QStringList{QStringLiteral("entry:300|ID"), QStringLiteral("entry:|4")}));
}

}  // namespace
}  // namespace kz
