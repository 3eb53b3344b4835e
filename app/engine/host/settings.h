// This computer's settings, kept in "zuntab.ini" in the program folder:
// fonts, colours and placements of windows, the result sheet's column
// widths, the recent files, the network-answer folders, the range of sample
// IDs this computer issues and the interval of the save reminder.
#pragma once

#include <QString>

#include <array>

#include "runtime/vbtypes.h"

namespace kz {

// Colours are RGB values: red + green * 256 + blue * 65536.
struct FontRec {
    QString Name;  // empty: nothing stored
    float Size = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethru = false;
    Long ForeColor = 0;
    Long BackColor = 0;
};

// In twips, as the window reports them; Width 0: nothing stored.
struct WindowRec {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

constexpr int SettingsSlotCount = 16;
constexpr int RecentFileCount = 8;
constexpr int RecentFilesShown = 4;

struct Settings {
    Integer SettingsVersion = 0;
    std::array<FontRec, SettingsSlotCount> FontRecs{};
    // Entries 0 to 3: colours of the entry text; entry 15: display option bits.
    std::array<Long, SettingsSlotCount> ColourTable{};
    std::array<WindowRec, SettingsSlotCount> WindowRecs{};
    std::array<Long, SettingsSlotCount> ColumnWidths{};
    // Newest first; entries 0 to 3 are shown in the File menu.
    std::array<QString, RecentFileCount> MRUFiles;
    QString WWWAnswerDir;
    QString WWWBackupDir;
    Long IDRangeLow = 0;
    Long IDRangeHigh = 0;
    double SaveInterval = 0;  // day fraction
};

extern Settings settings;

}  // namespace kz
