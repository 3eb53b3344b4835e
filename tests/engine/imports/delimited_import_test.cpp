#include <gtest/gtest.h>

#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "support/enter_reply.h"
#include "support/import_fixture.h"
#include "support/scripted_ui.h"

namespace kz::test {
namespace {

using Kind = ImportRecord::Kind;

// Q0 one answer, Q1 up to two, both of 15 choices, on one entry line; with
// `essay`, choice 3 of each takes free text.
class DelimitedImport : public ImportFixture {
protected:
    QVector<Integer> StoredAnswers(Long Dno, Integer q)
    {
        Integer count = 0;
        QVector<Integer> codes;
        PopQuestionAnswers(workspace, Dno, q, count, codes);
        return codes.mid(0, count);
    }

    void Build(bool essay)
    {
        for (Integer max : {1, 2})
            AddQuestion(max, 15, essay ? std::initializer_list<int>{3} : std::initializer_list<int>{});
        BuildLayout();
        survey.ParagraphStart.fill(MakeQC(2, 0));
        survey.ParagraphStart[0] = 0;
    }
    // The reply of a one-line file, or the refusal's message.
    QString Reply(const QByteArray& line)
    {
        const std::vector<ImportRecord> records = ReadAll(line, Format::Delimited);
        EXPECT_EQ(records.size(), 1u) << line.toStdString();
        if (records.empty())
            return {};
        return records[0].kind == Kind::Sample ? records[0].reply : records[0].message;
    }
};

struct LineCase {
    const char* line;
    const char* reply;
};

TEST_F(DelimitedImport, LinesBecomeReplyNotationSlotBySlot)
{
    Build(false);
    csv.noEssay = true;
    const LineCase cases[] = {
        {"7,1,2,3", "1-23-"},
        {"7,1", "1-"},
        {"7,12,,4", ".12.-4-"},
        {"7,,3", "..-3-"},
        {"7", "..-"},
        {"7,1,3,0", "1-3-"},
        // Trailing empty fields are only a trailing separator.
        {"7,1,2,3,,", "1-23-"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(Reply(c.line), QString::fromUtf8(c.reply)) << c.line;
}

TEST_F(DelimitedImport, TextColumnsFollowEverySlot)
{
    Build(false);
    EXPECT_EQ(Reply("8,1,,2,x,3,"), "1-2/x/3-");
    // A slot without choice and text says nothing; one with a text is kept.
    EXPECT_EQ(Reply("8,1,,,,3,y"), "1-3/y/-");
    EXPECT_EQ(Reply("8,1,,0,x,3,"), "1-0/x/3-");
    csv.separator = u'\t';
    csv.quote = u'"';
    EXPECT_EQ(Reply("8\t1\t\"\"\t3\t\"a/b\"\t4\t\"*/\""), "1-3/*a/b*/4/** /*/-");
}

TEST_F(DelimitedImport, AQuoteLeftOpenRefusesItsLineOnlyAndTheNextLinesAreRead)
{
    Build(false);
    csv.quote = u'"';
    for (const QByteArray& last : {QByteArray("3,3,\"y\"\r\n"), QByteArray("3,3,y\r\n")}) {
        SCOPED_TRACE(last.toStdString());
        const std::vector<ImportRecord> records = ReadAll("1,3,\"abc\r\n2,3,x\r\n" + last, Format::Delimited);
        ASSERT_EQ(records.size(), 3u);
        EXPECT_EQ(records[0].kind, Kind::Refused);
        EXPECT_EQ(records[0].message,
                  "記述のくくり文字が閉じないまま行が終わっています。この行は取り込みません:1,3,\"abc");
        EXPECT_EQ(records[0].status, "くくり文字が閉じていません");
        EXPECT_EQ(records[1].kind, Kind::Sample);
        EXPECT_EQ(records[1].ID, 2);
        EXPECT_EQ(records[1].reply, "3/x/-..-");
        EXPECT_EQ(records[2].kind, Kind::Sample);
        EXPECT_EQ(records[2].ID, 3);
        EXPECT_EQ(records[2].reply, "3/y/-..-");
    }
}

TEST_F(DelimitedImport, LaterSlotsAfterAnExclusiveChoiceAreReadNotWritten)
{
    AddQuestion(3, 15);
    survey.Choices(0, 5).Attr |= 1 << AttrExclusive;
    // Choice 10 under the lower-case letters: "a", which is not choice 0.
    survey.Questions[0].CodeStyle = CodeStyleLowercase;
    BuildLayout();
    survey.ParagraphStart.fill(MakeQC(1, 0));
    survey.ParagraphStart[0] = 0;
    csv.noEssay = true;
    EXPECT_EQ(Reply("1,5,2,3"), "5-");
    EXPECT_EQ(Reply("1,2,5,3"), "25-");
    EXPECT_EQ(Reply("1,a,2,3"), "a23-");
}

TEST_F(DelimitedImport, AnswersAfterAnEmptyOr0SlotAreKeptWhereverTheReplyLinesBreak)
{
    AddQuestion(3, 15);
    AddQuestion(1, 15);
    BuildLayout();
    csv.noEssay = true;
    const Integer end = MakeQC(2, 0);
    // Where the reply lines after the first begin.
    const std::vector<std::vector<Integer>> layouts = {
        {end},
        {MakeQC(1, 0), end},
        {MakeQC(0, 1), MakeQC(0, 2), MakeQC(1, 0), end},
        {MakeQC(0, 2), MakeQC(1, 0), end},
    };
    const struct {
        const char* fields;
        QVector<Integer> answers;
    } cases[] = {
        {"3,,4", {3, 4}}, {",0,4", {4}}, {"0,,4", {4}},        {"3,0,0", {3}},
        {"0,0,0", {0}},   {",,", {0}},   {"3,4,5", {3, 4, 5}},
    };
    Long ID = 0;
    for (const std::vector<Integer>& layout : layouts) {
        survey.ParagraphStart.fill(end);
        std::copy(layout.begin(), layout.end(), survey.ParagraphStart.begin() + 1);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.fields) + " on " + std::to_string(layout.size() + 1) + " lines");
            const QByteArray line = QByteArray::number(++ID) + ',' + c.fields + ",2";
            const std::vector<ImportRecord> records = ReadAll(line, Format::Delimited);
            ASSERT_EQ(records.size(), 1u);
            ASSERT_EQ(EnterReply(workspace, records[0].ID, records[0].reply), QString());
            const Long Dno = FindSamplePos(samples.Samples, ID);
            EXPECT_EQ(StoredAnswers(Dno, 0), c.answers);
            EXPECT_EQ(StoredAnswers(Dno, 1), QVector<Integer>{2});
        }
    }
}

// A choice field of four or more characters is no number: it keeps the
// choice written before it, and a 0 kept so closes the question. On a line
// of one slot it is read as a text of choice 1.
TEST_F(DelimitedImport, ALongChoiceFieldKeepsTheChoiceWrittenBeforeIt)
{
    AddQuestion(2, 4, {1});
    AddQuestion(1, 4);
    BuildLayout();
    survey.ParagraphStart.fill(MakeQC(2, 0));
    survey.ParagraphStart[0] = 0;
    survey.ParagraphStart[1] = MakeQC(0, 1);
    survey.ParagraphStart[2] = MakeQC(1, 0);
    const struct {
        const char* line;
        QVector<Integer> answers;
        SlotTexts texts;
    } cases[] = {
        {"1,1234,,2,x,1,", {1}, {{0, ".1234."}}},
        {"2,1234,,1234,x,1,", {1}, {{0, ".1234."}}},
        {"3,,,2,,1,", {2}, {}},
        {"4,0,,2,,1,", {2}, {}},
        {"5,2,,1234,,1,", {2, 1}, {{1, ".1234."}}},
        {"6,,,1234,,1,", {1}, {{0, ".1234."}}},
    };
    ScriptedUi ui;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::vector<ImportRecord> records = ReadAll(c.line, Format::Delimited);
        ASSERT_EQ(records.size(), 1u);
        ASSERT_EQ(EnterReply(workspace, records[0].ID, records[0].reply), QString());
        const Long Dno = FindSamplePos(samples.Samples, records[0].ID);
        EXPECT_EQ(StoredAnswers(Dno, 0), c.answers);
        EXPECT_EQ(StoredAnswers(Dno, 1), QVector<Integer>{1});
        EXPECT_EQ(TextsOf(Dno), c.texts);
    }
}

TEST_F(DelimitedImport, RecordsThatCannotBeEnteredAreRefused)
{
    Build(false);
    csv.noEssay = true;
    AddSample(7);
    const std::vector<ImportRecord> records =
        ReadAll("0,1\r\nabc,1\r\n3000000000,1\r\n7,1\r\n8,1,2,3,4,,\r\n\r\n", Format::Delimited);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].kind, Kind::Sample);
    EXPECT_EQ(records[0].ID, 0);
    EXPECT_EQ(records[1].message, "ID番号の指定が正しくありません:abc");
    EXPECT_EQ(records[1].status, "ID番号の指定が正しくありません");
    EXPECT_EQ(records[2].message, "ID番号の指定が正しくありません:3000000000");
    EXPECT_EQ(records[3].message, "IDが重複しています(7)");
    EXPECT_EQ(records[3].icon, vbOKOnly);
    EXPECT_EQ(records[4].message,
              "項目が多すぎます(6個。このアンケートでは4個まで)。区切りと「記述文不要」の設定を確かめてください。");
    // The empty last line has an empty ID.
    EXPECT_EQ(records[5].message, "ID番号の指定が正しくありません:");
    for (size_t i = 1; i < records.size(); ++i)
        EXPECT_EQ(records[i].kind, Kind::Refused);
}

TEST_F(DelimitedImport, BrokenFilesAreRefusedLineByLine)
{
    Build(false);
    csv.quote = u'"';
    QByteArray binary(300, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 7);
    EXPECT_EQ(ReadAll(binary, Format::Delimited).front().status, "文字でないデータを含む行です");
    // A line longer than any record ends the reading there.
    const std::vector<ImportRecord> tooLong =
        ReadAll("1,1\r\n" + QByteArray(ImportLineLimit + 1, '1') + "\r\n2,1\r\n", Format::Delimited);
    ASSERT_EQ(tooLong.size(), 2u);
    EXPECT_EQ(tooLong[1].kind, ImportRecord::Kind::Failed);
    EXPECT_TRUE(tooLong[1].message.startsWith(QStringLiteral("行が長すぎます"))) << tooLong[1].message.toStdString();
    // A long ID field is shown only in part.
    EXPECT_EQ(Reply(QByteArray(50, 'x') + ",1"), "ID番号の指定が正しくありません:" + QString(40, u'x') + u'…');
}

}  // namespace
}  // namespace kz::test
