#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTableWidget>
#include <QTextEdit>

#include <cmath>

#include "host/settings.h"
#include "program_fixture.h"
#include "shell/window_records.h"

namespace kz {
namespace {

class WindowRecordsTest : public ::testing::Test, public test::ProgramSurvey {
protected:
    void TearDown() override { settings = Settings{}; }

    static QScreen& screen() { return *QGuiApplication::primaryScreen(); }
    // Stores `rect` (screen pixels) in the sample view's slot as twips.
    void storePixels(const QRect& rect)
    {
        const qreal x = 1440 / screen().logicalDotsPerInchX(), y = 1440 / screen().logicalDotsPerInchY();
        settings.WindowRecs[WindowSlot::frmAnswer] = {float(rect.x() * x), float(rect.y() * y),
                                                      float(rect.width() * x), float(rect.height() * y)};
    }
    static QRect restored(QWidget& form)
    {
        RestoreWindowRec(WindowSlot::frmAnswer, &form);
        return form.geometry();
    }
};

TEST_F(WindowRecordsTest, PlacementRoundTripsThroughTwips)
{
    QWidget first;
    first.setGeometry(120, 80, 400, 300);
    SaveWindowRec(&first, WindowSlot::frmAnswer);
    EXPECT_FLOAT_EQ(settings.WindowRecs[WindowSlot::frmAnswer].Width,
                    float(400 * 1440 / screen().logicalDotsPerInchX()));
    QWidget second;
    EXPECT_EQ(restored(second), QRect(120, 80, 400, 300));

    settings.WindowRecs[WindowSlot::frmAnswer] = {1440, 720, 2880, 1440};  // one inch, half an inch, ...
    const long dpiX = std::lround(screen().logicalDotsPerInchX());
    const long dpiY = std::lround(screen().logicalDotsPerInchY());
    EXPECT_EQ(restored(second), QRect(dpiX, std::lround(dpiY / 2.0), 2 * dpiX, dpiY));
}

TEST_F(WindowRecordsTest, PlacementStartingBeyondTheScreenOrEmptyIsIgnored)
{
    const QRect area = screen().geometry();
    QWidget form;
    form.setGeometry(10, 20, 300, 200);
    for (const QRect& stored :
         {QRect(area.right() + 1, 0, 300, 200), QRect(0, area.bottom() + 1, 300, 200), QRect(5, 5, 0, 200)}) {
        storePixels(stored);
        EXPECT_EQ(restored(form), QRect(10, 20, 300, 200));
    }
}

TEST_F(WindowRecordsTest, FixedSizeWindowTakesThePositionOnly)
{
    QWidget dialog;
    dialog.setFixedSize(250, 150);
    storePixels(QRect(40, 30, 600, 400));
    EXPECT_EQ(restored(dialog), QRect(40, 30, 250, 150));
}

TEST_F(WindowRecordsTest, WindowIsKeptOnTheScreen)
{
    const QRect area = screen().availableGeometry();
    QWidget form;
    storePixels(QRect(-500, -40, 300, 200));
    EXPECT_EQ(restored(form), QRect(area.topLeft(), QSize(300, 200)));
    storePixels(QRect(area.right() - 100, area.bottom() - 50, 300, 200));
    EXPECT_EQ(restored(form), QRect(area.right() + 1 - 300, area.bottom() + 1 - 200, 300, 200));
    storePixels(QRect(0, 0, area.width() * 3, area.height() * 3));
    EXPECT_EQ(restored(form), area);
}

TEST_F(WindowRecordsTest, MinimizedOrMaximizedWindowLeavesTheSlot)
{
    settings.WindowRecs[WindowSlot::frmGridBase] = {1, 2, 3, 4};
    QWidget form;
    form.setGeometry(10, 10, 300, 300);
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        form.setWindowState(state);
        SaveWindowRec(&form, WindowSlot::frmGridBase);
        EXPECT_EQ(settings.WindowRecs[WindowSlot::frmGridBase].Width, 3);
    }
}

TEST_F(WindowRecordsTest, FontSlotAppliesOrTakesTheControlsFont)
{
    QTableWidget grid;
    QFont own(QStringLiteral("Gothic Test"), 13);
    own.setUnderline(true);
    grid.setFont(own);
    QPalette palette = grid.palette();
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    grid.setPalette(palette);
    ApplyFontRec(FontSlot::ResultGrid, &grid);  // empty slot: filled from the control
    EXPECT_EQ(settings.FontRecs[FontSlot::ResultGrid].Name, "Gothic Test");
    EXPECT_EQ(settings.FontRecs[FontSlot::ResultGrid].Size, 13);
    EXPECT_TRUE(settings.FontRecs[FontSlot::ResultGrid].Underline);
    EXPECT_EQ(settings.FontRecs[FontSlot::ResultGrid].ForeColor, 1 + 2 * 256 + 3 * 65536);

    settings.FontRecs[FontSlot::ResultGrid] = {
        QStringLiteral("明朝 Test"), 11.5f, true, true, false, true, 0x0000FF, Long(0x80000005)};
    ApplyFontRec(FontSlot::ResultGrid, &grid);
    EXPECT_EQ(grid.font().family(), "明朝 Test");
    EXPECT_DOUBLE_EQ(grid.font().pointSizeF(), 11.5);
    EXPECT_TRUE(grid.font().bold() && grid.font().italic() && grid.font().strikeOut());
    EXPECT_FALSE(grid.font().underline());
    EXPECT_EQ(grid.palette().color(QPalette::Text), QColor(255, 0, 0));
    // Not an RGB value (a system colour elsewhere): the control keeps its own.
    EXPECT_EQ(grid.palette().color(QPalette::Base), palette.color(QPalette::Base));
}

TEST_F(WindowRecordsTest, ReplyTextSlotCarriesBackgroundAndFontObjectOnly)
{
    settings.FontRecs[FontSlot::Reply] = {QString(), 0, false, false, true, true, 0x123456, 0xCCBBAA};
    QTextEdit reply;
    reply.setFont(QFont(QStringLiteral("Reply Test"), 14, QFont::Bold));
    ApplyFontRec(FontSlot::Reply, &reply);
    EXPECT_EQ(reply.palette().color(QPalette::Base), QColor(0xAA, 0xBB, 0xCC));
    const FontRec& rec = settings.FontRecs[FontSlot::Reply];
    EXPECT_EQ(rec.Name, "Reply Test");
    EXPECT_TRUE(rec.Bold);
    EXPECT_TRUE(rec.Underline && rec.Strikethru);  // untouched for this slot
    EXPECT_EQ(rec.ForeColor, 0x123456);

    settings.FontRecs[FontSlot::ReplyOtherColours] = {
        QStringLiteral("Other Test"), 9, false, true, true, false, 0, 0xFFFFFF};
    ApplyFontRec(FontSlot::ReplyOtherColours, &reply);
    EXPECT_EQ(reply.font().family(), "Other Test");
    EXPECT_TRUE(reply.font().italic());
    EXPECT_FALSE(reply.font().bold() || reply.font().underline());
}

}  // namespace
}  // namespace kz
