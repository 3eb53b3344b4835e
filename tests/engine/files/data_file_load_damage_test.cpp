// Damaged files: whatever the bytes, a load ends in a loaded questionnaire or
// a refusal, never in a crash or an access outside a table (the sanitizer
// build runs these too).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <random>

#include "document/menu_state.h"
#include "files/data_file_load.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "support/data_file_builder.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

class LoadDamageTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        SurveyFixture::SetUp();
        installUi(nullptr);  // every box answered, no job stopped
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("damaged.kz"));
    }
    Integer Load(const QByteArray& bytes)
    {
        EXPECT_TRUE(test::WriteBytes(path_, bytes));
        QString name = path_;
        return LoadDataFile(workspace, settings, name, OpenQuestionnaireMode);
    }
    // A loaded questionnaire must be usable: every sample sized to its
    // layout, its texts within its slots.
    void ExpectConsistent()
    {
        ASSERT_GE(survey.QuestionCount, 0);
        ASSERT_LE(survey.QuestionCount, MaxQuestions);
        if (SampleCount(samples) > 0) {
            ASSERT_EQ(samples.Samples.answerWords(), survey.AnoBytes / 2 + 1);
        }
        for (Long pos = 0; pos < SampleCount(samples); ++pos)
            for (const FreeTexts::Entry& entry : samples.Samples.texts(pos))
                ASSERT_LT(entry.slot, survey.EssayCount);
    }

    static constexpr Integer OpenQuestionnaireMode = 1;
    QTemporaryDir dir_;
    QString path_;
};

TEST_F(LoadDamageTest, EveryTruncationLoadsOnlyWhenTheSamplesAreComplete)
{
    for (Integer version : {Integer(1003), Integer(1002), Integer(1001)}) {
        SCOPED_TRACE(version);
        test::DataFileFixture withoutTail = test::RichDataFile(version);
        withoutTail.Tail.reset();
        const qsizetype samplesEnd = test::BuildDataFile(withoutTail).size();
        const QByteArray whole = test::BuildDataFile(test::RichDataFile(version));
        for (qsizetype length = 0; length < whole.size(); ++length) {
            const Integer result = Load(whole.left(length));
            // The tail may end at any field; anything shorter is a read error.
            ASSERT_EQ(result, length >= samplesEnd ? 1 : 0) << "length " << length;
            ExpectConsistent();
        }
    }
}

TEST_F(LoadDamageTest, RandomlyDamagedCopiesNeverBreakTheTables)
{
    std::mt19937 random(20240611);
    for (Integer version : {Integer(1003), Integer(1002), Integer(1001)}) {
        SCOPED_TRACE(version);
        const QByteArray whole = test::BuildDataFile(test::RichDataFile(version));
        std::uniform_int_distribution<qsizetype> position(0, whole.size() - 1);
        std::uniform_int_distribution<int> byte(0, 255);
        std::uniform_int_distribution<int> damages(1, 8);
        int loaded = 0;
        for (int copy = 0; copy < 1000; ++copy) {
            QByteArray bytes = whole;
            // Keep the header most of the time so that damage reaches the body.
            const qsizetype first = copy % 8 == 0 ? 0 : 40;
            for (int d = damages(random); d > 0; --d) {
                const qsizetype at = std::max(first, position(random));
                if (at < bytes.size())
                    bytes[at] = static_cast<char>(byte(random));
            }
            if (copy % 5 == 0)
                bytes.truncate(position(random));
            if (Load(bytes) == 1)
                ++loaded;
            ExpectConsistent();
        }
        // Some damage (in a text, a flag) leaves a loadable file.
        EXPECT_GT(loaded, 0);
    }
}

}  // namespace
}  // namespace kz
