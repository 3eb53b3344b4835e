#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "runtime/cp932.h"
#include "support/survey_fixture.h"
#include "texts/code_files.h"
#include "texts/sequential_fields.h"

namespace kz {
namespace {

class LookupChoiceCodeTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        q = AddQuestion(1, 3, {1});
        survey.Choices(q, 1).CodeFile = QStringLiteral("jobs.txt");
        WriteCodeFile("jobs.txt", "'code,label\r\n"
                                  "\r\n"
                                  "012,会社員\r\n"
                                  "A1, \"学生, 大学\" \r\n"
                                  "  7  ,自営業\r\n");
    }
    void WriteCodeFile(const QString& name, const QString& text)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ToCp932(text));
    }
    void Lookup(QString& code, QString& label) { LookupChoiceCode(survey, q, 1, code, label, dataFile()); }
    QString dataFile() const { return folder.filePath(QStringLiteral("survey.kz")); }

    QTemporaryDir folder;
    Integer q = 0;
};

TEST_F(LookupChoiceCodeTest, LabelFromCodeAsTextOrNumber)
{
    QString code = QStringLiteral("A1");
    QString label = QStringLiteral("?");
    Lookup(code, label);
    EXPECT_EQ(label, "学生, 大学");
    code = QStringLiteral("12");
    label = QStringLiteral("?");
    Lookup(code, label);
    EXPECT_EQ(code, "12");
    EXPECT_EQ(label, "会社員");
    code = QStringLiteral("7");
    label.clear();
    Lookup(code, label);
    EXPECT_EQ(label, "自営業");
}

TEST_F(LookupChoiceCodeTest, CodeFromLabel)
{
    QString code = QStringLiteral("?");
    QString label = QStringLiteral("自営業");
    Lookup(code, label);
    EXPECT_EQ(code, "7");
    EXPECT_EQ(label, "自営業");
}

TEST_F(LookupChoiceCodeTest, UnknownCodeDoesNotMatchByAZeroValue)
{
    // "A1" and "B2" are both 0 as numbers: only numbers compare by value.
    QString code = QStringLiteral("B2");
    QString label = QStringLiteral("?");
    Lookup(code, label);
    EXPECT_EQ(code, "B2");
    EXPECT_EQ(label, "?");
    code = QStringLiteral("?");
    label = QStringLiteral("無職");
    Lookup(code, label);
    EXPECT_EQ(code, "?");
    EXPECT_EQ(label, "無職");
}

TEST_F(LookupChoiceCodeTest, MissingFileFillsQuestionMarks)
{
    survey.Choices(q, 1).CodeFile = QStringLiteral("none.txt");
    QString code = QStringLiteral("12");
    QString label;
    Lookup(code, label);
    EXPECT_EQ(code, "12");
    EXPECT_EQ(label, "?");
    survey.Choices(q, 1).CodeFile.clear();
    code.clear();
    label = QStringLiteral("x");
    Lookup(code, label);
    EXPECT_EQ(code, "?");
    EXPECT_EQ(label, "x");
}

TEST_F(LookupChoiceCodeTest, CodeFileWithFolderIsTakenAsItIs)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    WriteCodeFile("sub/area.txt", "1,東京\r\n2,大阪");
    survey.Choices(q, 1).CodeFile = folder.filePath(QStringLiteral("sub\\area.txt")).replace(u'/', u'\\');
    QString code = QStringLiteral("2");
    QString label = QStringLiteral("?");
    LookupChoiceCode(survey, q, 1, code, label, QStringLiteral("/elsewhere/survey.kz"));
    EXPECT_EQ(label, "大阪");
}

TEST_F(LookupChoiceCodeTest, CodeWithoutLabelAtTheEndMatchesNothing)
{
    WriteCodeFile("jobs.txt", "1,一\r\n2");
    QString code = QStringLiteral("2");
    QString label = QStringLiteral("?");
    Lookup(code, label);
    EXPECT_EQ(label, "?");
}

TEST_F(LookupChoiceCodeTest, CommentAndCodelessLinesAreSkippedWhole)
{
    WriteCodeFile("jobs.txt", "'code,label\r\n,無名\r\n1,一\r\n2,二");
    QString code = QStringLiteral("1");
    QString label = QStringLiteral("?");
    Lookup(code, label);
    EXPECT_EQ(label, "一");
    code = QStringLiteral("?");
    label = QStringLiteral("二");
    Lookup(code, label);
    EXPECT_EQ(code, "2");
}

TEST(SequentialFieldsTest, FieldsEndAtCommasAndLineEnds)
{
    SequentialFields fields(QStringLiteral(" a , \"b,c\" x,\r\nd\n\re"));
    EXPECT_EQ(fields.next(), "a");
    EXPECT_EQ(fields.next(), "b,c");
    EXPECT_EQ(fields.next(), "");
    EXPECT_EQ(fields.next(), "d");
    EXPECT_EQ(fields.next(), "");
    EXPECT_FALSE(fields.atEnd());
    EXPECT_EQ(fields.next(), "e");
    EXPECT_TRUE(fields.atEnd());
    EXPECT_EQ(fields.next(), "");
    SequentialFields unclosed(QStringLiteral("\"abc,def"));
    EXPECT_EQ(unclosed.next(), "abc,def");
    EXPECT_TRUE(unclosed.atEnd());
}

TEST(SplitCodeLabelTest, CodeAndLabel)
{
    QString code;
    QString label;
    SplitCodeLabel(QStringLiteral("12:会社員:本社"), code, label);
    EXPECT_EQ(code, "12");
    EXPECT_EQ(label, "会社員:本社");
    SplitCodeLabel(QStringLiteral(":x"), code, label);
    EXPECT_EQ(code, "");
    EXPECT_EQ(label, "x");
    // Without a colon a text of single-byte characters is the code.
    SplitCodeLabel(QStringLiteral("12"), code, label);
    EXPECT_EQ(code, "12");
    EXPECT_EQ(label, "?");
    SplitCodeLabel(QStringLiteral("ｱｲ7"), code, label);  // half-width katakana are single bytes
    EXPECT_EQ(code, "ｱｲ7");
    EXPECT_EQ(label, "?");
    SplitCodeLabel(QStringLiteral("会社員"), code, label);
    EXPECT_EQ(code, "?");
    EXPECT_EQ(label, "会社員");
    SplitCodeLabel(QStringLiteral("12："), code, label);  // a full-width colon does not split
    EXPECT_EQ(code, "?");
    EXPECT_EQ(label, "12：");
}

}  // namespace
}  // namespace kz
