// Shared ground of the saver and merge tests: a two-question questionnaire
// as a byte-built file, a temporary folder, a scripted UI and clean program
// state around each test.
//   SurveyFile(samples) describes the questionnaire with those samples;
//   DataFileTest::Open(fixture) writes it and loads it as the open one.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "document/menu_state.h"
#include "files/data_file_load.h"
#include "files/file_header.h"
#include "host/settings.h"
#include "model/document.h"
#include "model/question_codes.h"
#include "support/data_file_builder.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz::test {

// A question text as the loader keeps it: three lines, blank-padded to 128.
inline QString FixedQuestionText(const QString& label, const QString& sentence)
{
    return (label + u'\r' + sentence + u'\r' + u'\r').leftJustified(128, u' ');
}

// Q1: one answer of 男/女/その他 (free text); Q2: two answers of 読書/旅行/
// その他 (free text, the "other" choice), asked when Q1 is 男. Free-text
// slots: 0 for Q1, 1 and 2 for Q2. Stored limit 1: Q1 is 女.
inline std::vector<FixtureQuestion> TwoQuestions()
{
    FixtureQuestion q1;
    q1.Text = FixedQuestionText(QStringLiteral("Q1"), QStringLiteral("性別"));
    q1.Choices = {
        {QStringLiteral("男\r0\r0"), 0}, {QStringLiteral("女\r0\r0"), 0}, {QStringLiteral("その他\r0\r0"), 1}};
    FixtureQuestion q2;
    q2.Text = FixedQuestionText(QStringLiteral("Q2"), QStringLiteral("趣味"));
    q2.Condition = {{3, MakeQC(0, 1)}};
    q2.MaxAnswers = 2;
    q2.CodeStyle = 1;
    q2.Choices = {
        {QStringLiteral("読書\r0\r0"), 0}, {QStringLiteral("旅行\r1\r10"), 0}, {QStringLiteral("その他\r0\r0"), 9}};
    return {q1, q2};
}

struct SampleContents {
    Long id = 0;
    std::vector<std::vector<Integer>> answers;
    std::vector<std::pair<Integer, QString>> texts;  // (slot, text)
    Integer flags = 0;
};

inline DataFileFixture SurveyFile(const std::vector<SampleContents>& list)
{
    DataFileFixture f;
    f.Title = QStringLiteral("通勤調査");
    f.Author = QStringLiteral("総務課");
    f.Questions = TwoQuestions();
    f.Limits[0] = {{3, MakeQC(0, 2)}};
    f.ParagraphStarts = {0, MakeQC(1, 0), MakeQC(1, 0)};
    f.CheckOptions = 7;
    for (const SampleContents& s : list)
        f.Samples.push_back({s.id, s.flags, PackAnswers(f.Questions, s.answers), s.texts, std::nullopt});
    f.Tail = FixtureTail{3, QStringLiteral("commute"), 1, true, std::vector<Integer>{1}, QStringLiteral("qexolin")};
    return f;
}

class DataFileTest : public ::testing::Test, private OwnState, public SurveyState {
protected:
    DataFileTest() : SurveyState(ownWorkspace, ownSettings) {}

    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        Reset();
    }
    void TearDown() override { Reset(); }

    QString path(const QString& name) const { return folder_.filePath(name); }

    // Writes the fixture as `name` and opens it as the questionnaire.
    void Open(const DataFileFixture& fixture, const QString& name = QStringLiteral("base.kz"))
    {
        ASSERT_TRUE(WriteDataFile(path(name), fixture));
        QString file = path(name);
        ASSERT_EQ(LoadDataFile(workspace, settings, file, OpenQuestionnaire), 1);
    }

    static QByteArray ReadAll(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QStringList FolderEntries(const QString& sub = {}) const
    {
        return QDir(path(sub)).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir folder_;
    ScriptedUi ui_;
};

}  // namespace kz::test
