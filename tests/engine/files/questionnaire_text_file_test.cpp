#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/questionnaire_text_file.h"
#include "files/text_file_write.h"
#include "model/workspace.h"
#include "runtime/cp932.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

using test::Row;

class QuestionnaireTextFileTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        survey.Title = QStringLiteral("通勤調査");
        survey.Author = QStringLiteral("総務課");
        document.CurrentFilePath = QStringLiteral("/data/a.kz");
    }
};

TEST_F(QuestionnaireTextFileTest, QuestionsWithTheirConditionsAndChoices)
{
    const Integer way = AddQuestion(3, 3);
    SetQuestionText(way, QStringLiteral("交通"), QStringLiteral("通勤手段は？"));
    survey.Choices(way, 1).Text = QStringLiteral("電車");
    survey.Choices(way, 2).Text = QStringLiteral("その他");
    survey.Choices(way, 2).Attr = (1 << AttrEssay) | (1 << AttrOther);
    const Integer time = AddQuestion(1, 2);
    SetQuestionText(time, QStringLiteral("時間"));
    survey.Questions[time].CodeStyle = 1;
    survey.Choices(time, 1).Text = QStringLiteral("30分");
    survey.QuestionLimit[time][1] = Row(3, way, 1);
    survey.QuestionLimit[time][2] = {0, 555};  // an end entry's code is not written

    EXPECT_EQ(QuestionnaireTextFile(workspace), "Kelvor Zuntabo Questionaire Text Data Since 96.7A\r\n"
                                                "/data/a.kz\r\n"
                                                "通勤調査\r\n"
                                                "総務課\r\n"
                                                "2\r\n"
                                                "0,交通,通勤手段は？,3,0,3,0,0,0,\r\n"
                                                "0,1,電車,0\r\n"
                                                "0,2,その他［記述］［その他］,9\r\n"
                                                "\r\n"
                                                "1,時間,,1,1,2,3,0,1,0,0,0,\r\n"
                                                "1,1,30分,0\r\n"
                                                "\r\n");
}

TEST_F(QuestionnaireTextFileTest, AConditionWithoutEndEntryStopsAfterItsLastEntry)
{
    const Integer q = AddQuestion(1, 2);
    Condition& limit = survey.QuestionLimit[q];
    for (size_t k = 1; k < limit.size(); ++k)
        limit[k] = Row(1, 0, 1);
    const QStringList lines = QuestionnaireTextFile(workspace).split(QStringLiteral("\r\n"));
    // Five header lines, the question, its one choice, the empty line, and
    // what follows the last line end.
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[5], "0,1質問,,1,0,2," + QStringLiteral("1,0,1,").repeated(15));
    EXPECT_EQ(lines[7], "");
}

class TextFileWriteTest : public test::SurveyFixture {
protected:
    QTemporaryDir folder_;
    test::ScriptedUi ui_;
};

TEST_F(TextFileWriteTest, WritesCp932InPlaceOfAnEarlierFile)
{
    const QString path = folder_.filePath(QStringLiteral("list.txt"));
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(QByteArray(100, 'x'));
    earlier.close();

    EXPECT_TRUE(WriteTextFile(path, QStringLiteral("質問\r\n")));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), ToCp932(QStringLiteral("質問\r\n")));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"list.txt"});  // no temporary left
}

TEST_F(TextFileWriteTest, AFileThatCannotBeMadeIsReported)
{
    const QString path = folder_.filePath(QStringLiteral("missing/list.txt"));
    ui_.expectBox(vbOK);
    EXPECT_FALSE(WriteTextFile(path, QStringLiteral("質問")));
    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_TRUE(ui_.boxes()[0].prompt.startsWith(QStringLiteral("ファイルを作成できません。")));
    EXPECT_TRUE(ui_.boxes()[0].prompt.contains(path));
    EXPECT_TRUE(ui_.boxes()[0].prompt.endsWith(QStringLiteral("正しく書き出せませんでした。")));
    EXPECT_EQ(ui_.boxes()[0].style, vbOKOnly) << "OK only, no icon";
    EXPECT_EQ(ui_.beeps(), 1);
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace kz
