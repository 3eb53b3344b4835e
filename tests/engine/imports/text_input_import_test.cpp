#include <gtest/gtest.h>

#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/sample_table.h"
#include "support/import_fixture.h"

namespace kz::test {
namespace {

using Kind = ImportRecord::Kind;

class TextInputImport : public ImportFixture {
protected:
    void SetUp() override
    {
        AddQuestion(1, 5);
        BuildLayout();
        settings.IDRangeLow = 100;
        settings.IDRangeHigh = 101;
        ResetIDCursor(samples, settings);
    }
};

TEST_F(TextInputImport, IDLinesHeadRecordsThatEmptyLinesSeparate)
{
    const std::vector<ImportRecord> records = ReadAll("ID=5\r\n12-\r\n\r\nNo*6\n34-", Format::TextInput);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].kind, Kind::Sample);
    EXPECT_EQ(records[0].ID, 5);
    EXPECT_EQ(records[0].reply, "12-\r\n\r\n");
    EXPECT_EQ(records[1].ID, 6);
    EXPECT_EQ(records[1].reply, "34-\r\n");
}

TEST_F(TextInputImport, RecordsWithoutAnIDLineTakeTheNextFreeID)
{
    const std::vector<ImportRecord> records =
        ReadAll("\r\n\r\n1/abc/=3\r\n\r\n\r\n12-\r\n\r\n34-\r\n\r\n\r\n", Format::TextInput);
    ASSERT_EQ(records.size(), 3u);
    // A line holding "/" is reply text, whatever else it holds.
    EXPECT_EQ(records[0].ID, 100);
    EXPECT_EQ(records[0].reply, "1/abc/=3\r\n\r\n");
    EXPECT_EQ(records[1].ID, 101);
    EXPECT_EQ(records[1].reply, "12-\r\n\r\n");
    EXPECT_EQ(records[2].kind, Kind::Refused);
    EXPECT_EQ(records[2].message, "割り当て番号がいっぱいになりました。");
    EXPECT_EQ(records[2].status, records[2].message);
}

struct RefusalCase {
    QByteArray file;
    QString message;
};

TEST_F(TextInputImport, RecordsThatCannotBeEnteredAreRefusedWhole)
{
    AddSample(5);
    QByteArray binary = "ID=8\r\n1X2-\r\n";
    binary[7] = '\0';
    const RefusalCase cases[] = {
        {"ID=5\r\n12-\r\n", QStringLiteral("IDが重複しています(5)。")},
        {"ID=99999999999\r\n1-\r\n", QStringLiteral("ID番号の指定が正しくありません:ID=99999999999")},
        {binary,
         QStringLiteral(
             "文字でないデータ(NUL)を含む行です。テキストファイルではないようです。この行は取り込みません。")},
    };
    for (const RefusalCase& c : cases) {
        const std::vector<ImportRecord> records = ReadAll(c.file + "\r\nID=9\r\n1-", Format::TextInput);
        ASSERT_EQ(records.size(), 2u) << c.message.toStdString();
        EXPECT_EQ(records[0].kind, Kind::Refused);
        EXPECT_EQ(records[0].message, c.message);
        EXPECT_EQ(records[0].icon, vbExclamation);
        // The next record is read from where the refused one ended.
        EXPECT_EQ(records[1].ID, 9);
    }
}

TEST_F(TextInputImport, AnIDLineAtTheEndOfTheFileIsARecordWithoutAnswers)
{
    const std::vector<ImportRecord> records = ReadAll("ID=7\r\n\r\n", Format::TextInput);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ID, 7);
    EXPECT_EQ(records[0].reply, "");
    EXPECT_TRUE(ReadAll("\r\n\n\r", Format::TextInput).empty());
}

// A failure to read ends the run; its message shows how far the record had
// come.
TEST_F(TextInputImport, AReadFailureNamesTheRecordTextReadSoFar)
{
    const std::vector<ImportRecord> records =
        ReadAll("ID=7\r\n12-\r\n" + QByteArray(ImportLineLimit + 1, '3') + "\r\nID=8\r\n1-\r\n", Format::TextInput);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, Kind::Failed);
    EXPECT_EQ(records[0].reply, "12-\r\n");
    const QString message = records[0].message;
    EXPECT_TRUE(message.startsWith(QStringLiteral("行が長すぎます"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("\r\n12-\r\n\r\nまで読み込んでいました。"))) << message.toStdString();
}

}  // namespace
}  // namespace kz::test
