#include <gtest/gtest.h>

#include <array>

#include "document/cmd_box.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

// Answers the question boxes with fixed marks.
class ChoosingUi : public UiSeam {
public:
    ChoosingUi() { installUi(this); }
    ~ChoosingUi() override { installUi(nullptr); }
    int messageBox(const QString&, int, const QString&) override { return vbOK; }
    void beep() override {}
    void setHourglass(bool) override {}
    void showProcessing(const QString&, const QString&, const QString&, bool, bool, bool) override {}
    bool setProcessingProgress(const QString&, float) override { return true; }
    void endProcessing() override {}
    void yieldToEvents() override {}
    bool qBoxSelectMany(const QString&, QList<bool>& chosen) override
    {
        chosen = {true, false, true, true};
        return true;
    }
    Integer qBoxSelect(const QString&, Integer first) override { return first; }
};

class CmdBoxTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        for (int q = 0; q < 4; ++q)
            AddQuestion(1, 2);
    }
};

TEST_F(CmdBoxTest, WithoutWindowsEveryBoxIsCancelled)
{
    QString text = "before";
    EXPECT_FALSE(InputBoxEx("t", "n", "r", "c", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(AskBox("a", "b", "c", "d"), 0);
    EXPECT_EQ(AskFolder(), "");
    EXPECT_EQ(QBoxSelect(survey, "p", 0), -1);
    EXPECT_EQ(FileDialog("/x/y.kz", "a|*.a|", 1), "");
    std::array<Integer, 4> selected{0, -1, 0, -1};
    QBoxSelectMany(survey, "p", selected);
    EXPECT_EQ(selected, (std::array<Integer, 4>{QBoxCancelled, -1, 0, -1}));
}

TEST_F(CmdBoxTest, QuestionBoxKeepsToTheQuestionsAndTheCallersArray)
{
    ChoosingUi ui;
    EXPECT_EQ(QBoxSelect(survey, "p", 3), 3);
    EXPECT_EQ(QBoxSelect(survey, "p", 4), -1);  // no question 4
    EXPECT_EQ(QBoxSelect(survey, "p", -1), -1);
    std::array<Integer, 2> shortMarks{5, 5};
    QBoxSelectMany(survey, "p", shortMarks);  // only what fits is written
    EXPECT_EQ(shortMarks, (std::array<Integer, 2>{-1, 0}));
    std::array<Integer, 5> marks{5, 5, 5, 5, 5};
    QBoxSelectMany(survey, "p", marks);
    EXPECT_EQ(marks, (std::array<Integer, 5>{-1, 0, -1, -1, 5}));
    std::span<Integer> none;
    QBoxSelectMany(survey, "p", none);  // nothing to write into, nothing happens
}

}  // namespace
}  // namespace kz
