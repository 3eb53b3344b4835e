#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

#include "files/counted_strings.h"
#include "files/settings_file.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "model/survey.h"
#include "support/scripted_ui.h"

namespace kz {
namespace {

constexpr double Minute = 1.0 / 1440;
// Header and ID range 50 bytes, 16 unnamed fonts of 24, 16 colours,
// placements and widths, 10 empty strings and the interval.
constexpr int DefaultFileSize = 50 + 16 * 24 + 64 + 256 + 64 + 10 * 4 + 8;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        SetProgramFolderForTest(folder_.path());
        reset();
    }
    void TearDown() override
    {
        SetProgramFolderForTest({});
        reset();
    }
    void reset() { settings = Settings{}; }
    void writeIni(const QByteArray& bytes) const
    {
        QFile file(folder_.filePath("zuntab.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readIni() const
    {
        QFile file(folder_.filePath("zuntab.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    Settings settings;
};

// A file of the current layout, ending after field `lastField` (8 recent
// files, 9 folders, 10 interval). Font i is named "フォント<i>".
QByteArray CurrentFile(Long columnWidth, Long column8Width, WindowRec window, double interval, int lastField = 10)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    out.writeInteger(1);
    PutRevStr(out, QStringLiteral("Kelvor Zuntab Initialize File Ver 966a"));
    out.writeLong(7);
    out.writeLong(70);
    for (int i = 0; i < 16; ++i) {
        PutStr(out, QStringLiteral("フォント%1").arg(i));
        out.writeSingle(9.0f + i);
        for (int flag = 0; flag < 4; ++flag)
            out.writeBoolean(flag == i % 4);
        out.writeLong(i);
        out.writeLong(1000 + i);
    }
    for (int i = 0; i < 16; ++i)
        out.writeLong(2000 + i);
    for (int i = 0; i < 16; ++i)
        for (float v : {window.Left, window.Top, window.Width, window.Height})
            out.writeSingle(v);
    for (int i = 0; i < 16; ++i)
        out.writeLong(i == 8 ? column8Width : columnWidth);
    for (int i = 0; i < 8; ++i)
        PutStr(out, QStringLiteral("/data/調査%1.kz").arg(i));
    if (lastField >= 9) {
        PutStr(out, QStringLiteral("/www/answers"));
        PutStr(out, QStringLiteral("/www/backup"));
    }
    if (lastField >= 10)
        out.writeDouble(interval);
    return buffer.data();
}

QByteArray CurrentFile(double interval = 45 * Minute)
{
    return CurrentFile(555, 555, {100, 200, 3000, 4000}, interval);
}

// Versions 0 and 1 with an older magic: the ID range only.
QByteArray RangeOnlyFile(Integer version, const QString& magic = {}, Long low = 11, Long high = 22)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    out.writeInteger(version);
    if (version != 0)
        PutRevStr(out, magic);
    out.writeLong(low);
    out.writeLong(high);
    return buffer.data();
}

// The current layout with the ID range low .. high.
QByteArray CurrentFileWithRange(Long low, Long high)
{
    QByteArray bytes = CurrentFile();
    const QByteArray range = RangeOnlyFile(0, {}, low, high).mid(2);
    return bytes.replace(42, range.size(), range);
}

TEST_F(SettingsFileTest, MissingFileLeavesTheDefaults)
{
    settings.WindowRecs[3] = {1, 2, 3, 4};
    settings.ColumnWidths[10] = 77;
    settings.MRUFiles = {"/0", "/1", "/2", "/3", "/4"};
    LoadSettings(settings);
    EXPECT_EQ(settings.IDRangeHigh, 100000);
    EXPECT_DOUBLE_EQ(settings.SaveInterval, 30 * Minute);
    EXPECT_EQ(settings.ColourTable[ColourSlot::FreeText], 96 * 256);
    // Only the defaulted entries change.
    EXPECT_EQ(settings.WindowRecs[3].Width, 0);
    EXPECT_EQ(settings.WindowRecs[3].Left, 1);
    EXPECT_EQ(settings.ColumnWidths[ColumnSlot::EachReferenceColumn], 1000);
    EXPECT_EQ(settings.ColumnWidths[10], 77);
    EXPECT_EQ(settings.MRUFiles[3], "");
    EXPECT_EQ(settings.MRUFiles[4], "/4");
    EXPECT_FALSE(settings.recentFileItems.separatorVisible);
}

TEST_F(SettingsFileTest, SavedSettingsReadBackUnchanged)
{
    settings.IDRangeLow = 100001;
    settings.IDRangeHigh = 200000;  // a range IDs can be issued from
    settings.SaveInterval = 90 * Minute;
    for (int i = 0; i < 16; ++i) {
        settings.FontRecs[i] = {
            QStringLiteral("ＭＳ ゴシック%1").arg(i), 10.5f + i, i == 1, i == 2, i == 3, i == 4, i, -i};
        settings.ColourTable[i] = i * 7;
        settings.WindowRecs[i] = {15.0f * i, -30.0f * i, 4500.0f + i, 3000.0f};
        settings.ColumnWidths[i] = 900 + i;
    }
    for (int i = 0; i < 8; ++i)
        settings.MRUFiles[i] = QStringLiteral("/home/u/調査%1.kz").arg(i);
    settings.WWWAnswerDir = "/srv/回答";
    const Settings saved = settings;

    ASSERT_TRUE(SaveSettings(settings));
    reset();
    LoadSettings(settings);

    EXPECT_EQ(settings.IDRangeLow, 100001);
    EXPECT_EQ(settings.IDRangeHigh, 200000);
    EXPECT_DOUBLE_EQ(settings.SaveInterval, 90 * Minute);
    for (int i = 0; i < 16; ++i) {
        const FontRec& a = settings.FontRecs[i];
        const FontRec& b = saved.FontRecs[i];
        EXPECT_EQ(std::tie(a.Name, a.Size, a.Bold, a.Italic, a.Underline, a.Strikethru, a.ForeColor, a.BackColor),
                  std::tie(b.Name, b.Size, b.Bold, b.Italic, b.Underline, b.Strikethru, b.ForeColor, b.BackColor));
        const WindowRec& p = settings.WindowRecs[i];
        const WindowRec& q = saved.WindowRecs[i];
        EXPECT_EQ(std::tie(p.Left, p.Top, p.Width, p.Height), std::tie(q.Left, q.Top, q.Width, q.Height));
    }
    EXPECT_EQ(settings.ColourTable, saved.ColourTable);
    EXPECT_EQ(settings.ColumnWidths, saved.ColumnWidths);
    EXPECT_EQ(settings.MRUFiles, saved.MRUFiles);
    EXPECT_EQ(settings.WWWAnswerDir, saved.WWWAnswerDir);
    EXPECT_EQ(settings.recentFileItems.captions[1], "&2 /home/u/調査1.kz");
}

TEST_F(SettingsFileTest, SaveWritesTheFileLayoutWholeOverALongerFile)
{
    writeIni(QByteArray(5000, 'x'));
    settings.IDRangeLow = 0x01020304;
    settings.SaveInterval = 0.5;
    ASSERT_TRUE(SaveSettings(settings));
    const QByteArray bytes = readIni();
    ASSERT_EQ(bytes.size(), DefaultFileSize);
    // version 1, the magic reversed (38 bytes, last character first), the range
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("01002600"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 255 - 'a');
    EXPECT_EQ(bytes.mid(42, 4), QByteArray::fromHex("04030201"));
    EXPECT_EQ(bytes.right(8), QByteArray::fromHex("000000000000e03f"));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"zuntab.ini"});
}

TEST_F(SettingsFileTest, OlderFilesCarryOnlyTheIdRangeAndUnknownOnesNothing)
{
    const std::pair<QByteArray, Long> files[] = {
        {RangeOnlyFile(0), 11},
        {RangeOnlyFile(1, "Kelvor Zuntab Initialize File Ver 95.10b"), 11},
        {RangeOnlyFile(1, "Kelvor Zuntab Initialize File Ver 965d"), 11},
        {RangeOnlyFile(2), 0},
        {RangeOnlyFile(1, "Kelvor Zuntab Initialize File Ver 999z"), 0},
    };
    for (const auto& [file, low] : files) {
        writeIni(file);
        LoadSettings(settings);
        EXPECT_EQ(settings.IDRangeLow, low);
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::CountLabel], 1000);
        EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListReferences], 1000);
        EXPECT_EQ(readIni(), file);  // the file is left alone
    }
}

TEST_F(SettingsFileTest, LostColumnWidthsGetTheUsualOnes)
{
    for (bool firstLost : {false, true}) {
        writeIni(CurrentFile(firstLost ? 0 : 555, firstLost ? 555 : 0, {0, 0, 1, 1}, Minute));
        LoadSettings(settings);
        const Long s = firstLost ? 0 : 555;  // stored in every other column
        const std::array<Long, 16> expected = {1400, 1000, 800, s, s, 1000, 1000, 1400, 2600, 1400, s, s, s, s, s, s};
        EXPECT_EQ(settings.ColumnWidths, expected) << "first column lost: " << firstLost;
    }
}

TEST_F(SettingsFileTest, FileEndingEarlyKeepsDefaultFoldersAndInterval)
{
    writeIni(CurrentFile(555, 555, {}, Minute, 8));
    LoadSettings(settings);
    EXPECT_EQ(settings.MRUFiles[7], "/data/調査7.kz");
    EXPECT_EQ(settings.WWWAnswerDir, "");
    EXPECT_DOUBLE_EQ(settings.SaveInterval, 30 * Minute);

    writeIni(CurrentFile(555, 555, {}, Minute, 9));
    LoadSettings(settings);
    EXPECT_EQ(settings.WWWBackupDir, "/www/backup");
    EXPECT_DOUBLE_EQ(settings.SaveInterval, 30 * Minute);
}

TEST_F(SettingsFileTest, IntervalOutsideOneMinuteToOneDayBecomesHalfAnHour)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, double> cases[] = {{25.0 / 24, 30 * Minute},   {1.0, 1.0},
                                               {Minute, Minute},           {0, 30 * Minute},
                                               {-5 * Minute, 30 * Minute}, {nan, 30 * Minute}};
    for (const auto& [stored, loaded] : cases) {
        writeIni(CurrentFile(stored));
        LoadSettings(settings);
        EXPECT_DOUBLE_EQ(settings.SaveInterval, loaded) << "stored " << stored;
    }
}

TEST_F(SettingsFileTest, DamagedPlacementsAndWidthsAreMadeSane)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const WindowRec& damaged :
         {WindowRec{nan, 0, 3000, 3000}, WindowRec{0, 0, -3000, 3000}, WindowRec{0, 0, 3000, 1e30f}}) {
        writeIni(CurrentFile(555, 555, damaged, Minute));
        LoadSettings(settings);
        EXPECT_EQ(settings.WindowRecs[0].Width, 0);
        EXPECT_EQ(settings.WindowRecs[0].Left, 0);
    }
    // Left of the primary screen is a place, not damage: the window decides.
    writeIni(CurrentFile(1'000'000, -40, {-2000, 100, 3000, 3000}, Minute));
    LoadSettings(settings);
    EXPECT_EQ(settings.WindowRecs[5].Left, -2000);
    EXPECT_EQ(settings.ColumnWidths[12], 28800);
    EXPECT_EQ(settings.ColumnWidths[ColumnSlot::ListReferences], 2600);  // a negative width counts as lost
}

TEST_F(SettingsFileTest, FileBreakingOffKeepsWhatWasReadAndTheMenuAsItWas)
{
    // Fonts are 24 bytes and their names ("フォント0" 9 bytes, "フォント10" 10).
    const int placementsStart = 50 + 16 * 24 + 10 * 9 + 6 * 10 + 64;
    writeIni(CurrentFile().left(placementsStart + 2 * 16 + 8));
    settings.recentFileItems.captions[0] = "stale";
    settings.WindowRecs[2] = {1, 2, 3, 4};
    LoadSettings(settings);
    EXPECT_EQ(settings.IDRangeLow, 7);
    EXPECT_EQ(settings.FontRecs[15].Name, "フォント15");
    EXPECT_EQ(settings.ColourTable[ColourSlot::DisplayFlags], 2015);
    EXPECT_EQ(settings.WindowRecs[1].Width, 3000);
    // The broken placement keeps what the defaults left.
    EXPECT_EQ(settings.WindowRecs[2].Width, 0);
    EXPECT_EQ(settings.WindowRecs[2].Left, 1);
    EXPECT_EQ(settings.recentFileItems.captions[0], "stale");
}

TEST_F(SettingsFileTest, IDRangeNoIDCouldBeIssuedFromLeavesTheDefaultAndSaysSo)
{
    struct Case {
        Long low;
        Long high;
        bool kept;
    };
    const Case cases[] = {
        {0, 0, true},      {500, 500, true}, {0, 2147483647, true},        {2147483647, 2147483647, true},
        {501, 500, false}, {-1, 10, false},  {-2147483647 - 1, -1, false}, {100, -100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << " .. " << c.high);
        test::ScriptedUi ui;
        for (const QByteArray& file : {CurrentFileWithRange(c.low, c.high), RangeOnlyFile(0, {}, c.low, c.high)}) {
            writeIni(file);
            if (!c.kept && ui.boxes().empty())
                ui.expectBox(vbOK);
            LoadSettings(settings);
            EXPECT_EQ(settings.IDRangeLow, c.kept ? c.low : 0);
            EXPECT_EQ(settings.IDRangeHigh, c.kept ? c.high : 100000);
        }
        // Told once, though read twice (as at start-up).
        ASSERT_EQ(ui.boxes().size(), c.kept ? 0u : 1u);
        if (!c.kept) {
            EXPECT_EQ(ui.boxes()[0].prompt,
                      QStringLiteral("設定ファイルのIDの範囲（%1 から %2）は使えないので、0 から 100000 にしました。")
                          .arg(c.low)
                          .arg(c.high));
            EXPECT_EQ(ui.boxes()[0].style, vbExclamation);
        }
    }
    // The rest of the file is read all the same.
    EXPECT_EQ(settings.FontRecs[15].Name, "フォント15");
}

TEST_F(SettingsFileTest, DefaultFileHasTheBytesOfTheFormat)
{
    LoadSettings(settings);
    ASSERT_TRUE(SaveSettings(settings));

    const auto times = [](const char* hex, int count) { return QByteArray::fromHex(hex).repeated(count); };
    QByteArray expected =
        QByteArray::fromHex("0100"
                            "2600"
                            "9ec9c9c6df8d9aa9df9a9396b9df9a8596939e968b9691b6df9d9e8b918aa5df8d9089939ab4"
                            "00000000"
                            "a0860100");
    // Font 0 on white, the other fonts empty.
    expected += times("00000000"
                      "00000000"
                      "0000000000000000"
                      "00000000",
                      1)
                + QByteArray::fromHex("ffffff00");
    expected += times("00000000"
                      "00000000"
                      "0000000000000000"
                      "00000000"
                      "00000000",
                      15);
    expected += QByteArray::fromHex("00600000"
                                    "ff000000"
                                    "bf00bf00"
                                    "7f7f7f00")
                + times("00000000", 11) + QByteArray::fromHex("01000000");
    expected += times("00", 16 * 16);
    expected += times("e8030000", 10) + times("00000000", 6);
    expected += times("00000000", 8 + 2);
    expected += QByteArray::fromHex("555555555555953f");  // 30 / 1440
    EXPECT_EQ(readIni().toHex(), expected.toHex());
}

TEST_F(SettingsFileTest, ReadsWhileTwoOtherCopiesSaveAlwaysFindTheUsersSettings)
{
    settings.IDRangeLow = 5000;
    settings.IDRangeHigh = 5999;
    settings.MRUFiles[0] = QStringLiteral("/data/調査.kz");
    ASSERT_TRUE(SaveSettings(settings));
    const Settings users = settings;

    pid_t writers[2];
    for (pid_t& writer : writers) {
        writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (;;)
                SaveSettings(settings);
        }
    }
    QElapsedTimer timer;
    timer.start();
    int reads = 0;
    while (timer.elapsed() < 1500) {
        LoadSettings(settings);
        if (settings.IDRangeLow != users.IDRangeLow || settings.MRUFiles[0] != users.MRUFiles[0])
            break;
        ++reads;
    }
    for (pid_t writer : writers) {
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
    }
    EXPECT_GE(timer.elapsed(), 1500) << "defaults read after " << reads << " reads";
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).first(), "zuntab.ini");
}

TEST_F(SettingsFileTest, FailedSaveIsReportedAndKeepsTheOldFile)
{
    const QByteArray old = CurrentFile();
    writeIni(old);
    settings.MRUFiles[6] = QString(40000, 'a');  // too long for a counted string
    test::ScriptedUi ui;
    ui.expectBox(vbOK);
    EXPECT_FALSE(SaveSettings(settings));
    EXPECT_EQ(readIni(), old);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"zuntab.ini"});

    SetProgramFolderForTest(folder_.filePath("missing"));
    settings.MRUFiles[6].clear();
    ui.expectBox(vbOK);
    EXPECT_FALSE(SaveSettings(settings));
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_TRUE(ui.boxes()[1].prompt.contains("missing/zuntab.ini"));
    EXPECT_TRUE(ui.boxes()[1].prompt.endsWith("\n(ファイルまたはフォルダーが見つかりません。)"))
        << ui.boxes()[1].prompt.toStdString();
    EXPECT_EQ(ui.boxes()[1].style, vbExclamation);
}

}  // namespace
}  // namespace kz
