// The chart window fed by a result sheet of the café questionnaire
// (tabulation/sheet_fixture.h), and the sheet's own edit commands.
#include <gtest/gtest.h>

#include <Q3DBars>
#include <Q3DSurface>
#include <QApplication>
#include <QAreaSeries>
#include <QBarSeries>
#include <QChart>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineSeries>
#include <QMimeData>
#include <QStackedBarSeries>
#include <QTest>

#include "host/settings.h"
#include "program/program_windows.h"
#include "program_fixture.h"
#include "shell/shell_ui.h"
#include "tabulation/frm_graph.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/sheet_fixture.h"
#include "widgets/chart_3d.h"
#include "widgets/forms.h"
#include "window_script.h"

namespace kz {
namespace {

using test::Gender;
using test::Orders;
using test::Request;
using test::Satisfaction;
using widgets::Forms;

const Condition Men = test::MakeCondition(0, {test::Row(test::Required, Gender, 1)});
const Condition Women = test::MakeCondition(0, {test::Row(test::Required, Gender, 2)});

class ChartWindowTest : public test::WindowTest, public test::ProgramSurvey {
protected:
    void SetUp() override
    {
        test::BuildCafeSurvey(*this);
        sheet = &Forms::createNew<frmGridBase>();
        sheet->DoTotal(Request(Gender, Orders, {Men, Women}));
        // "グラフを描き直す": the chart window opens on this sheet.
        sheet->mnuGraphOrder[4]->trigger();
        graph = Forms::loaded<frmGraph>();
    }

    // Makes the i-th choice row of q's block the current cell.
    void SelectChoice(Integer q, int i) { SelectChoice(*sheet, q, i); }
    static void SelectChoice(frmGridBase& on, Integer q, int i)
    {
        on.Grid->setRow(on.result().result.RowStart[q] + BlockHeadRows + i);
        on.Grid->setCol(0);
    }

    test::ProgramStateGuard state;
    ShellUi shellUi;
    test::WindowScript script;
    ProgramWindows programWindows;
    frmGridBase* sheet = nullptr;
    frmGraph* graph = nullptr;
};

TEST_F(ChartWindowTest, TheChartShowsTheSelectedQuestionOnceAndAgainWhenAsked)
{
    ASSERT_TRUE(graph);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->windowTitle(), "グラフ");
    EXPECT_EQ(graph->ParentGrid.get(), sheet);
    EXPECT_TRUE(graph->Graph->table().categories.isEmpty()) << "the heading row sends nothing";

    SelectChoice(Orders, 1);
    EXPECT_EQ(graph->Graph->table().categories, QStringList({"コーヒー", "紅茶", "ケーキ", "その他", "無回答"}));
    EXPECT_EQ(graph->Graph->table().series.size(), 2);
    EXPECT_TRUE(graph->Graph->titleText().startsWith(QStringLiteral("よく注文するものは。")));

    // The same question is not sent again, unless asked for.
    graph->Graph->setChartData({});
    SelectChoice(Orders, 2);
    EXPECT_TRUE(graph->Graph->table().categories.isEmpty());
    sheet->SheetCommand(QStringLiteral("Resend GraphData"));
    EXPECT_EQ(graph->Graph->table().categories.size(), 5);
    graph->Graph->setChartData({});
    sheet->mnuGraphOrder[4]->trigger();  // "グラフを描き直す"
    EXPECT_EQ(graph->Graph->table().categories.size(), 5);

    // A chart switch sends again with the new option.
    sheet->mnuGraphOrder[1]->trigger();
    EXPECT_TRUE(sheet->mnuGraphOrder[1]->isChecked());
    EXPECT_EQ(graph->Graph->table().categories.front(), "無回答");
}

TEST_F(ChartWindowTest, TheChartWorksOnTheSheetThatFedItOrWasActivatedLast)
{
    frmGridBase& other = Forms::createNew<frmGridBase>();
    other.DoTotal(Request(Gender, Orders, {Women}));
    SelectChoice(Orders, 0);
    EXPECT_EQ(graph->ParentGrid.get(), sheet) << "it fed the chart";

    for (frmGridBase* activated : {sheet, &other}) {
        QApplication::setActiveWindow(activated);
        ASSERT_TRUE(QTest::qWaitForWindowActive(activated));
    }
    EXPECT_EQ(graph->ParentGrid.get(), &other);
    EXPECT_EQ(graph->Graph->table().series.size(), 2) << "activation sends nothing";
}

TEST_F(ChartWindowTest, ARunOfTheFeedingSheetSendsItsChartAgain)
{
    SelectChoice(Orders, 0);
    ASSERT_EQ(graph->Graph->table().series.size(), 2);
    // Another sheet that never fed the chart runs without touching it.
    Forms::createNew<frmGridBase>().DoHandedTotal(Request(Gender, Gender, {Men}));
    ASSERT_EQ(graph->Graph->table().series.size(), 2);

    // "更新" with the women alone: their choices with a count, 紅茶 and その他.
    sheet->DoHandedTotal(Request(Gender, Orders, {Women}));
    EXPECT_EQ(graph->Graph->table().series.size(), 1);
    EXPECT_EQ(graph->Graph->table().categories, QStringList({"紅茶", "その他"}));
    EXPECT_EQ(graph->Graph->table().values, (QList<QList<double>>{{1, 1}}));
    EXPECT_TRUE(graph->Graph->titleText().startsWith(QStringLiteral("よく注文するものは。")));

    // A run without the question leaves the chart nothing of it.
    sheet->DoHandedTotal(Request(Gender, Gender, {Women}));
    EXPECT_TRUE(graph->Graph->table().categories.isEmpty());
    EXPECT_TRUE(graph->Graph->titleText().isEmpty());
}

TEST_F(ChartWindowTest, ARunOfASheetOnlyActivatedSinceLeavesTheChartToTheSheetThatFedIt)
{
    SelectChoice(Orders, 0);
    frmGridBase& second = Forms::createNew<frmGridBase>();
    second.DoTotal(Request(Gender, Satisfaction, {Men}));
    SelectChoice(second, Satisfaction, 0);
    const QStringList fed = graph->Graph->table().categories;
    ASSERT_EQ(fed, QStringList({"満足", "不満"}));

    QApplication::setActiveWindow(sheet);
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
    // "更新" without the question the first sheet once sent.
    sheet->DoHandedTotal(Request(Gender, Gender, {Women}));
    EXPECT_EQ(graph->Graph->table().categories, fed);
    EXPECT_EQ(graph->Graph->table().values, (QList<QList<double>>{{1, 2}}));

    // Each sheet's row click charts its own counts, also the question it sent last.
    SelectChoice(Gender, 0);
    EXPECT_EQ(graph->Graph->table().categories, QStringList({"女性", "無回答"}));
    SelectChoice(second, Satisfaction, 1);
    EXPECT_EQ(graph->Graph->table().categories, fed);
}

TEST_F(ChartWindowTest, EachChartTypeDrawsTheSeriesItsWay)
{
    SelectChoice(Orders, 0);
    struct Case {
        int item;
        int chartType;
        int series;  // what the 2D chart holds
        const char* seriesClass;
    };
    const Case cases[] = {
        {0, widgets::Bar2d, 1, "QBarSeries"},   {1, widgets::Pie2d, 2, "QPieSeries"},
        {2, widgets::Line2d, 2, "QLineSeries"}, {3, widgets::Area2d, 2, "QAreaSeries"},
        {4, widgets::Step2d, 2, "QLineSeries"},
    };
    for (const Case& c : cases) {
        graph->Graph->setChartData({});
        graph->mnuGraphType[static_cast<size_t>(c.item)]->trigger();
        SCOPED_TRACE(c.item);
        EXPECT_EQ(graph->Graph->chartType(), c.chartType);
        const QList<QAbstractSeries*> series = graph->Graph->chart()->series();
        ASSERT_EQ(series.size(), c.series) << "the sheet sent its rows again";
        EXPECT_STREQ(series.front()->metaObject()->className(), c.seriesClass);
        // An area's line goes with the area when the chart is redrawn.
        for (QAbstractSeries* s : series) {
            if (auto* area = qobject_cast<QAreaSeries*>(s)) {
                EXPECT_EQ(area->upperSeries()->parent(), area);
            }
        }
    }
    // Steps hold each value across its category.
    auto* steps = qobject_cast<QLineSeries*>(graph->Graph->chart()->series().front());
    ASSERT_EQ(steps->count(), 10);
    EXPECT_EQ(steps->at(0), QPointF(-0.5, 2));
    EXPECT_EQ(steps->at(1), QPointF(0.5, 2));
}

TEST_F(ChartWindowTest, ThreeDimensionalTypesUseBarsOrSurfaces)
{
    SelectChoice(Orders, 0);
    const std::pair<int, int> cases[] = {
        {5, widgets::Bar3d}, {6, widgets::Line3d}, {7, widgets::Area3d}, {8, widgets::Step3d}};
    for (const auto& [item, chartType] : cases) {
        graph->mnuGraphType[static_cast<size_t>(item)]->trigger();
        SCOPED_TRACE(item);
        EXPECT_EQ(graph->Graph->chartType(), chartType);
        // Without OpenGL (a test machine without a display) the chart says
        // so instead of drawing.
        if (!graph->Graph->graph())
            continue;
        if (auto* bars = qobject_cast<Q3DBars*>(graph->Graph->graph())) {
            ASSERT_EQ(bars->seriesList().size(), 1);
            EXPECT_EQ(bars->seriesList().front()->dataProxy()->rowCount(), 2);  // one row per column
            EXPECT_EQ(bars->barSpacing().width(), chartType == widgets::Step3d ? 0 : 0.2);
        } else {
            auto* surface = qobject_cast<Q3DSurface*>(graph->Graph->graph());
            ASSERT_TRUE(surface);
            EXPECT_EQ(surface->seriesList().size(), 2);  // one ribbon per column
            // Each choice and each column names its own position.
            EXPECT_EQ(surface->axisX()->labels(), graph->Graph->table().categories);
            EXPECT_EQ(surface->axisZ()->labels(), graph->Graph->table().series);
        }
    }
}

// The 3D value axis (drawn only where OpenGL is): round steps as the 2D
// chart takes them, whole ones without decimals for counts.
TEST(ChartValueAxisTest, CountsGoInWholeStepsAndSharesAsTheTwoDimensionalChartShowsThem)
{
    struct Case {
        QList<double> values;
        float max;
        int segments;
        const char* labelFormat;
    };
    const Case cases[] = {
        {{100006, 20000}, 150000, 3, "%.0f"},
        {{2, 1}, 2, 2, "%.0f"},  // no half steps
        {{66.6667, 33.3333}, 80, 4, "%.1f"},
        {{0.4, 0.25}, 0.4f, 4, "%.2f"},
    };
    for (const Case& c : cases) {
        widgets::ChartTable table{{"a"}, {"b", "c"}, {c.values}};
        QValue3DAxis axis;
        widgets::ScaleValueAxis(axis, table, false);
        SCOPED_TRACE(c.values.front());
        EXPECT_FLOAT_EQ(axis.max(), c.max);
        EXPECT_EQ(axis.segmentCount(), c.segments);
        EXPECT_EQ(axis.labelFormat(), c.labelFormat);
    }
}

TEST_F(ChartWindowTest, StackingAddsTheSeriesUpAndTwiceReturnsToPlain)
{
    SelectChoice(Orders, 0);
    graph->mnuGraphType[2]->trigger();  // lines show the sums
    auto secondLine = [this] { return qobject_cast<QLineSeries*>(graph->Graph->chart()->series().at(1)); };
    EXPECT_EQ(secondLine()->at(1).y(), 1);  // 紅茶: 1 woman
    graph->mnuStack->trigger();
    EXPECT_TRUE(graph->Graph->stacking());
    EXPECT_EQ(secondLine()->at(1).y(), 3);  // 2 men + 1 woman
    graph->mnuGraphType[0]->trigger();
    EXPECT_TRUE(qobject_cast<QStackedBarSeries*>(graph->Graph->chart()->series().front()));
    graph->mnuStack->trigger();
    EXPECT_FALSE(graph->Graph->stacking());
    EXPECT_TRUE(qobject_cast<QBarSeries*>(graph->Graph->chart()->series().front()));
}

TEST_F(ChartWindowTest, CopyPutsThePictureAloneAsSvgAndPng)
{
    SelectChoice(Orders, 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    for (size_t item : {size_t{0}, size_t{5}}) {
        graph->mnuGraphType[item]->trigger();
        graph->mnuCopy->trigger();
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        ASSERT_TRUE(mime);
        QStringList formats = mime->formats();
        formats.sort();
        EXPECT_EQ(formats, QStringList({"image/png", "image/svg+xml"}));
        EXPECT_FALSE(QImage::fromData(mime->data(QStringLiteral("image/png")), "PNG").isNull());
        EXPECT_TRUE(mime->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    }
}

TEST_F(ChartWindowTest, MenusTakeTheirCaptionsAndCloseUnloads)
{
    EXPECT_EQ(graph->mnuEdit->title(), "ｸﾞﾗﾌ(&G)");
    EXPECT_EQ(graph->mnuCopy->text(), "コピー(&C)");
    EXPECT_EQ(graph->mnuPrint->text(), "印刷(&P)");
    EXPECT_EQ(graph->mnuGraphType[0]->text(), "2次元 棒");
    EXPECT_EQ(graph->mnuGraphType[8]->text(), "3次元 棒階段");
    EXPECT_EQ(graph->mnuStack->text(), "積み上げ");
    EXPECT_EQ(graph->mnuClose->text(), "閉じる(&C)");
    settings.WindowRecs[WindowSlot::frmGraph] = WindowRec{};
    graph->mnuClose->trigger();
    test::FlushEvents();
    EXPECT_FALSE(Forms::loaded<frmGraph>());
    EXPECT_GT(settings.WindowRecs[WindowSlot::frmGraph].Width, 0) << "the placement is kept";
}

TEST_F(ChartWindowTest, AChartOutlivingItsSheetAsksNobody)
{
    Forms::unload(*sheet);
    test::FlushEvents();
    EXPECT_EQ(graph->ParentGrid.get(), nullptr);
    graph->mnuGraphType[1]->trigger();
    graph->mnuStack->trigger();
    EXPECT_EQ(graph->Graph->chartType(), widgets::Pie2d);
}

TEST_F(ChartWindowTest, PrintCancelledPrintsNothing)
{
    script.on(QStringLiteral("PrintDialog")).closeFrame();
    graph->mnuPrint->trigger();
    EXPECT_TRUE(script.finished());
}

TEST_F(ChartWindowTest, SheetCopiesItsSelectionAsTabbedLines)
{
    sheet->Grid->setRow(5);
    sheet->Grid->setCol(0);
    sheet->Grid->setRowSel(6);
    sheet->Grid->setColSel(1);
    sheet->mnuCopy->trigger();
    // 女性 and 無回答 with the men's counts.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "女性\t0\r\n無回答\t0\r\n");

    sheet->mnuAll->trigger();
    EXPECT_EQ(sheet->Grid->row(), 1);
    EXPECT_EQ(sheet->Grid->rowSel(), sheet->Grid->rows() - 1);
    EXPECT_EQ(sheet->Grid->colSel(), sheet->Grid->cols() - 1);
}

}  // namespace
}  // namespace kz
