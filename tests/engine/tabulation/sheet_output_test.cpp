// The text and HTML outputs of a result sheet: the selection text, the
// text file and the HTML page of count and listing sheets, in natural and
// count order, in each percent mode, with markup characters in the texts.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "sheet_fixture.h"
#include "tabulation/sheet_html.h"
#include "tabulation/sheet_text.h"
#include "texts/condition_texts.h"

namespace kz {
namespace {

using test::Gender;
using test::Orders;
using test::Request;
using test::Row;

constexpr Integer Req = test::Required;

// A grid's cells by (row, col); missing cells are empty.
using Cells = std::map<std::pair<int, int>, QString>;

CellText Reader(const Cells& cells)
{
    return [&cells](int row, int col) {
        const auto it = cells.find({row, col});
        return it == cells.end() ? QString() : it->second;
    };
}

TEST(SelectionTextTest, CellsAreTabSeparatedAndKeepToOneLine)
{
    const Cells cells = {
        {{1, 0}, "a"}, {{1, 1}, "b\tc"}, {{1, 2}, "x"}, {{2, 0}, "行1\r\n行2"}, {{2, 1}, "p\nq\rr"}, {{3, 0}, "z"},
    };
    EXPECT_EQ(SelectionText(Reader(cells), 1, 0, 2, 1), "a\tb c\r\n行1 行2\tp q r\r\n");
    EXPECT_EQ(SelectionText(Reader(cells), 1, 2, 1, 2), "x\r\n");
    EXPECT_EQ(SelectionText(Reader(cells), 3, 0, 3, 1), "z\t\r\n");
    EXPECT_EQ(SheetTextFile("A", "a\tb\r\n"), "A\r\na\tb\r\n\r\n");
}

class SheetHtmlTest : public test::CafeSheetTest {
protected:
    void SetUp() override
    {
        CafeSheetTest::SetUp();
        survey.Title = QStringLiteral("カフェ");
    }

    // The lines of the page between <body> and </form>.
    static QStringList Body(const QString& html)
    {
        QStringList lines = html.split(QStringLiteral("\r\n"));
        const qsizetype body = lines.indexOf(QStringLiteral("<body>"));
        const qsizetype form = lines.indexOf(QStringLiteral("</form>"));
        return lines.mid(body + 1, form - body - 1);
    }

    QStringList CountBody(const TotalOptionRec& option, const DisplayMenus& menus)
    {
        const CountSheet sheet = Run(option, menus);
        return Body(SheetHtml(survey, sheet, Reader(Cells{}), 0, 0));
    }

    QString NoCondition() { return ConditionText(survey, Condition{}, false); }
};

TEST_F(SheetHtmlTest, ACountSheetIsAWholePage)
{
    const CountSheet sheet = Run(Request(Gender, Gender), {0, false, false});
    const QString none = NoCondition();
    EXPECT_EQ(SheetHtml(survey, sheet, Reader(Cells{}), 0, 0),
              "<html>\r\n"
              "<head>\r\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=x-sjis\">\r\n"
              "<title>カフェ</title>\r\n"
              "</head> \r\n"
              "<body>\r\n"
              "<H2>男女のどちらですか。</H2>\r\n"
              "<TABLE BORDER=\"1\">\r\n"
              "<TR><TH ALIGN=\"left\">[全体の限定]</TH><TD COLSPAN=\"2\" width=200>"
                  + none
                  + "</TD></TR>\r\n"
                    "<TR><TH ALIGN=\"left\">[個別の限定]</TH><TD width=100>"
                  + none
                  + "</TD>\r\n"
                    "<TR><TH ALIGN=\"left\">男性</TH><TD ALIGN=\"right\">3</TD></TR>\r\n"
                    "<TR><TH ALIGN=\"left\">女性</TH><TD ALIGN=\"right\">2</TD></TR>\r\n"
                    "<TR><TH ALIGN=\"left\">無回答</TH><TD ALIGN=\"right\">1</TD></TR>\r\n"
                    "<TR><TH ALIGN=\"left\">[人数]</TH><TD ALIGN=\"right\">6</TD></TR>\r\n"
                    "</TABLE>\r\n"
                    "<BR>\r\n"
                    "</form>\r\n"
                    "</body>\r\n"
                    "</html>\r\n");
}

TEST_F(SheetHtmlTest, EachPercentModeWritesItsCells)
{
    struct Case {
        int percentItem;
        bool spacers;
        const char* columnCell;
        QStringList values;  // the value cells of 男性, 女性, 無回答 and the base
    };
    const QString r = QStringLiteral("<TD ALIGN=\"right\">");
    const auto cells = [&r](std::initializer_list<const char*> texts) {
        QString line;
        for (const char* text : texts)
            line += r + QString::fromUtf8(text) + "</TD>";
        return line;
    };
    const Case cases[] = {
        {0, false, "<TD width=100>", {cells({"3"}), cells({"2"}), cells({"1"}), cells({"6"})}},
        {1,
         false,
         "<TD COLSPAN=\"2\" width=200>",
         {cells({"3", "50.0%"}), cells({"2", "33.3%"}), cells({"1", "16.7%"}), cells({"6", "100.0%"})}},
        {2, true, "<TD width=100>", {cells({"50.0%"}), cells({"33.3%"}), cells({"16.7%"}), cells({"100.0%"})}},
        {-1, false, "<TD width=100>", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        const QStringList body = CountBody(Request(Gender, Gender), {c.percentItem, false, c.spacers});
        ASSERT_EQ(body.size(), 10) << c.percentItem;
        EXPECT_EQ(body[3], "<TR><TH ALIGN=\"left\">[個別の限定]</TH>" + QString::fromUtf8(c.columnCell)
                               + NoCondition() + "</TD>");
        const char* labels[] = {"男性", "女性", "無回答", "[人数]"};
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(body[4 + k],
                      "<TR><TH ALIGN=\"left\">" + QString::fromUtf8(labels[k]) + "</TH>" + c.values[k] + "</TR>")
                << c.percentItem;
    }
}

TEST_F(SheetHtmlTest, EveryCountStaysBesideItsOwnLabelWhenOrderedByCount)
{
    // Men and women order their choices differently: each column's count
    // is found by the label's choice.
    const TotalOptionRec option =
        Request(Orders, Orders,
                {test::MakeCondition(0, {Row(Req, Gender, 1)}), test::MakeCondition(0, {Row(Req, Gender, 2)})});
    const auto row = [](const char* label, const char* men, const char* women) {
        return QStringLiteral("<TR><TH ALIGN=\"left\">") + QString::fromUtf8(label) + "</TH><TD ALIGN=\"right\">"
               + men + "</TD><TD ALIGN=\"right\">" + women + "</TD></TR>";
    };
    const QString coffee = row("コーヒー", "2", "0");
    const QString tea = row("紅茶", "2", "1");
    const QString cake = row("ケーキ", "1", "0");
    const QString other = row("その他", "0", "1");
    const QString none = row("無回答", "1", "0");
    const QString base = row("[人数]", "3", "2");
    // The men's order: natural, then by count (無回答 1 before その他 0).
    const std::pair<bool, QStringList> cases[] = {
        {false, {coffee, tea, cake, other, none, base}},
        {true, {coffee, tea, cake, none, other, base}},
    };
    for (const auto& [byCount, rows] : cases)
        EXPECT_EQ(CountBody(option, {0, byCount, false}).mid(4, 6).join("\n").toStdString(),
                  rows.join("\n").toStdString());
}

TEST_F(SheetHtmlTest, RankAndRoughCountAreNamed)
{
    TotalOptionRec option = Request(Orders, Orders);
    option.Rank = 2;
    option.Rough = true;
    const QStringList body = CountBody(option, {0, false, false});
    EXPECT_EQ(body[0], "<H2>よく注文するものは。［3つまで］(2位)</H2>");
    EXPECT_EQ(body[9].toStdString(), "<TR><TH ALIGN=\"left\">[粗集計人数]</TH><TD ALIGN=\"right\">6</TD></TR>");
}

TEST_F(SheetHtmlTest, MarkupCharactersInTextsAreEscaped)
{
    survey.Title = QStringLiteral("<b>A&B</b>");
    SetQuestionText(Gender, QStringLiteral("性別"), QStringLiteral("\"男\"<女>&"));
    survey.Choices(Gender, 1).Text = QStringLiteral("<i>男性</i>");
    const CountSheet sheet = Run(Request(Gender, Gender), {0, false, false});
    const QString html = SheetHtml(survey, sheet, Reader(Cells{}), 0, 0);
    EXPECT_TRUE(html.contains("<title>&lt;b&gt;A&amp;B&lt;/b&gt;</title>\r\n"));
    EXPECT_TRUE(html.contains("<H2>&quot;男&quot;&lt;女&gt;&amp;</H2>\r\n"));
    EXPECT_TRUE(html.contains("<TR><TH ALIGN=\"left\">&lt;i&gt;男性&lt;/i&gt;</TH>"));
}

TEST_F(SheetHtmlTest, AListingWritesItsRowsFromRowThree)
{
    CountSheet sheet;
    sheet.SheetOption.Kind = TotalFreeTexts;
    sheet.SheetOption.Qno = Orders;
    const Cells cells = {
        {{0, 0}, "ＩＤ"}, {{1, 0}, "見出し"},  {{2, 0}, "[全体の限定]"},
        {{4, 0}, "1"},    {{4, 1}, "その他"},  {{4, 2}, "<i>苦い</i> & \"甘い\""},
        {{4, 3}, "満足"}, {{5, 0}, "のべ1人"},
    };
    EXPECT_EQ(Body(SheetHtml(survey, sheet, Reader(cells), 6, 4)),
              QStringList({
                  "<H2>よく注文するものは。［3つまで］</H2>",
                  NoCondition() + "<BR>",
                  "<TABLE BORDER=\"1\">",
                  "<TR><TH ALIGN=\"right\"></TH><TH ALIGN=\"center\"></TH><TH ALIGN=\"center\"></TH>"
                  "<TH ALIGN=\"center\"></TH></TR>",
                  "<TR><TH ALIGN=\"right\">1</TH><TH ALIGN=\"center\">その他</TH>"
                  "<TH ALIGN=\"center\">&lt;i&gt;苦い&lt;/i&gt; &amp; &quot;甘い&quot;</TH>"
                  "<TH ALIGN=\"center\">満足</TH></TR>",
                  "<TR><TH ALIGN=\"right\">のべ1人</TH><TH ALIGN=\"center\"></TH><TH ALIGN=\"center\"></TH>"
                  "<TH ALIGN=\"center\"></TH></TR>",
                  "</TABLE>",
                  "<BR>",
              }));
    // Three rows or fewer: an empty table.
    const QStringList empty = Body(SheetHtml(survey, sheet, Reader(cells), 3, 4));
    EXPECT_EQ(empty.mid(2), QStringList({"<TABLE BORDER=\"1\">", "</TABLE>", "<BR>"}));
}

}  // namespace
}  // namespace kz
