#include <gtest/gtest.h>

#include <QStringList>

#include "model/question_codes.h"
#include "reply/paragraph_table.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

const QString Rule = QStringLiteral("- - - - - - - - - - - - - -");
const QString ProcessRule = QStringLiteral("▲DLL実行 - - - - - - - - -");

// Q1 one answer, Q2 up to two answers; lines begin at Q1 and Q2, and the
// entry after them marks the end of the questionnaire.
class ParagraphTableTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(1, 3);
        SetQuestionText(0, QStringLiteral("性別"), QStringLiteral("あなたは？"));
        AddQuestion(2, 3);
        SetQuestionText(1, QStringLiteral("交通"), QStringLiteral("手段は？"));
        starts() = {};
        starts()[1] = MakeQC(1, 0);
        for (size_t k = 2; k < starts().size(); ++k)
            starts()[k] = MakeQC(2, 0);
    }
    std::array<Integer, MaxQuestions + 1>& starts() { return survey.ParagraphStart; }
    std::array<Integer, MaxQuestions + 1>& flags() { return survey.ParagraphExeDLL; }

    // Each row as kind, line and position: "L0", "S1:128", "E2".
    QStringList Shape()
    {
        QStringList shape;
        for (const ParagraphRow& row : ParagraphRows(workspace)) {
            const QString kind = row.kind == ParagraphRow::Line ? "L" : row.kind == ParagraphRow::Slot ? "S" : "E";
            shape << kind + QString::number(row.line)
                         + (row.kind == ParagraphRow::Slot ? ":" + QString::number(row.position) : QString());
        }
        return shape;
    }
};

TEST_F(ParagraphTableTest, RowsWalkTheAnswerSlotsWithALineRowWhereALineBegins)
{
    flags()[1] = -1;
    const std::vector<ParagraphRow> rows = ParagraphRows(workspace);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(Shape(), (QStringList{"L0", "S1:0", "L1", "S2:128", "S2:129", "E2"}));
    EXPECT_EQ(rows[0].text, "■第1行 " + Rule);
    EXPECT_EQ(rows[1].text, "Q1 性別 あなたは？");
    EXPECT_EQ(rows[2].text, "■第2行 " + ProcessRule);
    EXPECT_EQ(rows[3].text, "Q2 交通[1/2] 手段は？");
    EXPECT_EQ(rows[4].text, "Q2 交通[2/2] 手段は？");
    EXPECT_EQ(rows[5].text, "■第3行 " + Rule + "終わり");
}

TEST_F(ParagraphTableTest, ABreakInsideAQuestionStartsALineThere)
{
    flags()[2] = -1;
    ASSERT_TRUE(InsertParagraph(workspace, 2, MakeQC(1, 1)));
    EXPECT_EQ(Shape(), (QStringList{"L0", "S1:0", "L1", "S2:128", "L2", "S3:129", "E3"}));
    EXPECT_EQ(starts()[2], MakeQC(1, 1));
    EXPECT_EQ(starts()[3], MakeQC(2, 0));
    EXPECT_EQ(starts()[255], MakeQC(2, 0));
    // The new line keeps the flag of the line it was inserted before, which
    // moves up with that line.
    EXPECT_EQ(flags()[1], 0);
    EXPECT_EQ(flags()[2], -1);
    EXPECT_EQ(flags()[3], -1);

    RemoveParagraph(workspace, 1);
    EXPECT_EQ(Shape(), (QStringList{"L0", "S1:0", "S1:128", "L1", "S2:129", "E2"}));
    EXPECT_EQ(starts()[1], MakeQC(1, 1));
    EXPECT_EQ(flags()[1], -1);
}

TEST_F(ParagraphTableTest, InsertingShiftsTheTablesUpAndRepeatsEntry254)
{
    for (int k = 0; k <= LastParagraph; ++k) {
        starts()[static_cast<size_t>(k)] = static_cast<Integer>(k);
        flags()[static_cast<size_t>(k)] = static_cast<Integer>(k % 2 ? -1 : 0);
    }
    starts()[256] = 999;
    ASSERT_TRUE(InsertParagraph(workspace, 253, 700));
    EXPECT_EQ(starts()[252], 252);
    EXPECT_EQ(starts()[253], 700);
    EXPECT_EQ(starts()[254], 253);
    EXPECT_EQ(starts()[255], 253);  // the copy of entry 254
    EXPECT_EQ(starts()[256], 999);  // never touched
    EXPECT_EQ(flags()[254], -1);    // line 253's flag moved up

    // A slot whose following line is 254 or later takes no break.
    for (Integer k : {254, 255, 256})
        EXPECT_FALSE(InsertParagraph(workspace, k, 800)) << k;
    EXPECT_EQ(starts()[254], 253);
}

}  // namespace
}  // namespace kz
