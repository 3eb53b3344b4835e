#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "widgets/help_service.h"

namespace kz::widgets {
namespace {

class HelpServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ClearHelpCalls();
        SetHelpOpener([this](const QUrl& url) {
            opened.push_back(url);
            return viewerExists;
        });
    }
    void TearDown() override
    {
        SetHelpOpener({});
        SetHelpFile({});
    }
    QString makeHelpFile()
    {
        const QString path = dir.filePath("zuntab.hlp");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir dir;
    QList<QUrl> opened;
    bool viewerExists = true;
};

TEST_F(HelpServiceTest, OpensTheHelpFileForEveryRequestAndRecordsIt)
{
    const QString path = makeHelpFile();
    SetHelpFile(path);
    EXPECT_TRUE(ShowHelp(HelpCommand::Context, 42));
    EXPECT_TRUE(ShowHelp(HelpCommand::Contents));
    EXPECT_TRUE(ShowHelp(HelpCommand::PartialKey));
    EXPECT_EQ(opened, QList<QUrl>(3, QUrl::fromLocalFile(path)));
    EXPECT_EQ(
        HelpCalls(),
        (QList<HelpCall>{{HelpCommand::Context, 42}, {HelpCommand::Contents, 0}, {HelpCommand::PartialKey, 0}}));
}

TEST_F(HelpServiceTest, MissingFileOrViewerIsReportedAsNotShown)
{
    SetHelpFile(dir.filePath("zuntab.hlp"));
    EXPECT_FALSE(ShowHelp(HelpCommand::Context, 30));
    EXPECT_TRUE(opened.isEmpty());
    makeHelpFile();
    viewerExists = false;
    EXPECT_FALSE(ShowHelp(HelpCommand::Contents));
    SetHelpFile({});
    EXPECT_FALSE(ShowHelp(HelpCommand::Contents));
    EXPECT_EQ(HelpCalls().size(), 3);
}

TEST_F(HelpServiceTest, QuitIsRecordedAndNeedsNoFile)
{
    EXPECT_TRUE(ShowHelp(HelpCommand::Quit));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(HelpCalls(), (QList<HelpCall>{{HelpCommand::Quit, 0}}));
}

}  // namespace
}  // namespace kz::widgets
