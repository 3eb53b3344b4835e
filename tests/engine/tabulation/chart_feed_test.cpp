// What a count sheet of the café questionnaire sends to the chart for a cell.
#include <cmath>

#include "tabulation/chart_feed.h"
#include "tabulation/sheet_fixture.h"
#include "texts/question_texts.h"

namespace kz::test {
namespace {

const Condition Men = MakeCondition(0, {Row(Required, Gender, 1)});
const Condition Women = MakeCondition(0, {Row(Required, Gender, 2)});

class ChartFeedTest : public CafeSheetTest {
protected:
    // The grid row of the i-th choice row of q's block.
    int ChoiceRow(const CountSheet& sheet, Integer q, int i) const
    {
        return sheet.result.RowStart[q] + BlockHeadRows + i;
    }
    std::optional<ChartFeed> Feed(const CountSheet& sheet, int row, int col = 0)
    {
        return FeedChart(survey, sheet, options, row, col, state);
    }
    // Each data row as label followed by its values.
    static QStringList Rows(const ChartFeed& feed)
    {
        QStringList rows;
        for (const QVariantList& row : feed.data) {
            QStringList cells;
            for (const QVariant& cell : row)
                cells << cell.toString();
            rows << cells.join(u'|');
        }
        return rows;
    }

    ChartFeedOptions options;
    ChartFeedState state;
};

TEST_F(ChartFeedTest, AChoiceRowSendsItsQuestionsChoicesWithCountsInEveryColumn)
{
    const CountSheet sheet = Run(Request(Orders, Orders, {Men, Women}));
    const std::optional<ChartFeed> feed = Feed(sheet, ChoiceRow(sheet, Orders, 1));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title, QuestionHeading(survey, Orders, HeadingText | HeadingMax));
    EXPECT_TRUE(feed->title.startsWith(QStringLiteral("よく注文するものは。")));
    EXPECT_EQ(Rows(*feed), QStringList({QStringLiteral("|%1|%2").arg(sheet.ColumnText[0], sheet.ColumnText[1]),
                                        "コーヒー|2|0", "紅茶|2|1", "ケーキ|1|0", "その他|0|1", "無回答|1|0"}));
    EXPECT_EQ(state.LastGraphQ, Orders);
}

TEST_F(ChartFeedTest, OnlyANewQuestionOrAForcedResendSends)
{
    const CountSheet sheet = Run(Request(Gender, Orders, {Men, Women}));
    const int headingRow = sheet.result.RowStart[Orders];
    struct Case {
        const char* what;
        int row;
        bool sent;
    };
    const Case cases[] = {
        {"the heading row", headingRow, false},
        {"a choice of the first question", ChoiceRow(sheet, Gender, 0), true},
        {"another choice of the same question", ChoiceRow(sheet, Gender, 1), false},
        {"the no-answer row of another question", ChoiceRow(sheet, Orders, 4), false},
        {"the base row", ChoiceRow(sheet, Orders, 5), false},
        {"a choice of another question", ChoiceRow(sheet, Orders, 0), true},
        {"out of the grid", sheet.result.rows + 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Feed(sheet, c.row).has_value(), c.sent) << c.what;
    state.LastGraphQ = -1;
    EXPECT_TRUE(Feed(sheet, ChoiceRow(sheet, Orders, 0))) << "LastGraphQ -1 forces the next sending";
}

TEST_F(ChartFeedTest, OneColumnSendsTheColumnUnderTheCursorWithItsCondition)
{
    const CountSheet sheet = Run(Request(Orders, Orders, {Men, Women}));
    options.oneColumn = true;
    const int row = ChoiceRow(sheet, Orders, 0);
    const int womenCol = sheet.columns.ColStart[1];
    const std::optional<ChartFeed> women = Feed(sheet, row, womenCol);
    ASSERT_TRUE(women);
    EXPECT_TRUE(women->title.endsWith(QLatin1Char('[') + sheet.ColumnText[1] + QLatin1Char(']')));
    // Only the choices the women named.
    EXPECT_EQ(Rows(*women).mid(1), QStringList({"紅茶|1", "その他|1"}));
    EXPECT_EQ(state.LastGraphCol, 1);
    EXPECT_FALSE(Feed(sheet, row, womenCol + 1)) << "the same column";
    EXPECT_TRUE(Feed(sheet, row, 0)) << "the same question in another column";
    // The spare column after the last block belongs to the last one.
    EXPECT_TRUE(Feed(sheet, row, sheet.columns.ColStart.back() - 1));
    EXPECT_EQ(state.LastGraphCol, 1);
}

TEST_F(ChartFeedTest, SendingAgainTakesTheShownQuestionAndColumnFromTheResultAsItStands)
{
    // Those who ordered nothing, ordered by count: the no-answer row comes
    // first and cannot name the question.
    const Condition noOrder = MakeCondition(0, {Row(Required, Orders, 0)});
    const CountSheet sheet = Run(Request(Gender, Orders, {noOrder, Women}), {1, true, false});
    ASSERT_EQ(QCChoice(sheet.result.code(0, ChoiceRow(sheet, Orders, 0))), 0);
    options.oneColumn = true;
    struct Case {
        const char* what;
        Integer shownQ;
        int shownCol;
        QStringList rows;  // empty: nothing is sent
    };
    const Case cases[] = {
        {"nothing shown", -1, 0, {}},
        {"a question of the sheet", Orders, 0, {"無回答|2", "コーヒー|0"}},
        {"in the column shown", Orders, 1, {"紅茶|1", "その他|1"}},
        {"a question the sheet no longer counts", Satisfaction, 0, {}},
    };
    for (const Case& c : cases) {
        state = {Orders, 0, c.shownQ, c.shownCol};
        const std::optional<ChartFeed> feed = FeedChartAgain(survey, sheet, options, state);
        ASSERT_EQ(feed.has_value(), !c.rows.isEmpty()) << c.what;
        if (feed) {
            EXPECT_EQ(Rows(*feed).mid(1), c.rows) << c.what;
            EXPECT_EQ(state.LastGraphCol, c.shownCol) << c.what;
        }
    }
}

TEST_F(ChartFeedTest, AnUnconditionedSingleColumnKeepsThePlainTitle)
{
    const CountSheet sheet = Run(Request(Gender, Gender));
    ASSERT_EQ(sheet.ColumnText[0], "条件なし");
    const std::optional<ChartFeed> feed = Feed(sheet, ChoiceRow(sheet, Gender, 0));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title, QuestionHeading(survey, Gender, HeadingText | HeadingMax));
}

TEST_F(ChartFeedTest, FewerThanTwoChoicesWithCountsAreFilledUpFromTheLowestChoice)
{
    // Only 女性 has a count among the women; 無回答 (choice 0) fills up.
    const CountSheet women = Run(Request(Gender, Gender, {Women}));
    const std::optional<ChartFeed> feed = Feed(women, ChoiceRow(women, Gender, 1));
    ASSERT_TRUE(feed);
    EXPECT_EQ(Rows(*feed).mid(1), QStringList({"女性|2", "無回答|0"}));

    // Nobody counted: still two rows.
    state = {};
    const CountSheet nobody = Run(Request(Satisfaction, Satisfaction, {Women}));
    const std::optional<ChartFeed> empty = Feed(nobody, ChoiceRow(nobody, Satisfaction, 0));
    ASSERT_TRUE(empty);
    EXPECT_EQ(Rows(*empty).mid(1), QStringList({"満足|0", "無回答|0"}));
}

TEST_F(ChartFeedTest, ChartMenusReverseTheRowsAndUseShares)
{
    const CountSheet sheet = Run(Request(Orders, Orders, {Men, Women}));
    options.reverse = true;
    options.percentLabels = true;
    options.percentValues = true;
    const std::optional<ChartFeed> feed = Feed(sheet, ChoiceRow(sheet, Orders, 0));
    ASSERT_TRUE(feed);
    ASSERT_EQ(feed->data.size(), 6);
    // Labels carry the share in the first column (men: 3), values are
    // unrounded percentages of each column's base.
    EXPECT_EQ(feed->data[1][0].toString(), "無回答33%");
    EXPECT_EQ(feed->data[5][0].toString(), "コーヒー67%");
    EXPECT_DOUBLE_EQ(feed->data[5][1].toDouble(), 200.0 / 3);
    EXPECT_DOUBLE_EQ(feed->data[2][2].toDouble(), 50.0);  // その他: 1 of 2 women
}

TEST_F(ChartFeedTest, AColumnWithoutSamplesGivesZeroSharesNotNaN)
{
    // Satisfaction is asked of men only: the women's column has base 0.
    const CountSheet sheet = Run(Request(Satisfaction, Satisfaction, {Women, Men}));
    options.percentLabels = true;
    options.percentValues = true;
    const std::optional<ChartFeed> feed = Feed(sheet, ChoiceRow(sheet, Satisfaction, 0));
    ASSERT_TRUE(feed);
    for (qsizetype i = 1; i < feed->data.size(); ++i) {
        EXPECT_TRUE(feed->data[i][0].toString().endsWith(QStringLiteral("0%")))
            << feed->data[i][0].toString().toStdString();
        EXPECT_EQ(feed->data[i][1].toDouble(), 0.0);
        EXPECT_FALSE(std::isnan(feed->data[i][2].toDouble()));
    }
}

TEST_F(ChartFeedTest, LongTextsAreCutTo80Characters)
{
    SetQuestionText(Gender, QStringLiteral("性別"), QString(100, u'長'));
    survey.Choices(Gender, 1).Text = QString(90, u'男');
    const CountSheet sheet = Run(Request(Gender, Gender));
    const std::optional<ChartFeed> feed = Feed(sheet, ChoiceRow(sheet, Gender, 0));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->title.size(), 80);
    EXPECT_EQ(feed->data[1][0].toString(), QString(80, u'男'));
}

}  // namespace
}  // namespace kz::test
