// Page files: the bytes of a count page and a listing page against fixtures
// written from the layout, what reading a page takes over, and the pages
// that are refused (cut, run on, or not fitting the questionnaire).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>

#include "files/file_commit.h"
#include "files/file_header.h"
#include "model/question_codes.h"
#include "sheet_fixture.h"
#include "support/data_file_builder.h"
#include "tabulation/free_text_listing.h"
#include "tabulation/page_file.h"

namespace kz {
namespace {

using test::FieldWriter;
using test::Gender;
using test::Orders;
using test::Request;
using test::Row;
using test::Satisfaction;

constexpr Integer Req = test::Required;

QByteArray Written(const PageContents& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    WritePage(out, page);
    EXPECT_TRUE(out.ok());
    return buffer.data();
}

void ExpectCondition(FieldWriter& expected, const Condition& cond)
{
    for (const LimitItem& item : cond) {
        expected.integer(item.KindRank);
        expected.integer(item.Code);
    }
}

// Reads a page as the sheet does after the header; nullopt when refused.
std::optional<PageRequest> Read(const Survey& questionnaire, const QByteArray& bytes, QString* why = nullptr,
                                const TotalOptionRec& current = TotalOptionRec{})
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(buffer);
    if (ClassifyFile(in).kind != FileKind::PageFile)
        return std::nullopt;
    QString refusal;
    std::optional<PageRequest> page = ReadPage(in, questionnaire, current, refusal);
    EXPECT_EQ(page.has_value(), refusal.isEmpty());
    if (why)
        *why = refusal;
    return page;
}

class PageFileTest : public test::CafeSheetTest {
protected:
    // Q1 性別 of the men, split by those who ordered コーヒー; counts and
    // percentages, ordered by count.
    PageContents CountPage()
    {
        TotalOptionRec option = Request(Gender, Gender, {test::MakeCondition(0, {Row(Req, Orders, 1)})});
        option.Limits[0] = test::MakeCondition(0, {Row(Req, Gender, 1)});
        option.Title = QStringLiteral("(題名)");
        PageContents page;
        page.basePath = QStringLiteral("/data/カフェ.kz");
        page.questionnaireTitle = QStringLiteral("カフェ");
        page.sheetTitle = QStringLiteral("集計結果");
        page.option = option;
        page.DisplayOptions = ShowCounts | ShowPercents | OrderByCount;
        const CountSheet sheet = Run(option, {1, true, false});
        page.option = sheet.SheetOption;
        page.result = sheet.result;
        return page;
    }

    // The listing of Q2 紅茶 (XQno 2) with Q3 referenced; ToQno left at 2
    // by an earlier request.
    static PageContents ListingPage()
    {
        PageContents page;
        page.basePath = QStringLiteral("a.kz");
        page.questionnaireTitle = QStringLiteral("カフェ");
        page.sheetTitle = QStringLiteral("一覧");
        page.option.Kind = TotalFreeTexts;
        page.option.Qno = Orders;
        page.option.ToQno = Satisfaction;
        page.option.XQno = 2;
        page.option.CrossMode = 5;
        page.option.Rank = 1;
        page.option.Limits[0] = test::MakeCondition(0, {Row(Req, Gender, 2)});
        page.DisplayOptions = ShowCounts | ShowPercents;
        page.RefQuestions = {Satisfaction};
        page.grid.rows = 3;
        page.grid.colWidths = {1000, 1200, 3000};
        page.grid.rowHeights = {600, 240};
        page.grid.columns = {{"Q2", "2"}, {"", "紅茶"}, {"", "熱い"}};
        return page;
    }
};

TEST_F(PageFileTest, CountPageIsWrittenFieldByField)
{
    const PageContents page = CountPage();
    FieldWriter expected;
    expected.integer(0);
    expected.reversed(QStringLiteral("Kelvor Zuntab PageData Since 95.10"));
    expected.plain(QStringLiteral("/data/カフェ.kz"));
    expected.plain(QStringLiteral("カフェ"));
    expected.integer(0);  // not a listing
    expected.plain(QStringLiteral("集計結果"));
    expected.integer(Gender);  // Qno
    expected.integer(Gender);  // ToQno
    expected.integer(7);       // counts and percentages, ordered by count
    expected.integer(0);       // not rough
    expected.integer(0);       // rank
    expected.integer(1);       // one individual condition
    ExpectCondition(expected, test::MakeCondition(0, {Row(Req, Orders, 1)}));
    ExpectCondition(expected, test::MakeCondition(0, {Row(Req, Gender, 1)}));
    expected.integer(1);  // RowStart(Q1)
    expected.integer(9);  // RowStart(Q2): 3 choices + 5 rows later
    // Rows 0 .. 10: the fixed row, three header rows, 男性 2, 女性 0,
    // 無回答 0 (ordered by count), the base 2, the separator, two spare rows.
    const Integer header = static_cast<Integer>(MakeQC(Gender, 0) - 32768);
    const std::pair<Integer, Long> cells[] = {
        {0, 0},
        {header, 0},
        {header, 0},
        {header, 0},
        {MakeQC(Gender, 1), 2},
        {MakeQC(Gender, 2), 0},
        {MakeQC(Gender, 0), 0},
        {0, 2},
        {header, 0},
        {0, 0},
        {0, 0},
    };
    for (const auto& [code, count] : cells) {
        expected.integer(code);
        expected.longInt(count);
    }
    EXPECT_EQ(Written(page).toHex(' ').toStdString(), expected.bytes().toHex(' ').toStdString());
}

TEST_F(PageFileTest, ListingPageStoresItsChoiceTheReferencedQuestionsAndTheGrid)
{
    FieldWriter expected;
    expected.integer(0);
    expected.reversed(QStringLiteral("Kelvor Zuntab PageData Since 95.10"));
    expected.plain(QStringLiteral("a.kz"));
    expected.plain(QStringLiteral("カフェ"));
    expected.integer(1);  // a listing
    expected.plain(QStringLiteral("一覧"));
    expected.integer(Orders);  // Qno
    expected.integer(2);       // XQno, not the stale ToQno
    expected.integer(3);
    expected.integer(0);
    expected.integer(1);             // rank
    expected.integer(1);             // LimitCount
    expected.integer(Satisfaction);  // the referenced question
    ExpectCondition(expected, test::MakeCondition(0, {Row(Req, Gender, 2)}));
    expected.integer(3);  // columns
    expected.integer(3);  // rows
    for (const Long width : {1000, 1200, 3000})
        expected.longInt(width);
    for (const Long height : {600, 240})
        expected.longInt(height);
    for (const char* text : {"Q2", "2", "", "紅茶", "", "熱い"})
        expected.plain(QString::fromUtf8(text));
    EXPECT_EQ(Written(ListingPage()).toHex(' ').toStdString(), expected.bytes().toHex(' ').toStdString());
}

TEST_F(PageFileTest, ReadingTakesOverTheStoredRequestAndKeepsTheRest)
{
    TotalOptionRec current;
    current.EssayText = QStringLiteral("前の語");
    current.XQno = 1;
    current.CrossMode = 0;

    const PageContents count = CountPage();
    const std::optional<PageRequest> counted = Read(survey, Written(count), nullptr, current);
    ASSERT_TRUE(counted);
    EXPECT_EQ(counted->DisplayOptions, 7);
    EXPECT_EQ(counted->option.Kind, TotalCodedAnswers);
    EXPECT_EQ(counted->option.Title, "集計結果");
    EXPECT_EQ(counted->option.CrossMode, 2);  // the stored columns, not rebuilt from XQno
    EXPECT_EQ(counted->option.XQno, 1);
    EXPECT_EQ(counted->option.LimitCount, 1);
    EXPECT_EQ(counted->option.Limits[1][1].Code, MakeQC(Orders, 1));
    EXPECT_EQ(counted->option.Limits[0][1].Code, MakeQC(Gender, 1));
    EXPECT_EQ(counted->option.EssayText, "前の語");

    const std::optional<PageRequest> listed = Read(survey, Written(ListingPage()), nullptr, current);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->option.Kind, TotalFreeTexts);
    EXPECT_EQ(listed->option.Qno, Orders);
    EXPECT_EQ(listed->option.XQno, 2);       // 紅茶 again
    EXPECT_EQ(listed->option.CrossMode, 1);  // every answer with a free text, quantity or code
    EXPECT_EQ(listed->option.Rank, 1);
    EXPECT_EQ(listed->option.Limits[0][1].Code, MakeQC(Gender, 2));
    EXPECT_EQ(listed->option.Limits[1][0].KindRank, 0);  // the referenced question is no condition
    // The stored grid has no column headed by it: the stored one alone.
    EXPECT_EQ(listed->RefQuestions, std::vector<Integer>{Satisfaction});
}

// A listing page stores only its first referenced question; the others
// come back from the headings over the grid's later columns, in question
// order. Columns that the stored one does not head are another result's.
TEST_F(PageFileTest, ReferencedQuestionsComeBackFromTheHeadingsTheGridStores)
{
    const QString gender = ListedQuestionHeading(survey, Gender);
    const QString orders = ListedQuestionHeading(survey, Orders);
    const QString satisfaction = ListedQuestionHeading(survey, Satisfaction);
    struct Case {
        const char* what;
        std::vector<Integer> stored;
        QStringList headings;  // over the columns after the fixed three
        std::vector<Integer> read;
    };
    const Case cases[] = {
        {"two referenced", {Gender, Satisfaction}, {gender, satisfaction}, {Gender, Satisfaction}},
        {"all three", {Gender, Orders, Satisfaction}, {gender, orders, satisfaction}, {Gender, Orders, Satisfaction}},
        {"a tally beside the listing", {Orders}, {QStringLiteral("順位"), orders}, {Orders}},
        {"a heading out of order ends them", {Orders}, {orders, gender}, {Orders}},
        {"none", {}, {}, {}},
    };
    for (const Case& c : cases) {
        PageContents page = ListingPage();
        page.RefQuestions = c.stored;
        for (const QString& heading : c.headings) {
            page.grid.colWidths.push_back(1500);
            page.grid.columns.push_back({heading, QString()});
        }
        const std::optional<PageRequest> read = Read(survey, Written(page));
        ASSERT_TRUE(read) << c.what;
        EXPECT_EQ(read->RefQuestions, c.read) << c.what;
    }
}

TEST_F(PageFileTest, EveryCutAndEveryRunOnIsRefused)
{
    for (const QByteArray& whole : {Written(CountPage()), Written(ListingPage())}) {
        ASSERT_TRUE(Read(survey, whole));
        for (qsizetype size = 0; size < whole.size(); ++size)
            EXPECT_FALSE(Read(survey, whole.first(size))) << "cut to " << size << " of " << whole.size() << " bytes";
        QString why;
        EXPECT_FALSE(Read(survey, whole + QByteArray(1, '\0'), &why));
        EXPECT_EQ(why, "ファイルが途中で切れているか、壊れています。");
    }
}

TEST_F(PageFileTest, APageTheQuestionnaireDoesNotFitIsRefused)
{
    struct Case {
        const char* what;
        std::function<void()> change;
        const char* why;
    };
    const Case cases[] = {
        {"the counted question is gone", [this] { survey.QuestionCount = 0; }, "現在のアンケートに合いません。"},
        {"the condition's choice is gone", [this] { survey.Questions[Orders].ChoiceCount = 1; },
         "現在のアンケートに合いません。"},
        {"a counted choice is gone", [this] { survey.Questions[Gender].ChoiceCount = 2; },
         "集計結果が現在のアンケートに合いません。"},
    };
    const QByteArray bytes = Written(CountPage());
    for (const Case& c : cases) {
        const Survey kept = survey;
        c.change();
        QString why;
        EXPECT_FALSE(Read(survey, bytes, &why)) << c.what;
        EXPECT_TRUE(why.startsWith(QString::fromUtf8(c.why))) << c.what << ": " << why.toStdString();
        survey = kept;
    }
    // A listing whose referenced question is gone.
    const Survey kept = survey;
    survey.QuestionCount = Satisfaction;
    QString why;
    EXPECT_FALSE(Read(survey, Written(ListingPage()), &why));
    EXPECT_TRUE(why.startsWith("現在のアンケートに合いません。")) << why.toStdString();
    survey = kept;
    // Fields past the table: a count page whose condition count runs over.
    QByteArray tooMany = bytes;
    const qsizetype countAt = bytes.indexOf(QByteArray("\x07\x00\x00\x00\x00\x00\x01\x00", 8)) + 6;
    tooMany[countAt] = char(MaxLimitCount + 1);
    EXPECT_FALSE(Read(survey, tooMany));
}

class CutPageTest : public test::SurveyFixture {
protected:
    test::ScriptedUi ui;
};

TEST_F(CutPageTest, ThePageOfACutRangeMayStoreTheRowTheCutBlockReached)
{
    // Sixteen blocks of 133 rows: fifteen end at row 1996, the sixteenth
    // would have ended at 2129.
    for (Integer q = 0; q < 16; ++q)
        AddQuestion(1, 128);
    BuildLayout();
    PageContents page;
    page.option.ToQno = 15;
    ui.expectBox(vbOK);
    PlanRows(survey, page.option, page.result);
    ASSERT_EQ(page.option.ToQno, 14);
    ASSERT_EQ(page.result.RowStart[15], 1996);
    // The row after the last block, or the row the block that did not fit
    // reached, as far as a block of 128 choices past row 1999; no further.
    const std::pair<Integer, bool> cases[] = {{1996, true}, {2129, true}, {2132, true}, {2133, false}};
    for (const auto& [lastRowStart, loads] : cases) {
        page.result.RowStart[15] = lastRowStart;
        EXPECT_EQ(Read(survey, Written(page)).has_value(), loads) << lastRowStart;
    }
}

TEST_F(PageFileTest, LoadingReportsWhatItRefuses)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.kzp"));
    ui.expectBox(vbOK);
    EXPECT_FALSE(LoadPageFile(missing, survey, TotalOptionRec{}));
    EXPECT_TRUE(ui.boxes().back().prompt.contains(QStringLiteral("を開けません。")));

    const QString dataFile = dir.filePath(QStringLiteral("data.kz"));
    test::DataFileFixture fixture;
    test::WriteDataFile(dataFile, fixture);
    ui.expectBox(vbOK);
    EXPECT_FALSE(LoadPageFile(dataFile, survey, TotalOptionRec{}));
    EXPECT_EQ(ui.boxes().back().prompt, "FileVersion個別処理エラー(2)");

    const QString cut = dir.filePath(QStringLiteral("cut.kzp"));
    ASSERT_TRUE(SavePageFile(cut, CountPage()));
    QFile file(cut);
    ASSERT_TRUE(file.resize(file.size() - 1));
    ui.expectBox(vbOK);
    EXPECT_FALSE(LoadPageFile(cut, survey, TotalOptionRec{}));
    EXPECT_EQ(ui.boxes().back().prompt,
              "この集計結果ファイル\r\n" + cut
                  + "\r\nは読み込めません。\r\nファイルが途中で切れているか、壊れています。");
}

TEST_F(PageFileTest, AFailedSaveLeavesThePreviousPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.kzp"));
    ASSERT_TRUE(SavePageFile(path, ListingPage()));
    const QByteArray before = Written(ListingPage());

    SetCommitStepHook([](CommitStep step) { return step == CommitStep::Replace ? EACCES : 0; });
    ui.expectBox(vbOK);
    EXPECT_FALSE(SavePageFile(path, CountPage()));
    SetCommitStepHook({});
    EXPECT_TRUE(ui.boxes().back().prompt.endsWith(QStringLiteral("正しく保存出来ませんでした。")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);

    ui.expectBox(vbOK);
    EXPECT_FALSE(SavePageFile(dir.filePath(QStringLiteral("no/such/folder.kzp")), CountPage()));
    EXPECT_TRUE(ui.boxes().back().prompt.contains(QStringLiteral("ファイルを作成できません。")));
}

// The sheet's menus, saved as DisplayOptions and opened again, are the
// same menus; the unused bits of a stored value are dropped.
TEST(PageDisplayOptions, StandForTheSheetsMenusBothWays)
{
    for (int percentItem = -1; percentItem <= 2; ++percentItem) {
        for (const bool sort : {false, true}) {
            for (const bool space : {false, true}) {
                const DisplayMenus menus{percentItem, sort, space};
                const DisplayMenus opened = DisplayMenusOf(PlanColumns(menus, 1).DisplayOptions);
                EXPECT_EQ(opened.percentItem, percentItem);
                EXPECT_EQ(opened.sort, sort);
                EXPECT_EQ(opened.space, space);
            }
        }
    }
    for (const Integer stored : {Integer(0x7FF0), Integer(-1), Integer(0x13)})
        EXPECT_EQ(PlanColumns(DisplayMenusOf(stored), 1).DisplayOptions, stored & 15) << stored;
}

}  // namespace
}  // namespace kz
