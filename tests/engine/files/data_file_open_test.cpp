// Opening a data file: what counts as missing, and why a file that is there
// cannot be read.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "files/data_file_load.h"
#include "files/file_header.h"
#include "support/data_file_builder.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

class DataFileOpenTest : public test::SurveyFixture {
protected:
    QTemporaryDir dir_;
    test::ScriptedUi ui_;
};

TEST_F(DataFileOpenTest, OnlyANameTheOpenCannotFindIsMissing)
{
    ASSERT_TRUE(test::WriteBytes(dir_.filePath("a.kz"), "data"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.kz"));
    for (const char* name : {"none.kz", "folder.kz", "a.kz/b.kz"}) {
        QString path = dir_.filePath(name);
        ui_.expectBox(vbOK);
        EXPECT_EQ(LoadDataFile(workspace, settings, path, OpenQuestionnaire), NothingLoaded);
        EXPECT_EQ(ui_.boxes().back().prompt, path + QStringLiteral("が見つかりません"));
        EXPECT_EQ(ui_.boxes().back().style, vbCritical);
    }
}

TEST_F(DataFileOpenTest, ReadErrorSaysWhyInWords)
{
    // A file that opens but fails every read from its start.
    QString path = QStringLiteral("/proc/self/mem");
    ui_.expectBox(vbOK);
    EXPECT_EQ(LoadDataFile(workspace, settings, path, OpenQuestionnaire), NothingLoaded);
    EXPECT_TRUE(ui_.boxes().back().prompt.startsWith(
        QStringLiteral("ファイルの読み書きでエラーが発生しました。(エラー番号 5)\r\n/proc/self/mem\r\n")))
        << ui_.boxes().back().prompt.toStdString();
    EXPECT_EQ(ui_.boxes().back().style, vbExclamation);
}

}  // namespace
}  // namespace kz
