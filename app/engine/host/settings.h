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

// The slots of the settings tables that are in use; the others are kept as
// read.

// WindowRecs: one per window that keeps its placement.
enum class WindowSlot {
    frmAddData = 0,   // answer entry
    frmTable = 1,     // question list
    frmTotal = 2,     // tabulation; stored, never restored
    frmAnswer = 3,    // sample view
    frmGraph = 5,     // chart
    frmGridBase = 6,  // result sheet
    frmMain = 7,
};

// FontRecs: one per use.
enum class FontSlot {
    Reply = 0,       // the entry window's reply text
    ResultGrid = 1,  // the result sheet's grid
    // Takes the reply's font when a colour other than its text colour
    // changes; no control is given it.
    ReplyOtherColours = 8,
};

// ColourTable.
enum class ColourSlot {
    // The colours of the reply text besides its answers.
    FreeText = 0,
    Error = 1,
    NotApplicable = 2,  // a question whose condition the sample does not meet
    QuestionName = 3,
    // No colour: the bits of the reply's display options.
    DisplayFlags = 15,
};

// The reply's colours, in the order of the reply's colour table.
constexpr std::array<ColourSlot, 4> ReplyColourSlots = {
    ColourSlot::FreeText,
    ColourSlot::Error,
    ColourSlot::NotApplicable,
    ColourSlot::QuestionName,
};

// ColumnWidths: the result sheet's columns.
enum class ColumnSlot {
    CountLabel = 0,
    CountValue = 1,
    CountPercent = 2,
    ListID = 5,
    ListChoice = 6,
    ListFreeText = 7,
    ListReferences = 8,       // the fourth column of a listing
    EachReferenceColumn = 9,  // given to each referenced answer's column
};

// A settings table that takes its named slots as well as plain indexes.
template <typename Rec, typename Slot>
struct SlotTable : std::array<Rec, SettingsSlotCount> {
    using std::array<Rec, SettingsSlotCount>::operator[];
    Rec& operator[](Slot slot) { return (*this)[static_cast<size_t>(slot)]; }
    const Rec& operator[](Slot slot) const { return (*this)[static_cast<size_t>(slot)]; }
};

// The four recent-file items of the File menu; an empty caption is a hidden
// item.
struct RecentFileItems {
    std::array<QString, RecentFilesShown> captions;
    bool separatorVisible = false;
};

struct Settings {
    Integer SettingsVersion = 0;
    SlotTable<FontRec, FontSlot> FontRecs{};
    SlotTable<Long, ColourSlot> ColourTable{};
    SlotTable<WindowRec, WindowSlot> WindowRecs{};
    SlotTable<Long, ColumnSlot> ColumnWidths{};
    // Newest first; entries 0 to 3 are shown in the File menu.
    std::array<QString, RecentFileCount> MRUFiles;
    QString WWWAnswerDir;
    QString WWWBackupDir;
    Long IDRangeLow = 0;
    Long IDRangeHigh = 0;
    double SaveInterval = 0;  // day fraction

    // Not kept in the file: the File menu's items as MRUFiles last refreshed
    // them.
    RecentFileItems recentFileItems;
};

}  // namespace kz
