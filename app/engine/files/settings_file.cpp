#include "files/settings_file.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <optional>

#include "document/recent_files.h"
#include "files/counted_strings.h"
#include "files/file_commit.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/sample_ids.h"
#include "model/survey.h"
#include "runtime/file_errors.h"

namespace kz {

namespace {

constexpr Integer CurrentVersion = 1;
const QString CurrentMagic = QStringLiteral("Kelvor Zuntab Initialize File Ver 966a");
// Files of these generations hold only the ID range after the magic.
const std::array<QString, 2> RangeOnlyMagics = {
    QStringLiteral("Kelvor Zuntab Initialize File Ver 95.10b"),
    QStringLiteral("Kelvor Zuntab Initialize File Ver 965d"),
};

constexpr double MinutesPerDay = 24 * 60;
constexpr double OneMinute = 1 / MinutesPerDay;  // as a day fraction
// The double nearest to 30 / 1440, as other tools write it; 30 * OneMinute
// lies one unit in the last place above it.
constexpr double DefaultSaveInterval = 30 / MinutesPerDay;
constexpr int DefaultedColumnCount = 10;
// Column widths and placements are in twips; anything beyond these bounds
// is damage, not a choice the user made.
constexpr Long MaxColumnWidth = 28800;
constexpr float MaxPlacement = 1'000'000;
constexpr float MaxFontSize = 1000;

constexpr Long Rgb(int red, int green, int blue) { return red + green * 256 + blue * 65536; }

// --- values read from the file, made safe to use ---------------------------

float SaneFontSize(float size) { return std::isfinite(size) && size > 0 && size <= MaxFontSize ? size : 0; }

// A placement the windows could not use counts as nothing stored.
WindowRec SaneWindowRec(const WindowRec& rec)
{
    const auto within = [](float v) { return std::isfinite(v) && std::fabs(v) <= MaxPlacement; };
    const bool usable = within(rec.Left) && within(rec.Top) && within(rec.Width) && within(rec.Height)
                        && rec.Width > 0 && rec.Height > 0;
    return usable ? rec : WindowRec{};
}

Long SaneColumnWidth(Long width) { return std::clamp<Long>(width, 0, MaxColumnWidth); }

double SaneSaveInterval(double interval)
{
    return interval >= OneMinute && interval <= 1.0 ? interval : DefaultSaveInterval;
}

// --- reading ----------------------------------------------------------------

// Reads one entry per element; an entry is kept only when it was read whole,
// so a file that breaks off leaves the rest of the table as it was.
template <typename T, size_t N, typename ReadOne>
bool ReadTable(BinaryReader& in, std::array<T, N>& table, ReadOne readOne)
{
    for (T& entry : table) {
        T value = readOne(in);
        if (!in.ok())
            return false;
        entry = value;
    }
    return true;
}

// Start-up reads the file twice; the user hears of a refused range once.
void TellRefusedIDRange(const IDRange& range, const Settings& kept)
{
    static std::optional<IDRange> told;
    if (told == range)
        return;
    told = range;
    MsgBox(QStringLiteral("設定ファイルのIDの範囲（%1 から %2）は使えないので、%3 から %4 にしました。")
               .arg(range.low)
               .arg(range.high)
               .arg(kept.IDRangeLow)
               .arg(kept.IDRangeHigh),
           vbExclamation);
}

// A range no ID could be issued from leaves the default.
bool ReadIdRange(BinaryReader& in, Settings& into)
{
    const Long low = in.readLong();
    const Long high = in.readLong();
    if (!in.ok())
        return false;
    if (!IsValidIDRange({low, high})) {
        TellRefusedIDRange({low, high}, into);
        return true;
    }
    into.IDRangeLow = low;
    into.IDRangeHigh = high;
    return true;
}

FontRec ReadFontRec(BinaryReader& in)
{
    FontRec rec;
    rec.Name = GetStr(in);
    rec.Size = SaneFontSize(in.readSingle());
    rec.Bold = in.readBoolean();
    rec.Italic = in.readBoolean();
    rec.Underline = in.readBoolean();
    rec.Strikethru = in.readBoolean();
    rec.ForeColor = in.readLong();
    rec.BackColor = in.readLong();
    return rec;
}

WindowRec ReadWindowRec(BinaryReader& in)
{
    WindowRec rec;
    rec.Left = in.readSingle();
    rec.Top = in.readSingle();
    rec.Width = in.readSingle();
    rec.Height = in.readSingle();
    return SaneWindowRec(rec);
}

// The fields after the current magic. False on a read error.
bool ReadCurrentFields(BinaryReader& in, Settings& into)
{
    const bool complete =
        ReadIdRange(in, into) && ReadTable(in, into.FontRecs, ReadFontRec)
        && ReadTable(in, into.ColourTable, [](BinaryReader& r) { return r.readLong(); })
        && ReadTable(in, into.WindowRecs, ReadWindowRec)
        && ReadTable(in, into.ColumnWidths, [](BinaryReader& r) { return SaneColumnWidth(r.readLong()); })
        && ReadTable(in, into.MRUFiles, [](BinaryReader& r) { return GetStr(r); });
    if (!complete)
        return false;
    // The folders and the interval came later; older files end before them.
    if (in.atEnd())
        return true;
    const QString answerDir = GetStr(in);
    if (!in.ok())
        return false;
    into.WWWAnswerDir = answerDir;
    const QString backupDir = GetStr(in);
    if (!in.ok())
        return false;
    into.WWWBackupDir = backupDir;
    if (in.atEnd())
        return true;
    const double interval = in.readDouble();
    if (!in.ok())
        return false;
    into.SaveInterval = SaneSaveInterval(interval);
    return true;
}

// False on a read error; an unrecognised file is no error, it is ignored.
bool ReadSettingsFields(BinaryReader& in, Settings& into)
{
    const Integer version = in.readInteger();
    if (!in.ok())
        return false;
    into.SettingsVersion = version;
    if (version == 0)
        return ReadIdRange(in, into);
    if (version != CurrentVersion)
        return true;
    const QString magic = GetRevStr(in);
    if (!in.ok())
        return false;
    if (magic == RangeOnlyMagics[0] || magic == RangeOnlyMagics[1])
        return ReadIdRange(in, into);
    if (magic != CurrentMagic)
        return true;
    return ReadCurrentFields(in, into);
}

// A result sheet without its label column or its wide referenced-answer
// column has lost its widths: give the columns that carry fixed contents
// their usual widths.
void RepairColumnWidths(Settings& into)
{
    auto& widths = into.ColumnWidths;
    if (widths[ColumnSlot::CountLabel] != 0 && widths[ColumnSlot::ListReferences] != 0)
        return;
    for (const auto& [column, width] : {std::pair{ColumnSlot::CountLabel, 1400},
                                        {ColumnSlot::CountValue, 1000},
                                        {ColumnSlot::CountPercent, 800},
                                        {ColumnSlot::ListID, 1000},
                                        {ColumnSlot::ListChoice, 1000},
                                        {ColumnSlot::ListFreeText, 1400},
                                        {ColumnSlot::ListReferences, 2600},
                                        {ColumnSlot::EachReferenceColumn, 1400}})
        widths[column] = width;
}

}  // namespace

QString SettingsFilePath() { return AppDir() + QStringLiteral("zuntab.ini"); }

void DefaultSettings(Settings& into)
{
    into.IDRangeLow = 0;
    into.IDRangeHigh = 100000;
    for (WindowRec& rec : into.WindowRecs)
        rec.Width = 0;
    for (int i = 0; i <= 3; ++i)
        into.FontRecs[static_cast<size_t>(i)].Name.clear();
    for (int i = 0; i < DefaultedColumnCount; ++i)
        into.ColumnWidths[static_cast<size_t>(i)] = 1000;
    for (int i = 0; i < RecentFilesShown; ++i)
        into.MRUFiles[static_cast<size_t>(i)].clear();
    into.FontRecs[FontSlot::Reply].ForeColor = Rgb(0, 0, 0);
    into.FontRecs[FontSlot::Reply].BackColor = Rgb(255, 255, 255);
    into.ColourTable[ColourSlot::FreeText] = Rgb(0, 96, 0);
    into.ColourTable[ColourSlot::Error] = Rgb(255, 0, 0);
    into.ColourTable[ColourSlot::NotApplicable] = Rgb(191, 0, 191);
    into.ColourTable[ColourSlot::QuestionName] = Rgb(127, 127, 127);
    into.ColourTable[ColourSlot::DisplayFlags] = 1;  // question names shown, no line-break marks
    into.WWWAnswerDir.clear();
    into.WWWBackupDir.clear();
    into.SaveInterval = DefaultSaveInterval;
}

bool ReadSettings(BinaryReader& in, Settings& into)
{
    const bool whole = ReadSettingsFields(in, into);
    RepairColumnWidths(into);
    return whole;
}

bool WriteSettings(QIODevice& device, const Settings& from)
{
    BinaryWriter out(device);
    out.writeInteger(CurrentVersion);
    bool textsFit = PutRevStr(out, CurrentMagic);
    const auto putStr = [&](const QString& text) { textsFit = PutStr(out, text) && textsFit; };
    out.writeLong(from.IDRangeLow);
    out.writeLong(from.IDRangeHigh);
    for (const FontRec& font : from.FontRecs) {
        putStr(font.Name);
        out.writeSingle(font.Size);
        out.writeBoolean(font.Bold);
        out.writeBoolean(font.Italic);
        out.writeBoolean(font.Underline);
        out.writeBoolean(font.Strikethru);
        out.writeLong(font.ForeColor);
        out.writeLong(font.BackColor);
    }
    for (Long colour : from.ColourTable)
        out.writeLong(colour);
    for (const WindowRec& rec : from.WindowRecs) {
        out.writeSingle(rec.Left);
        out.writeSingle(rec.Top);
        out.writeSingle(rec.Width);
        out.writeSingle(rec.Height);
    }
    for (Long width : from.ColumnWidths)
        out.writeLong(width);
    for (const QString& file : from.MRUFiles)
        putStr(file);
    putStr(from.WWWAnswerDir);
    putStr(from.WWWBackupDir);
    out.writeDouble(from.SaveInterval);
    return textsFit && out.ok();
}

void LoadSettings(Settings& settings)
{
    DefaultSettings(settings);
    // Opened without asking first whether the file exists: a save in
    // another copy may replace it in between. After a read error what was
    // read stays, and the recent-file menu keeps what it showed.
    QFile file(SettingsFilePath());
    const int openError = OpenForReading(file);
    BinaryReader in(file);
    const bool readWhole = openError == ENOENT || (openError == 0 && ReadSettings(in, settings));
    if (readWhole)
        RecentFilesMenu(settings, QString());
}

bool SaveSettings(Settings& settings)
{
    settings.SettingsVersion = CurrentVersion;
    // Written beside the old file and renamed over it on success, so a
    // failure never leaves a half-written file behind.
    QSaveFile file(SettingsFilePath());
    errno = 0;
    int osError = 0;  // stays 0 for a text the file cannot hold
    if (!file.open(QIODevice::WriteOnly)) {
        osError = errno;
    } else {
        errno = 0;
        if (!WriteSettings(file, settings))
            osError = errno;
        else if (const std::optional<CommitFailure> failure = CommitFile(file))
            osError = failure->osError;
        else
            return true;
    }
    QString message = QStringLiteral("設定ファイル「%1」を保存できませんでした。\n"
                                     "ウィンドウの位置や最近使ったファイルの一覧などは保存されていません。")
                          .arg(file.fileName());
    if (osError != 0)
        message += QStringLiteral("\n(%1)").arg(FileErrorText(osError));
    file.cancelWriting();
    MsgBox(message, vbExclamation);
    return false;
}

}  // namespace kz
