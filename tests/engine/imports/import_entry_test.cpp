#include <gtest/gtest.h>

#include "answers/answer_report.h"
#include "host/settings.h"
#include "imports/import_entry.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/sample_table.h"
#include "model/workspace.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz::test {
namespace {

using Result = ImportedEntry::Result;

// Q0 one answer of 1-4, Q1 one of 1-2, one reply line each; IDs 10 to 12
// are this computer's.
class ImportEntry : public SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(1, 5);
        AddQuestion(1, 3);
        BuildLayout();
        for (size_t k = 0; k < survey.ParagraphStart.size(); ++k)
            survey.ParagraphStart[k] = MakeQC(Integer(std::min<size_t>(k, 2)), 0);
        settings.IDRangeLow = 10;
        settings.IDRangeHigh = 12;
    }
    ImportedEntry Enter(std::optional<Long> ID, const QString& reply)
    {
        QString text = reply + QStringLiteral("\r\n");
        const ImportedEntry entry = EnterImportedRecord(workspace, settings, ID, text, &silent);
        parsed = text;
        return entry;
    }
    QVector<Integer> Answers(Long Dno, Integer q)
    {
        Integer count = 0;
        QVector<Integer> codes;
        PopQuestionAnswers(workspace, Dno, q, count, codes);
        return codes.mid(0, count);
    }

    // The checks' findings go unshown, as while the import window is open.
    class SilentView : public ReplyView {
        bool wantsReports() const override { return false; }
        void markAnswer(int, int) override {}
        void restoreText() override {}
    } silent;
    ScriptedUi ui;
    QString parsed;
};

TEST_F(ImportEntry, ARecordBecomesANewSampleAsATypedReplyWould)
{
    const struct {
        std::optional<Long> ID;
        const char* reply;
        Result result;
        Long storedID;
        QVector<Integer> q0;
        int findings;
    } cases[] = {
        {5, "3\r\n1", Result::Stored, 5, {3}, 0},
        {std::nullopt, "2\r\n2", Result::Stored, 10, {2}, 0},
        {7, "4\r\n1", Result::Stored, 7, {4}, 0},
        // Choice 9 is none of Q0's: it goes, and that is a finding.
        {8, "9\r\n1", Result::Stored, 8, {0}, 1},
        {6, "1/x\r\n1", Result::Refused, 6, {0}, 0},
        {std::nullopt, "1\r\n1", Result::Stored, 11, {1}, 0},
        {5, "1\r\n1", Result::IDInUse, 5, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        const Long before = SampleCount(samples);
        const ImportedEntry entry = Enter(c.ID, QString::fromUtf8(c.reply));
        EXPECT_EQ(entry.result, c.result);
        EXPECT_EQ(entry.ID, c.storedID);
        EXPECT_EQ(entry.findings, c.findings);
        if (c.result == Result::IDInUse) {
            EXPECT_EQ(SampleCount(samples), before);
            continue;
        }
        // A refused reply leaves its new sample empty, waiting to be corrected.
        ASSERT_EQ(entry.Dno, FindSamplePos(samples.Samples, c.storedID));
        EXPECT_EQ(Answers(entry.Dno, 0), c.q0);
    }
    EXPECT_TRUE(document.modified);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(ImportEntry, ARefusalComesWithTheParsedTextAndWhereItFailed)
{
    const ImportedEntry entry = Enter(1, QStringLiteral("1/x"));
    EXPECT_EQ(entry.result, Result::Refused);
    EXPECT_EQ(entry.Status, "記述回答文が//でくくれていません。");
    EXPECT_EQ(entry.Caret, 2);
    EXPECT_EQ(parsed, "1/x\r\n");
}

TEST_F(ImportEntry, NoSampleIsMadeWithoutAFreeIDOrRoomInTheTable)
{
    for (Long ID : {10, 11, 12})
        AddSample(ID);
    EXPECT_EQ(Enter(std::nullopt, QStringLiteral("1")).result, Result::NoIDLeft);
    // Each sample of 32767 bytes: one more would take the table to 2^31.
    survey.SampleBytes = 32767;
    samples.Samples.resize(65'538);
    EXPECT_TRUE(SampleTableFull(workspace));
    EXPECT_EQ(Enter(100'000, QStringLiteral("1")).result, Result::TableFull);
    EXPECT_EQ(SampleCount(samples), 65'538);
    samples.Samples.resize(65'537);
    EXPECT_FALSE(SampleTableFull(workspace));
}

TEST(CorrectedRecords, TheNoteCountsThemAndNamesTheFirstFive)
{
    CorrectedRecords corrected;
    EXPECT_EQ(corrected.note(), "");
    corrected.add(4);
    EXPECT_EQ(corrected.note(), "回答を修正したサンプルが1件あります(ID 4)。");
    for (Long ID : {9, 12, 15, 20, 31})
        corrected.add(ID);
    EXPECT_EQ(corrected.note(), "回答を修正したサンプルが6件あります(ID 4, 9, 12, 15, 20 ほか)。");
    corrected.clear();
    EXPECT_EQ(corrected.note(), "");
}

}  // namespace
}  // namespace kz::test
