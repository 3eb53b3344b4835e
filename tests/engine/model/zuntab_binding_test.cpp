#include <gtest/gtest.h>

#include <QFile>

#include <cstdlib>

#include "answers/answer_counting.h"
#include "host/program_folder.h"
#include "model/answer_store.h"
#include "model/limit_eval.h"
#include "model/zuntab_binding.h"
#include "support/impostor_zuntab.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

class ZuntabBindingTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(2, 4);
        BuildLayout();
        sample = AddSample(1);
    }
    void TearDown() override
    {
        zuntab::BindLibraryForTest({});
        test::SurveyFixture::TearDown();
    }

    Long sample = 0;
};

TEST_F(ZuntabBindingTest, MissingLibraryIsReportedOnceAndEveryCallFallsBackSafely)
{
    zuntab::BindLibraryForTest("libkz_no_such_library.so");
    test::ScriptedUi ui;
    ui.expectBox(vbOK);

    samples.Samples.answers(sample)[0] = 0x1234;
    Integer count = 0;
    QVector<Integer> codes{7, 7};
    PopQuestionAnswers(workspace, sample, 0, count, codes);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_TRUE(ui.boxes()[0].prompt.contains("libkz_no_such_library.so"));
    EXPECT_EQ(ui.boxes()[0].style, vbExclamation);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(codes[0], 0);

    samples.Samples.setFlags(sample, -1);
    PushQuestionAnswers(workspace, sample, 0, 2, {1, 2});
    EXPECT_EQ(samples.Samples.answers(sample)[0], 0x1234);
    EXPECT_EQ(samples.Samples.flags(sample), 0);  // no limit can be met
    EXPECT_FALSE(DoLimit(workspace, sample, test::MakeCondition(0, {})));

    QVector<Integer> counts{5};
    PopSampleAnswers(workspace, sample, counts, codes);
    EXPECT_EQ(counts[0], 1);
    EXPECT_EQ(codes[0], 0);
    ChoiceCounts choices{};
    const Long positions[] = {0};
    EXPECT_EQ(CountAnswers(workspace, test::MakeCondition(0, {}), 0, 0, 0, 1, choices), 0);
    EXPECT_EQ(CountAnswers(workspace, test::MakeCondition(0, {}), 0, 0, positions, choices), 0);
    const Condition conds[] = {test::MakeCondition(0, {})};
    const Integer questions[] = {0};
    Long base = 0;
    CountAnswers(workspace, conds, questions, 0, 0, 1, {&choices, 1}, {&base, 1});
    EXPECT_EQ(base, 0);
    EXPECT_EQ(choices, ChoiceCounts{});
    EXPECT_EQ(zuntab::KZStringAlloc("ab", 2), nullptr);
    EXPECT_EQ(ui.boxes().size(), 1u);
}

TEST_F(ZuntabBindingTest, MissingRoutineIsReportedByName)
{
    zuntab::BindLibraryForTest("libm.so.6");  // loads, but exports none of zuntab's routines
    test::ScriptedUi ui;
    ui.expectBox(vbOK);
    ui.expectBox(vbOK);

    EXPECT_FALSE(DoLimit(workspace, sample, test::MakeCondition(0, {})));
    Integer count = 0;
    QVector<Integer> codes;
    PopQuestionAnswers(workspace, sample, 0, count, codes);
    PopQuestionAnswers(workspace, sample, 0, count, codes);

    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_TRUE(ui.boxes()[0].prompt.contains("lmDoC"));
    EXPECT_TRUE(ui.boxes()[1].prompt.contains("maAno_popC"));
    EXPECT_TRUE(ui.boxes()[1].prompt.contains("libm.so.6"));
    EXPECT_EQ(ui.boxes()[1].style, vbExclamation);
}

TEST_F(ZuntabBindingTest, LibraryBesideTheProgramIsFoundByName)
{
    test::ScriptedUi ui;  // any box fails the test
    const KZString s = zuntab::KZStringAlloc("abc", 3);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(zuntab::KZStringLength(s), 3);
    EXPECT_STREQ(s, "abc");
    zuntab::KZStringFree(s);
    EXPECT_TRUE(DoLimit(workspace, sample, test::MakeCondition(0, {})));
}

TEST_F(ZuntabBindingTest, TheLibraryIsBoundFromTheProgramFolderWhateverLdLibraryPathSays)
{
    // The loader reads LD_LIBRARY_PATH when a program starts, so a program
    // started with it binds zuntab and tells which one it got.
    const test::ImpostorZuntabFolder impostor;
    const QByteArray command = "LD_LIBRARY_PATH='" + QFile::encodeName(impostor.path()) + "' '"
                               + QFile::encodeName(AppDir() + "zuntab_binding_probe") + "'";
    EXPECT_EQ(std::system(command.constData()), 0);
}

}  // namespace
}  // namespace kz
