#include <gtest/gtest.h>

#include "document/questionnaire_info.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

class QuestionnaireInfoTest : public test::SurveyFixture {};

TEST_F(QuestionnaireInfoTest, FileMemoryAndIdsInPlainDecimal)
{
    document.CurrentFilePath = QStringLiteral("/data/調査.kz");
    settings.IDRangeLow = 1000;
    settings.IDRangeHigh = 1999;
    struct Case {
        Integer sampleBytes;
        Long samples;
        Long cursor;
        QuestionnaireInfo shown;
    };
    const Case cases[] = {
        {12, 0, -1, {"/data/調査.kz", "12 byte", "0 人", "0 byte", "1000", "1999", "(未発行)"}},
        {12, 3, 1002, {"/data/調査.kz", "12 byte", "3 人", "36 byte", "1000", "1999", "1002"}},
        // Beyond what 32 bits hold.
        {32000, 200000, 0, {"/data/調査.kz", "32000 byte", "200000 人", "6400000000 byte", "1000", "1999", "0"}},
    };
    for (const Case& c : cases) {
        survey.SampleBytes = c.sampleBytes;
        samples.Samples.resize(c.samples);
        samples.NextIDCursor = c.cursor;
        const QuestionnaireInfo info = DescribeQuestionnaire(workspace, settings);
        SCOPED_TRACE(c.shown.memoryUse.toStdString());
        EXPECT_EQ(info.fileName, c.shown.fileName);
        EXPECT_EQ(info.sampleBytes, c.shown.sampleBytes);
        EXPECT_EQ(info.sampleCount, c.shown.sampleCount);
        EXPECT_EQ(info.memoryUse, c.shown.memoryUse);
        EXPECT_EQ(info.idFrom, c.shown.idFrom);
        EXPECT_EQ(info.idTo, c.shown.idTo);
        EXPECT_EQ(info.lastID, c.shown.lastID);
    }
}

}  // namespace
}  // namespace kz
