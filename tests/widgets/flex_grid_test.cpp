#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "widgets/flex_grid.h"
#include "widgets/twips.h"

namespace kz::widgets {
namespace {

QString Cell(int row, int col) { return QStringLiteral("%1,%2").arg(row).arg(col); }

void Fill(FlexGrid& grid)
{
    for (int row = 0; row < grid.rows(); ++row)
        for (int col = 0; col < grid.cols(); ++col)
            grid.setTextMatrix(row, col, Cell(row, col));
}

QTableView& View(FlexGrid& grid) { return *grid.findChild<QTableView*>(); }

TEST(FlexGridTest, ChangingRowsAndColsKeepsTheRemainingTexts)
{
    struct Case {
        int rows, cols;
    };
    for (const Case c : {Case{5, 3}, Case{2, 3}, Case{3, 6}, Case{3, 1}, Case{1, 7}, Case{9, 2}}) {
        FlexGrid grid;
        grid.setRows(3);
        grid.setCols(3);
        Fill(grid);
        grid.setRows(c.rows);
        grid.setCols(c.cols);
        grid.setRows(4);  // cut rows come back empty
        grid.setCols(4);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col)
                EXPECT_EQ(grid.textMatrix(row, col),
                          row < std::min(3, c.rows) && col < std::min(3, c.cols) ? Cell(row, col) : QString())
                    << c.rows << "x" << c.cols << " cell " << row << "," << col;
        grid.setTextMatrix(4, 0, QStringLiteral("x"));
        EXPECT_EQ(grid.textMatrix(4, 0), QString());
    }
}

TEST(FlexGridTest, AddItemFillsANewRowFromTabSeparatedFields)
{
    struct Case {
        const char16_t* line;
        QStringList cells;
    };
    for (const Case& c : {Case{u"a\tb\tc", {"a", "b", "c"}}, Case{u"a", {"a", "", ""}}, Case{u"\tb", {"", "b", ""}},
                          Case{u"a\tb\tc\td", {"a", "b", "c"}}, Case{u"", {"", "", ""}}}) {
        FlexGrid grid;
        grid.setCols(3);
        grid.addItem(c.line);
        ASSERT_EQ(grid.rows(), 3);
        EXPECT_EQ((QStringList{grid.textMatrix(2, 0), grid.textMatrix(2, 1), grid.textMatrix(2, 2)}), c.cells);
    }
}

TEST(FlexGridTest, SelectionSetFromCodeAndItsClipText)
{
    struct Case {
        int row, col, rowSel, colSel;
        const char* clip;
    };
    // Corners in either order, and corners past the grid held at its edge.
    for (const Case& c :
         {Case{1, 1, 1, 1, "1,1"}, Case{1, 0, 2, 1, "1,0\t1,1\r2,0\t2,1"}, Case{2, 2, 1, 1, "1,1\t1,2\r2,1\t2,2"},
          Case{0, 2, 9, 2, "0,2\r1,2\r2,2"}, Case{-3, 0, 0, 9, "0,0\t0,1\t0,2"}}) {
        FlexGrid grid;
        grid.setRows(3);
        grid.setCols(3);
        Fill(grid);
        grid.setRowSel(2);  // widened, then collapsed by setting the current cell
        grid.setColSel(2);
        grid.setRow(c.row);
        grid.setCol(c.col);
        EXPECT_EQ(grid.rowSel(), grid.row());
        EXPECT_EQ(grid.colSel(), grid.col());
        grid.setRowSel(c.rowSel);
        grid.setColSel(c.colSel);
        EXPECT_EQ(grid.clip(), QString::fromLatin1(c.clip)) << c.row << "," << c.col << " " << c.rowSel;
    }
}

TEST(FlexGridTest, SelectionChangesAreAnnouncedOnceEach)
{
    FlexGrid grid;
    grid.setRows(5);
    grid.setCols(4);
    grid.resize(400, 300);
    grid.show();
    QSignalSpy changes(&grid, &FlexGrid::selectionChanged);
    grid.setRow(3);
    grid.setRow(3);  // no change
    grid.setColSel(2);
    grid.setRows(2);  // cuts the current row: held at the last one
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.rowSel(), 1);

    // The user clicks a cell, then shift-clicks another: the first stays the current cell.
    grid.setRows(5);
    QTableView& view = View(grid);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(3, 2)).center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      view.visualRect(view.model()->index(1, 0)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ((std::vector{grid.row(), grid.col(), grid.rowSel(), grid.colSel()}), (std::vector{3, 2, 1, 0}));

    view.selectAll();  // Ctrl+A leaves out the fixed row
    EXPECT_EQ((std::vector{grid.row(), grid.col(), grid.rowSel(), grid.colSel()}), (std::vector{1, 0, 4, 3}));

    QSignalSpy clicks(&grid, &FlexGrid::rightClicked);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {5, 5}, {105, 205});
    QCoreApplication::sendEvent(view.viewport(), &menu);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toPoint(), QPoint(105, 205));
}

TEST(FlexGridTest, TwipsConvertAtTheEdge)
{
    struct Case {
        int twips;
        qreal dpi;
        int pixels;
        int backInTwips;
    };
    for (const Case c : {Case{15, 96, 1, 15}, Case{1000, 96, 67, 1005}, Case{400, 96, 27, 405}, Case{0, 96, 0, 0},
                         Case{1440, 120, 120, 1440}}) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips;
        EXPECT_EQ(PixelsToTwips(c.pixels, c.dpi), c.backInTwips) << c.twips;
    }

    FlexGrid grid;
    grid.setRows(3);
    QTableView& view = View(grid);
    grid.setColWidth(1, 1000);
    grid.setColWidth(0, 50);
    grid.setRowHeight(2, 400);
    grid.setRowHeight(0, 600);
    EXPECT_EQ(grid.colWidth(1), 1000);  // as set, not as rounded to pixels
    EXPECT_EQ(view.horizontalHeader()->sectionSize(1), TwipsToPixels(1000, grid.logicalDpiX()));
    EXPECT_EQ(view.horizontalHeader()->sectionSize(0), TwipsToPixels(50, grid.logicalDpiX()));
    EXPECT_EQ(view.rowHeight(2), TwipsToPixels(400, grid.logicalDpiY()));
    EXPECT_EQ(view.horizontalHeader()->height(), TwipsToPixels(600, grid.logicalDpiY()));

    view.horizontalHeader()->resizeSection(1, 80);  // the user drags the column edge
    EXPECT_EQ(grid.colWidth(1), PixelsToTwips(80, grid.logicalDpiX()));

    const int defaultHeight = grid.rowHeight(1);
    QFont font = grid.font();
    font.setPointSizeF(font.pointSizeF() * 3);
    grid.setFont(font);  // default rows follow the font, set heights stay
    EXPECT_GT(grid.rowHeight(1), defaultHeight);
    EXPECT_EQ(view.rowHeight(2), TwipsToPixels(400, grid.logicalDpiY()));
    grid.setRowHeight(2, -1);
    EXPECT_EQ(grid.rowHeight(2), grid.rowHeight(1));
}

TEST(FlexGridTest, FixedRowIsRowZeroShownAsTheHeader)
{
    FlexGrid grid;
    grid.setCols(2);
    grid.setTextMatrix(0, 1, QStringLiteral("記述文"));
    QTableView& view = View(grid);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_TRUE(view.isRowHidden(0));
    EXPECT_EQ(view.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("記述文"));
    grid.setRows(0);  // the fixed row stays
    EXPECT_EQ(grid.rows(), 1);

    grid.setFixedRows(0);
    EXPECT_TRUE(view.horizontalHeader()->isHidden());
    EXPECT_FALSE(view.isRowHidden(0));
    EXPECT_EQ(view.model()->headerData(1, Qt::Horizontal), QVariant());
    grid.setFixedRows(3);
    EXPECT_EQ(grid.fixedRows(), 1);
}

TEST(FlexGridTest, RedrawOffAnnouncesTheChangesOnceWhenOnAgain)
{
    FlexGrid grid;
    grid.setRows(10);
    grid.setCols(10);
    QSignalSpy changes(View(grid).model(), &QAbstractItemModel::dataChanged);
    grid.setRedraw(false);
    grid.setTextMatrix(2, 3, QStringLiteral("a"));
    grid.setTextMatrix(5, 1, QStringLiteral("b"));
    grid.setRows(4);  // the change at row 5 is gone
    EXPECT_EQ(changes.count(), 0);
    grid.setRedraw(true);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toModelIndex(), View(grid).model()->index(2, 1));
    EXPECT_EQ(changes.at(0).at(1).toModelIndex(), View(grid).model()->index(3, 3));
}

// The largest result sheet: filled with redraw off, then scrolled a screen at a time.
TEST(FlexGridTest, FillsAndScrollsTheLargestSheetQuickly)
{
    FlexGrid grid;
    grid.resize(1200, 800);
    grid.show();
    QElapsedTimer timer;
    timer.start();
    grid.setRedraw(false);
    grid.setRows(1999);
    grid.setCols(500);
    for (int col = 0; col < 500; ++col)
        grid.setColWidth(col, 1000);
    for (int row = 0; row < 1999; ++row)
        for (int col = 0; col < 500; ++col)
            grid.setTextMatrix(row, col, QString::number(row * col));
    grid.setRedraw(true);
    const qint64 fillMs = timer.elapsed();

    QTableView& view = View(grid);
    QScrollBar* bar = view.verticalScrollBar();
    timer.restart();
    int frames = 0;
    for (int value = 0; value < bar->maximum(); value += bar->pageStep(), ++frames) {
        bar->setValue(value);
        view.viewport()->grab();  // paints the screen now
    }
    const double frameMs = double(timer.elapsed()) / std::max(frames, 1);
    std::printf("1999 x 500 cells filled in %lld ms; %d screens scrolled, %.2f ms each\n", fillMs, frames, frameMs);
    EXPECT_EQ(grid.textMatrix(1998, 499), QString::number(1998 * 499));
    // Bounds that only a cost growing with the sheet's size breaks, not a
    // loaded machine or a sanitizer build; the figures are printed above.
    EXPECT_LT(fillMs, 60000);
    EXPECT_LT(frameMs, 5000);
}

}  // namespace
}  // namespace kz::widgets
